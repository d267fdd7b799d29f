#include "texts/text_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "texts/text_table_data.h"
#include "texts/texts.h"

namespace vecrast {
namespace {

struct ExpectedText {
  const char* group;
  const char* key;
  const char* text;
};

// A sample from every group, chosen to catch typos, lost "\r\n" pairs, and keys whose text
// differs from the key.
constexpr ExpectedText kSample[] = {
    {"Menu", "Select Input File", "Add Input File..."},
    {"Menu", "Delete Input Files", "Delete Files From the List"},
    {"Menu", "Custom Converter", "Find a File Converter..."},
    {"Menu", "Visit Homepage", "Visit the Program's Homepage"},
    {"General", "Output Folder", "Output Folder:"},
    {"General", "Preparing", "Preparing..."},
    {"Msg", "Warning", "Warning"},
    {"Msg", "Error", "Error"},
    {"Msg", "Unable to open file", "Unable to open the file: %s1%!"},
    {"Msg", "Invalid input folder",
     "The following input folder is invalid or doesn't exist:\r\n%s1%\r\n\r\nPlease, correct the "
     "input path and try again!"},
    {"Msg", "Ask continue to find",
     "No matches of %s1% found!\r\n\r\nDo you want to search from the start of the list?"},
    {"Msg", "Progress", "(%s1%/%s2%)"},
    {"Msg", "Files converted", "Files converted: %s1% of %s2%"},
    {"Msg", "New Update Text",
     "A new version of Zentrafax WMF to JPG is available! Are you ready to download it right "
     "now?"},
    {"Msg", "Ask overwrite file", "The file already exist. Do you want to overwrite it?"},
    {"Msg", "Empty extensions", "Please, fill all required fields and try again!"},
    {"Dialog", "Import Input Files", "Import Input Files From A List"},
    {"Dialog", "Convert Progress", "Converting"},
    {"Preferences", "Title", "Preferences..."},
    {"Preferences", "Every 3 months", "Every 3 months"},
    {"Preferences", "Medium", "Medium"},
    {"Preferences", "Image", "Image:"},
    {"Preferences", "Image Width", "Image Width:"},
    {"Preferences", "X-Offset", "X-Offset:"},
    {"Preferences", "RGB48HS", "RGB 48-bit (HS)"},
    {"Preferences", "Catmullrom", "Catmull-Rom Spline"},
    {"Preferences", "Strikeout", "Strikethrough"},
    {"Preferences", "Tone Mapping", "HDR Tone Mapping:"},
    {"Preferences", "Clean Recent Files", "Clean Recent Files List on Exit"},
    {"Preferences", "Bottom-Right", "Bottom-Right"},
    {"About", "Email", "E-mail:"},
    {"Custom-Converter", "Title", "Find a File Converter"},
    {"Uninstall", "Uninstall Text", "Full Uninstall - Visit Uninstall Center"},
};

class TextLookup : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(LoadTextTable(), 1); }
};

TEST_F(TextLookup, SampleTextsAreExact) {
  for (const ExpectedText& row : kSample) {
    EXPECT_EQ(GetText(row.group, row.key), row.text) << row.group << " / " << row.key;
  }
}

TEST_F(TextLookup, GroupAndKeyIgnoreLetterCase) {
  EXPECT_EQ(GetText("msg", "warning"), "Warning");
  EXPECT_EQ(GetText("MSG", "WARNING"), "Warning");
  EXPECT_EQ(GetText("custom-CONVERTER", "sEARCH"), "Search");
  // The text keeps its own letter case.
  EXPECT_EQ(GetText("preferences", "pixels"), "pixels");
  EXPECT_EQ(GetText("preferences", "TXT"), "TXT");
}

TEST_F(TextLookup, MissingGroupOrKeyGivesTheErrorText) {
  EXPECT_EQ(GetText("Msg", "No such key"), kNoStringError);
  EXPECT_EQ(GetText("Nowhere", "Error"), kNoStringError);
  EXPECT_EQ(GetText("Msg", ""), kNoStringError);
  EXPECT_EQ(GetText("", "Error"), kNoStringError);
  EXPECT_EQ(GetText("", ""), kNoStringError);
  // Near misses: a prefix of a key, a key with a trailing blank, a key of another group.
  EXPECT_EQ(GetText("Msg", "Warn"), kNoStringError);
  EXPECT_EQ(GetText("Msg", "Warning "), kNoStringError);
  EXPECT_EQ(GetText("Menu", "Warning"), kNoStringError);
  EXPECT_EQ(GetText("Msg", "\xC3\xA9"), kNoStringError);
  EXPECT_EQ(GetText("Msg", std::string_view("Error\0", 6)), kNoStringError);
  EXPECT_EQ(GetText("Menu ", "File"), kNoStringError);
}

