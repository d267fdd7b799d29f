#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "app/option_table.h"
#include "engine/keywords.h"
#include "settings/settings_table.h"

namespace vecrast {
namespace {

TEST(OptionTable, NamesAreUniqueUpperCaseAndWellFormed) {
  std::set<std::string_view> names;
  for (const OptionRow& row : OptionTable()) {
    EXPECT_TRUE(row.longName.starts_with("--")) << row.longName;
    EXPECT_TRUE(names.insert(row.longName).second) << row.longName;
    if (!row.shortName.empty()) {
      EXPECT_TRUE(names.insert(row.shortName).second) << row.shortName;
    }
    for (char c : row.longName) EXPECT_FALSE(c >= 'a' && c <= 'z') << row.longName;
    if (row.target == OptionTarget::Setting) {
      EXPECT_FALSE(row.group.empty()) << row.longName;
      EXPECT_FALSE(row.key.empty()) << row.longName;
    }
  }
}

bool Holds(SettingType type, OptionValueKind kind) {
  switch (kind) {
    case OptionValueKind::Integer:
    case OptionValueKind::Keyword:
    case OptionValueKind::Flag:
      return type == SettingType::Integer || type == SettingType::Small || type == SettingType::Flag ||
             type == SettingType::Date;
    case OptionValueKind::Real: return type == SettingType::Real;
    case OptionValueKind::Text:
      return type == SettingType::Text || type == SettingType::Colour || type == SettingType::List;
    default: return false;
  }
}

// Every row that writes a setting reaches one that exists and can hold its value; a row that
// also turns a step on reaches that setting too; a keyword row has its keywords.
TEST(OptionTable, EveryRowReachesASettingThatExists) {
  for (const OptionRow& row : OptionTable()) {
    if (row.target != OptionTarget::Setting) continue;
    const SettingDescriptor* setting = FindSetting(row.group, row.key);
    ASSERT_NE(setting, nullptr) << row.longName << ": " << row.group << "/" << row.key;
    EXPECT_TRUE(Holds(setting->type, row.kind)) << row.longName;
    if (!row.alsoKey.empty()) {
      EXPECT_NE(FindSetting(row.group, row.alsoKey), nullptr) << row.longName;
    }
    if (row.kind == OptionValueKind::Keyword) {
      EXPECT_FALSE(KeywordTable(row.keywordKind).empty()) << row.longName;
    }
  }
}

// Each output format's depth setting has its option, "--" and the format's name and "-BPP",
// and each such option writes the depth setting of its format.
TEST(OptionTable, EveryDepthSettingHasItsOption) {
  size_t depthSettings = 0;
  for (const SettingDescriptor& setting : SettingTable()) {
    if (setting.group != "Output" || !setting.key.ends_with(" BPP")) continue;
    ++depthSettings;
    std::string name = "--" + std::string(setting.key.substr(0, setting.key.size() - 4)) + "-BPP";
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const OptionRow* row = FindOption(name);
    ASSERT_NE(row, nullptr) << name;
    EXPECT_EQ(row->key, setting.key);
    EXPECT_EQ(row->kind, OptionValueKind::Integer);
  }
  EXPECT_GT(depthSettings, 0u);
  for (const OptionRow& row : OptionTable()) {
    if (!row.longName.ends_with("-BPP")) continue;
    const SettingDescriptor* setting = FindSetting(row.group, row.key);
    ASSERT_NE(setting, nullptr) << row.longName;
    EXPECT_EQ(setting->group, "Output");
    EXPECT_TRUE(setting->key.ends_with(" BPP")) << row.longName;
  }
}

TEST(FindOption, MatchesShortAndLongNamesOnly) {
  ASSERT_NE(FindOption("-I"), nullptr);
  EXPECT_EQ(FindOption("-I"), FindOption("--INPUT"));
  EXPECT_EQ(FindOption("-O")->target, OptionTarget::OutputFolder);
  EXPECT_EQ(FindOption(""), nullptr);
  EXPECT_EQ(FindOption("--PROFILE")->kind, OptionValueKind::Profile);
  EXPECT_EQ(FindOption("-V"), nullptr) << "early switches are not options";
  EXPECT_EQ(FindOption("--WM-SOLID-OPACITY"), nullptr);
}

TEST(FindOption, AlsoWritesTurnTheirStepOn) {
  struct Case {
    const char* option;
    const char* alsoKey;
    int alsoValue;
  } cases[] = {
      {"--ROTATION", "Do Image Rotation", 1}, {"--WIDTH", "Do Image Resize", 1},
      {"--HEIGHT", "Do Image Resize", 1},     {"--GAMMA", "Do Image Color Correction", 1},
      {"--INVERT", "Do Image Color Correction", 1}, {"--THRESHOLD", "Do Image Threshold", 1},
      {"--FR-SOLID-TOP", "Do Frame", 1},      {"--WM-TEXT", "Do Watermark", 1},
      {"--WM-IMAGE", "Do Watermark", 2},      {"--JPG-QUALITY", "", 0},
  };
  for (const Case& c : cases) {
    const OptionRow* row = FindOption(c.option);
    ASSERT_NE(row, nullptr) << c.option;
    EXPECT_EQ(row->alsoKey, c.alsoKey) << c.option;
    EXPECT_EQ(row->alsoValue, c.alsoValue) << c.option;
  }
}

TEST(FindProfileOption, FrameOpacityHasItsOwnProfileNameAndRunOptionsHaveNone) {
  const OptionRow* opacity = FindProfileOption("--WM-SOLID-OPACITY");
  ASSERT_NE(opacity, nullptr);
  EXPECT_EQ(opacity->key, "Solid Opacity");
  EXPECT_EQ(FindProfileOption("--FR-SOLID-OPACITY"), nullptr);
  for (const char* name : {"--INPUT", "--OUTPUT", "--CONVERSION", "--PROFILE", "--DEBUG", "--QUIET", "--PAUSE",
                           "--HELP", "--VERSION", "-I", ""}) {
    EXPECT_EQ(FindProfileOption(name), nullptr) << name;
  }
  EXPECT_EQ(FindProfileOption("--JPG-QUALITY"), FindOption("--JPG-QUALITY"));
}

TEST(FindOption, FlagsWriteTheirValue) {
  EXPECT_EQ(FindOption("--NO-SUBFOLDERS")->flagValue, 0);
  EXPECT_EQ(FindOption("--NO-SUBFOLDERS")->key, "Keep Subfolders");
  EXPECT_EQ(FindOption("--KEEP-ASPECT-RATIO")->flagValue, 1);
  EXPECT_EQ(FindOption("--WM-IMAGE-ROTATION")->group, "Watermark");
  EXPECT_EQ(FindOption("--ROTATION")->group, "Transform");
}

}  // namespace
}  // namespace vecrast
