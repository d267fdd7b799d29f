// Reading "theme.cfg": IniTextValue with its quirks, and the sized-file rule.
#include <gtest/gtest.h>

#include <string>

#include "ui/themes.h"

namespace vecrast {
namespace {

struct IniCase {
  const char* name;
  std::string text;
  const char* section;
  const char* key;
  const char* expected;
};

TEST(IniTextValue, FindsValuesTheWayThemeFilesAreRead) {
  const IniCase cases[] = {
      {"plain", "[Theme]\r\nName=Hand\r\n", "Theme", "Name", "Hand"},
      {"text before the section", "junk\r\n[Theme]\r\nName=Hand\r\n", "Theme", "Name", "Hand"},
      {"letter case ignored", "[THEME]\r\nname=Hand\r\n", "theme", "NAME", "Hand"},
      {"blanks and tabs trimmed", "[Theme]\r\nName = \t Hand Drawn \t\r\n", "Theme", "Name", "Hand Drawn"},
      {"a second = ends the value", "[Theme]\r\nName=a=b\r\n", "Theme", "Name", "a"},
      {"a longer key that comes first is taken", "[Theme]\r\nNames=Wrong\r\nName=Right\r\n", "Theme", "Name",
       "Wrong"},
      {"the last line needs its CR LF", "[Theme]\r\nName=Last", "Theme", "Name", ""},
      {"LF alone ends no line", "[Theme]\nName=Hand\n", "Theme", "Name", ""},
      {"a line without =", "[Theme]\r\nName\r\n", "Theme", "Name", ""},
      {"no such section", "[Other]\r\nName=Hand\r\n", "Theme", "Name", ""},
      {"the key only in an earlier section", "[Other]\r\nName=x\r\n[Theme]\r\nTitle=y\r\n", "Theme", "Name", ""},
      {"the key only in a later section", "[Theme]\r\nTitle=y\r\n[Other]\r\nName=x\r\n", "Theme", "Name", ""},
      {"the right one of two sections", "[Buttons]\r\nNew=b\r\n[Icons]\r\nNew=i\r\n", "Icons", "New", "i"},
      {"empty text", "", "Theme", "Name", ""},
  };
  for (const IniCase& c : cases) EXPECT_EQ(IniTextValue(c.text, c.section, c.key), c.expected) << c.name;
}

TEST(ThemeImageFileName, FollowsTheSizedFileRule) {
  EXPECT_EQ(ThemeImageFileName("new", 16), "new_16.png");
  EXPECT_EQ(ThemeImageFileName("icons/new", 32), "icons/new_32.png");
  EXPECT_EQ(ThemeImageFileName("Icons/ADD.PNG", 32), "Icons/ADD.PNG");
  EXPECT_EQ(ThemeImageFileName("add.Png", 64), "add.Png");
  EXPECT_EQ(ThemeImageFileName("", 16), "");
}

}  // namespace
}  // namespace vecrast