TEST_F(TextLookup, SwitchingGroupsFindsEachGroupAgain) {
  EXPECT_EQ(GetText("Msg", "Error"), "Error");
  EXPECT_EQ(GetText("Dialog", "OK"), "OK");
  EXPECT_EQ(GetText("Msg", "Warning"), "Warning");
  EXPECT_EQ(GetText("Nowhere", "Warning"), kNoStringError);
  EXPECT_EQ(GetText("Msg", "Warning"), "Warning");
  // "Title" exists in four groups with four texts.
  EXPECT_EQ(GetText("About", "Title"), "About...");
  EXPECT_EQ(GetText("Uninstall", "Title"), "Uninstall");
  EXPECT_EQ(GetText("Preferences", "Title"), "Preferences...");
  EXPECT_EQ(GetText("About", "Title"), "About...");
}

TEST_F(TextLookup, KeyThatBeginsAnotherKeyFindsItsOwnRow) {
  EXPECT_EQ(GetText("Preferences", "Image"), "Image:");
  EXPECT_EQ(GetText("Preferences", "Image Width"), "Image Width:");
  EXPECT_EQ(GetText("Preferences", "Left"), "Left:");
  EXPECT_EQ(GetText("Preferences", "Left Color"), "Left Color:");
  EXPECT_EQ(GetText("Preferences", "Csv"), "CSV");
  EXPECT_EQ(GetText("Preferences", "Csv Export"), "Export to CSV");
  EXPECT_EQ(GetText("Menu", "Select Input File"), "Add Input File...");
  EXPECT_EQ(GetText("Menu", "Select Input Files"), "Add Input Files...");
}

TEST_F(TextLookup, RepeatedLoadsKeepTheSameTexts) {
  for (int i = 0; i < 3; ++i) ASSERT_EQ(LoadTextTable(""), 1);
  EXPECT_EQ(GetText("Msg", "Ask break import"), "Do you want to break the import?");
}

// --- the built-in data and the built table -------------------------------------------------

struct GroupShape {
  const char* name;
  int32_t rows;
};

TEST(BuiltInTextTable, HasItsGroupsInOrderWithTheirRowCounts) {
  constexpr GroupShape kGroups[] = {{"MENU", 27},        {"GENERAL", 10},
                                    {"MSG", 41},         {"DIALOG", 16},
                                    {"PREFERENCES", 214}, {"ABOUT", 4},
                                    {"CUSTOM-CONVERTER", 4}, {"UNINSTALL", 3}};
  TextTable table;
  BuildTextTable(table, BuiltInTextTableData());
  ASSERT_EQ(table.groupCount, 8);
  EXPECT_EQ(table.rowCount, 319);
  EXPECT_EQ(table.groups[0].name, "");
  for (int32_t g = 1; g <= table.groupCount; ++g) {
    const TextGroup& group = table.groups[g];
    EXPECT_EQ(group.name, kGroups[g - 1].name);
    EXPECT_EQ(group.lastRow - group.firstRow + 1, kGroups[g - 1].rows) << group.name;
  }
  EXPECT_EQ(table.groups[8].lastRow, table.rowCount);
}

TEST(BuiltInTextTable, NoStringHoldsTheJoiningCharacter) {
  for (std::string_view text : BuiltInTextTableData()) {
    EXPECT_EQ(text.find('\x01'), std::string_view::npos) << text;
  }
}

TEST(BuiltInTextTable, RowsAreSortedAndIndexedByFirstLetter) {
  TextTable table;
  BuildTextTable(table, BuiltInTextTableData());
  for (int32_t g = 1; g <= table.groupCount; ++g) {
    const TextGroup& group = table.groups[g];
    for (int32_t j = group.firstRow + 1; j <= group.lastRow; ++j) {
      EXPECT_LE(table.keys[j - 1], table.keys[j]) << group.name;
    }
    for (unsigned c = 0; c < 256; ++c) {
      const int32_t entry = group.firstLetterRow[c];
      if (entry == 0) continue;
      ASSERT_GE(entry, group.firstRow);
      ASSERT_LE(entry, group.lastRow);
      EXPECT_EQ(static_cast<unsigned char>(table.keys[entry][0]), c);
      if (entry > group.firstRow) {
        EXPECT_NE(static_cast<unsigned char>(table.keys[entry - 1][0]), c) << "not the first";
      }
    }
  }
}

