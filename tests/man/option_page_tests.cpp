// The HTML option reference lists every option of the table with its keywords, and every
// example it shows is a command line the program reads without a complaint.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/option_reader.h"
#include "app/option_table.h"
#include "app/run_setup.h"
#include "base/ascii_case.h"
#include "engine/keywords.h"
#include "html_text.h"
#include "option_reference.h"
#include "settings/settings.h"
#include "temp_folder.h"

namespace vecrast::manual {
namespace {

std::string OptionPage() { return testing::ReadFileBytes(std::string(VECRAST_HTML_MANUAL) + "/options.html"); }

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

TEST(OptionPage, ListsEveryOptionOfTheTableWithItsKeywords) {
  const std::string page = OptionPage();
  ASSERT_FALSE(page.empty()) << VECRAST_HTML_MANUAL;
  for (const OptionRow& row : OptionTable()) {
    const std::string name = base::LowerAscii(row.longName);
    EXPECT_NE(page.find("<b>" + name + "</b>"), std::string::npos) << name;
    EXPECT_NE(page.find("id=\"opt-" + name.substr(2) + "\""), std::string::npos) << name;
    if (!row.shortName.empty()) {
      EXPECT_NE(page.find("<b>" + base::LowerAscii(row.shortName) + "</b>"), std::string::npos) << row.shortName;
    }
    if (row.kind != OptionValueKind::Keyword || row.keywordKind == keywords::Compression) continue;
    for (const KeywordPair& pair : KeywordTable(row.keywordKind)) {
      EXPECT_NE(page.find(base::LowerAscii(pair.keyword)), std::string::npos) << name;
    }
  }
  for (const char* part : {"id=\"names\"", "%filename[t]%", "id=\"switches\"", "<b>--version</b>"}) {
    EXPECT_NE(page.find(part), std::string::npos) << part;
  }
}

TEST(OptionPage, EveryOptionHasAnExampleThatUsesIt) {
  ResetSettings(true);
  const OptionReference reference = BuildOptionReference();
  EXPECT_TRUE(reference.undescribed.empty());
  std::size_t options = 0;
  for (const OptionSection& section : reference.sections) {
    for (const OptionEntry& option : section.options) {
      ++options;
      const std::vector<std::string> words = Words(option.example);
      ASSERT_GE(words.size(), 2u) << option.longName;
      EXPECT_EQ(words[0], "vecrast") << option.longName;
      bool uses = false;
      for (const std::string& word : words) {
        const std::string name = word.substr(0, word.find('='));
        uses = uses || name == option.longName || (!option.shortName.empty() && name == option.shortName);
      }
      EXPECT_TRUE(uses) << option.longName << ": " << option.example;
    }
  }
  EXPECT_EQ(options, OptionTable().size());
}

TEST(OptionPage, EveryExampleIsReadWithoutAnErrorOrAWarning) {
  testing::TempFolder folder;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());  // the examples name files of the current folder
  testing::WriteFileBytes("web.ini", "[CLI]\r\n--greyscale\r\n");
  ResetSettings(true);
  const OptionReference reference = BuildOptionReference();
  for (const OptionSection& section : reference.sections) {
    for (const OptionEntry& option : section.options) {
      PrepareCommandLineRun();
      std::vector<std::string> words = Words(option.example);
      ASSERT_FALSE(words.empty()) << option.longName;
      const Arguments arguments(words.begin() + 1, words.end());
      const OptionReadResult result = ReadOptions(arguments);
      EXPECT_EQ(result.error, "") << option.example;
      EXPECT_TRUE(result.warnings.empty()) << option.example << ": " << (result.warnings.empty() ? "" : result.warnings[0]);
    }
  }
  std::filesystem::current_path(previous);
}

TEST(HtmlText, EscapesEveryCharacterWithAMeaningInMarkup) {
  struct Case {
    std::string_view text;
    std::string_view html;
  };
  for (const Case& test : {Case{"plain text", "plain text"}, Case{"a < b > c", "a &lt; b &gt; c"},
                           Case{"R&D \"quoted\" 'single'", "R&amp;D &quot;quoted&quot; &#39;single&#39;"},
                           Case{"&amp;", "&amp;amp;"}, Case{"<script>", "&lt;script&gt;"}, Case{"", ""},
                           Case{"\xC2\xA9 2026", "\xC2\xA9 2026"}}) {
    EXPECT_EQ(EscapeHtml(test.text), test.html) << test.text;
  }
}

}  // namespace
}  // namespace vecrast::manual
