#include "texts/language_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "texts/text_table.h"
#include "texts/text_table_data.h"
#include "texts/texts.h"

namespace vecrast {
namespace {

namespace fs = std::filesystem;

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries EntriesOf(const LanguageFile& file, std::string_view section) {
  Entries entries;
  file.ForEachEntry(section, [&](std::string_view key, std::string_view value) {
    entries.emplace_back(key, value);
  });
  return entries;
}

// A fresh folder per test, removed afterwards.
class LanguageFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() /
              ("vecrast_texts_" + std::to_string(::getpid()) + "_" + info->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
    LoadTextTable();  // later tests expect the built-in texts
  }

  std::string Write(const std::string& name, const std::string& bytes) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  fs::path folder_;
};

TEST_F(LanguageFileTest, OverridesTextsOfTheGroupsItNames) {
  const std::string path = Write("de.ini",
                                 "\xEF\xBB\xBF\r\n"
                                 "[msg]\r\n"
                                 "warning =  Warnung \t\r\n"
                                 "; Error = commented out\r\n"
                                 "  ERROR=Fehler\r\n"
                                 "Warning = second entry of the key is not seen\r\n"
                                 "Not a key = ignored\r\n"
                                 "[Dialog]\n"
                                 "OK = Gut\n");
  EXPECT_EQ(LoadTextTable(path), 1);
  EXPECT_EQ(GetText("Msg", "Warning"), "Warnung");
  EXPECT_EQ(GetText("Msg", "Error"), "Fehler");
  EXPECT_EQ(GetText("Dialog", "OK"), "Gut");
  // Keys and groups the file does not hold keep the built-in texts; the file adds no keys.
  EXPECT_EQ(GetText("Dialog", "Cancel"), "Cancel");
  EXPECT_EQ(GetText("Menu", "File"), "File");
  EXPECT_EQ(GetText("Msg", "Not a key"), kNoStringError);
  // The next load without a file brings the built-in texts back.
  LoadTextTable();
  EXPECT_EQ(GetText("Msg", "Warning"), "Warning");
}

TEST_F(LanguageFileTest, EmptyValueReplacesTheTextAndLaterSectionsOfTheSameNameAreNotRead) {
  const std::string path = Write("x.ini",
                                 "[About]\n"
                                 "Title =\n"
                                 "[Other]\n"
                                 "[ABOUT]\n"
                                 "Version = from the second section\n");
  LoadTextTable(path);
  EXPECT_EQ(GetText("About", "Title"), "");
  EXPECT_EQ(GetText("About", "Version"), "Version:");
}

TEST_F(LanguageFileTest, FileWithoutByteOrderMarkIsLatin1) {
  const std::string path = Write("fr.ini", "[Msg]\rError = Erreur \xE9t\xE9\r");
  LoadTextTable(path);
  EXPECT_EQ(GetText("Msg", "Error"), "Erreur \xC3\xA9t\xC3\xA9");
}

TEST_F(LanguageFileTest, FileWithByteOrderMarkIsTakenAsUtf8) {
  const std::string path = Write("ru.ini", "\xEF\xBB\xBF[Msg]\nError = \xD0\x9E\xD1\x88\n");
  LoadTextTable(path);
  EXPECT_EQ(GetText("Msg", "Error"), "\xD0\x9E\xD1\x88");
}

TEST_F(LanguageFileTest, UnreadablePathsLeaveTheBuiltInTexts) {
  ASSERT_EQ(::mkfifo((folder_ / "fifo").c_str(), 0600), 0);  // opening must not block
  const std::string paths[] = {
      (folder_ / "missing.ini").string(),
      folder_.string(),
      (folder_ / "fifo").string(),
      std::string("bad\0path", 8),
  };
  for (const std::string& path : paths) {
    EXPECT_EQ(LoadTextTable(path), 1);
    EXPECT_EQ(GetText("Msg", "Warning"), "Warning") << path;
  }
}

TEST_F(LanguageFileTest, OversizedFileIsRefused) {
  std::string bytes = "[Msg]\nWarning = too big\n";
  bytes.resize(LanguageFile::kMaxFileSize + 1, ' ');
  LanguageFile file;
  EXPECT_FALSE(file.Open(Write("big.ini", bytes)));
  EXPECT_TRUE(EntriesOf(file, "Msg").empty());
}

// Hostile files: whatever they hold, loading returns and lookups keep working.
TEST_F(LanguageFileTest, HostileFilesNeverBreakTheTable) {
  std::mt19937 random(12345);
  std::string junk(1 << 16, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  const std::string longLine(1 << 18, 'x');
  const std::string cases[] = {
      "",
      "\xEF\xBB\xBF",
      "\xEF\xBB",
      "Warning = outside any section\nError = none\n",
      "[",
      "[Msg",
      "[Msg]",
      "[Msg]\n=\n==\n = \n",
      "[Msg]\nWarning",
      "[Msg]\n" + longLine + "\n",
      "[Msg]\nWarning = " + longLine,
      "[" + longLine + "]\n",
      junk,
      "[Msg]\n" + junk,
      "\xEF\xBB\xBF[Msg]\nWarning = \xFF\xFE\x80\n",
      std::string("[Msg]\nWarning = a\0b\n", 20),
      std::string(100000, '\n'),
      std::string(100000, '['),
  };
  int index = 0;
  for (const std::string& bytes : cases) {
    const std::string path = Write("hostile" + std::to_string(index++) + ".ini", bytes);
    EXPECT_EQ(LoadTextTable(path), 1);
    EXPECT_EQ(GetText("Dialog", "Cancel"), "Cancel");
    EXPECT_EQ(GetText("Msg", "No such key"), kNoStringError);
  }
}

TEST(LanguageFileEntries, FollowTheIniRules) {
  LanguageFile file;
  file.OpenBytes("[Msg]\nWarning = " + std::string(1 << 18, 'x') + "\n");
  Entries entries = EntriesOf(file, "MSG");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].second.size(), 1u << 18);