TEST(BuiltInTextTable, EveryRowIsFoundByItsKey) {
  TextTable table;
  std::span<const std::string_view> data = BuiltInTextTableData();
  BuildTextTable(table, data);
  int32_t current = 0;
  std::string group;
  size_t rows = 0;
  for (size_t i = 0; i + 1 < data.size(); i += 2) {
    if (data[i] == "_END_") break;
    if (data[i] == "_GROUP_") {
      group = data[i + 1];
      continue;
    }
    const std::string* text = FindText(table, current, group, data[i]);
    ASSERT_NE(text, nullptr) << group << " / " << data[i];
    EXPECT_EQ(*text, data[i + 1]) << group << " / " << data[i];
    ++rows;
  }
  EXPECT_EQ(rows, 319u);
}

// --- tables built from unusual data never break the lookup ---------------------------------

TEST(TextTableBuild, MarkersInAnyLetterCase) {
  const std::vector<std::string_view> data = {"_group_", "one", "b", "B text", "a",
                                              "A text",  "_Group_", "two", "a", "second",
                                              "_end_",  "",      "c", "after the end"};
  TextTable table;
  BuildTextTable(table, data);
  ASSERT_EQ(table.groupCount, 2);
  EXPECT_EQ(table.rowCount, 3);
  int32_t current = 0;
  EXPECT_EQ(*FindText(table, current, "ONE", "a"), "A text");
  EXPECT_EQ(*FindText(table, current, "one", "B"), "B text");
  EXPECT_EQ(*FindText(table, current, "Two", "A"), "second");
  EXPECT_EQ(FindText(table, current, "one", "c"), nullptr);
}

TEST(TextTableBuild, MalformedSequencesStaySafe) {
  const std::vector<std::vector<std::string_view>> cases = {
      {},
      {"_GROUP_"},                                         // a lone string
      {"_END_", ""},                                       // no group at all
      {"orphan", "row", "_GROUP_", "G", "k", "v"},         // a row before any group, no end
      {"_GROUP_", "G", "k", "v", "dangling"},              // odd count
      {"_GROUP_", "E", "_GROUP_", "G", "", "empty key"},   // an empty group, an empty key
      {"_GROUP_", "G", "\xFF\xFEkey", "high bytes", "_END_", ""},
  };
  for (const auto& data : cases) {
    TextTable table;
    BuildTextTable(table, data);
    int32_t current = 0;
    for (std::string_view group : {"", "G", "E", "nowhere"}) {
      for (std::string_view key : {"", "k", "orphan", "\xFF\xFEKEY", "zzz"}) {
        const std::string* text = FindText(table, current, group, key);
        if (text != nullptr) {
          EXPECT_FALSE(text->empty());
        }
      }
    }
  }
}

TEST(TextTableBuild, RowsBeforeTheFirstGroupAreUnreachableAndTheRestWorks) {
  const std::vector<std::string_view> data = {"orphan", "row", "_GROUP_", "G", "k", "v"};
  TextTable table;
  BuildTextTable(table, data);
  int32_t current = 0;
  EXPECT_EQ(FindText(table, current, "", "orphan"), nullptr);
  ASSERT_NE(FindText(table, current, "G", "k"), nullptr);
  EXPECT_EQ(*FindText(table, current, "G", "k"), "v");
}

TEST(TextTableBuild, AnyCurrentGroupHintIsSafe) {
  TextTable table;
  BuildTextTable(table, BuiltInTextTableData());
  for (int32_t hint : {-1, 0, 3, 8, 9, 1 << 30}) {
    int32_t current = hint;
    const std::string* text = FindText(table, current, "Msg", "Error");
    ASSERT_NE(text, nullptr) << hint;
    EXPECT_EQ(*text, "Error");
    EXPECT_EQ(current, 3);
  }
  TextTable empty;
  int32_t current = 5;
  EXPECT_EQ(FindText(empty, current, "Msg", "Error"), nullptr);
  EXPECT_EQ(current, 0);
}

}  // namespace
}  // namespace vecrast
