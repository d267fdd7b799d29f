#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/option_table.h"

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

TEST(OptionTable, HasADepthOptionForEach23OutputExtensions) {
  int depthOptions = 0;
  for (const OptionRow& row : OptionTable()) {
    if (!row.longName.ends_with("-BPP")) continue;
    ++depthOptions;
    std::string expectedKey(row.longName.substr(2, row.longName.size() - 6));
    EXPECT_EQ(row.key, expectedKey + " BPP");
    EXPECT_EQ(row.group, "Output");
    EXPECT_EQ(row.kind, OptionValueKind::Integer);
  }
  EXPECT_EQ(depthOptions, 23);
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