  file.OpenBytes("[Msg\nWarning = no closing bracket\n");
  EXPECT_EQ(EntriesOf(file, "msg"), (Entries{{"Warning", "no closing bracket"}}));

  file.OpenBytes("[Msg] trailing text\r\n\t Warning\t= tabbed \t\r\n;Error = comment\r\nno equals\r\n");
  EXPECT_EQ(EntriesOf(file, "Msg"), (Entries{{"Warning", "tabbed"}}));

  file.OpenBytes(std::string("[Msg]\nWarning = a\0b\n", 20));
  EXPECT_EQ(EntriesOf(file, "Msg"), (Entries{{"Warning", std::string("a\0b", 3)}}));

  file.OpenBytes("Warning = outside\n[ Msg ]\nError = spaced header\n");
  EXPECT_TRUE(EntriesOf(file, "Msg").empty());
  EXPECT_EQ(EntriesOf(file, " Msg "), (Entries{{"Error", "spaced header"}}));

  file.OpenBytes("[A]\nk = 1\n[B]\nk = 2\n[a]\nk = 3\n");
  EXPECT_EQ(EntriesOf(file, "a"), (Entries{{"k", "1"}}));
  EXPECT_EQ(EntriesOf(file, "b"), (Entries{{"k", "2"}}));
}

TEST_F(LanguageFileTest, KeysAfterManyUnknownOnesStillOverride) {
  std::string bytes = "[Preferences]\n";
  for (int i = 0; i < 20000; ++i) {
    bytes += 'k';
    bytes += std::to_string(i);
    bytes += "=v\n";
  }
  bytes += "medium = Mittel\n";
  LoadTextTable(Write("many.ini", bytes));
  EXPECT_EQ(GetText("Preferences", "Medium"), "Mittel");
  EXPECT_EQ(GetText("Preferences", "k5"), kNoStringError);
}

TEST(LanguageFileOverride, EveryRowOfARepeatedKeyTakesTheText) {
  TextTable table;
  BuildTextTable(table, BuiltInTextTableData());
  LanguageFile file;
  file.OpenBytes("[Preferences]\nMedium = Mittel\nMEDIUM = second entry is not seen\n");
  OverrideTexts(table, file);
  int mediumRows = 0;
  for (size_t j = 1; j < table.keys.size(); ++j) {
    if (table.keys[j] != "MEDIUM") continue;
    EXPECT_EQ(table.texts[j], "Mittel");
    ++mediumRows;
  }
  EXPECT_EQ(mediumRows, 2);
}

}  // namespace
}  // namespace vecrast
