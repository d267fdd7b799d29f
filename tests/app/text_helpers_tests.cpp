#include <gtest/gtest.h>

#include "app/fill_placeholders.h"
#include "app/font_flags.h"
#include "app/product.h"

namespace vecrast {
namespace {

TEST(VersionText, InsertsPointsAndDropsATrailingZero) {
  EXPECT_EQ(VersionText(250), "2.5");
  EXPECT_EQ(VersionText(251), "2.5.1");
  EXPECT_EQ(VersionText(200), "2.0");
  EXPECT_EQ(VersionText(109), "1.0.9");
}

TEST(WindowTitle, IsTheProductTitleABlankAndTheVersion) {
  EXPECT_EQ(WindowTitle(), "Zentrafax WMF to JPG 2.5");
  EXPECT_EQ(WindowTitle("X", 251), "X 2.5.1");
}

TEST(FillPlaceholders, ReplacesEveryOccurrenceIgnoringLetterCase) {
  EXPECT_EQ(FillPlaceholders("Files converted: %s1% of %s2%", "3", "5"), "Files converted: 3 of 5");
  EXPECT_EQ(FillPlaceholders("%S1%-%s1%-%s4%", "a", "", "", "d"), "a-a-d");
  EXPECT_EQ(FillPlaceholders("%s3%%s2%", "", "x", "y"), "yx");
}

TEST(FillPlaceholders, EmptyValueLeavesItsPlaceholder) {
  EXPECT_EQ(FillPlaceholders("Files converted: %s1% of %s2%", "3", ""), "Files converted: 3 of %s2%");
  EXPECT_EQ(FillPlaceholders("", "3"), "");
}

TEST(FillPlaceholders, ValueHoldingAPlaceholderIsNotExpandedAgainByTheSameValue) {
  // s1 is inserted once; its own text is not searched for "%s1%" again.
  EXPECT_EQ(FillPlaceholders("%s1%", "%s1%!"), "%s1%!");
  // Later placeholders see the text as it stands after the earlier ones.
  EXPECT_EQ(FillPlaceholders("%s1%", "%s2%", "two"), "two");
}

TEST(FontFlags, StyleAndEffectMapToTheirFontFlags) {
  const int style[][2] = {{0, 0}, {1, 256}, {2, 512}, {3, 768}, {4, 0}, {-1, 0}};
  for (const auto& [value, flags] : style) EXPECT_EQ(FontStyleFlags(value), flags) << value;
  const int effect[][2] = {{0, 0}, {1, 4}, {2, 8}, {3, 0}};
  for (const auto& [value, flags] : effect) EXPECT_EQ(FontEffectFlags(value), flags) << value;
}

}  // namespace
}  // namespace vecrast
