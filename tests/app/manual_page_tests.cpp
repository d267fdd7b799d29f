// The manual page vecrast(1) lists every option the program accepts, which the help screen
// does not.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/option_table.h"
#include "base/ascii_case.h"
#include "engine/keywords.h"

namespace vecrast {
namespace {

std::string ManualPage() {
  std::ifstream in(VECRAST_MANUAL_PAGE, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// An option name as roff writes it: "--jpg-quality" is "\-\-jpg\-quality".
std::string AsRoff(std::string_view name) {
  std::string text;
  for (const char c : base::LowerAscii(name)) text += c == '-' ? std::string("\\-") : std::string(1, c);
  return text;
}

TEST(ManualPage, ListsEveryOptionOfTheTable) {
  const std::string page = ManualPage();
  ASSERT_FALSE(page.empty()) << VECRAST_MANUAL_PAGE;
  for (const OptionRow& row : OptionTable()) {
    EXPECT_NE(page.find("\\fB" + AsRoff(row.longName) + "\\fR"), std::string::npos) << row.longName;
    if (!row.shortName.empty()) {
      EXPECT_NE(page.find("\\fB" + AsRoff(row.shortName) + "\\fR"), std::string::npos) << row.shortName;
    }
  }
}

TEST(ManualPage, ShowsKeywordsExitStatusesAndTheProfileFormat) {
  const std::string page = ManualPage();
  for (const OptionRow& row : OptionTable()) {
    if (row.kind != OptionValueKind::Keyword || row.keywordKind == keywords::Compression) continue;
    for (const KeywordPair& pair : KeywordTable(row.keywordKind)) {
      EXPECT_NE(page.find(base::LowerAscii(pair.keyword)), std::string::npos) << row.longName;
    }
  }
  for (const char* section : {".SH EXIT STATUS", ".B 75", ".SH PROFILE FILES", "[CLI]", ".SH OUTPUT NAMES",
                              "%filename[t]%", ".SH FILES", ".SH ENVIRONMENT", "XDG_RUNTIME_DIR"}) {
    EXPECT_NE(page.find(section), std::string::npos) << section;
  }
  EXPECT_NE(page.find(".TH VECRAST 1 \"\" \"vecrast 2.5\""), std::string::npos);
}

}  // namespace
}  // namespace vecrast
