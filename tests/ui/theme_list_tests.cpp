// Listing the installed themes, their order and their display names.
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "theme_fixture.h"
#include "ui/themes.h"

namespace vecrast::uitest {
namespace {

std::vector<icon_art::ZipEntry> NamedTheme(const std::string& name) {
  return {{"theme.cfg", ConfigText({"[Theme]", "Name=" + name})}};
}

TEST_F(ThemeTest, KeysAreOrderedWithoutRegardToLetterCase) {
  WriteTheme("beta", NamedTheme("Beta"));
  WriteTheme("Alpha", NamedTheme("The First"));
  WriteTheme("gamma", NamedTheme("Gamma"));
  ListThemes();
  ASSERT_EQ(ThemeList.size(), 3u);
  EXPECT_EQ(ThemeKeyAt(0), "Alpha");
  EXPECT_EQ(ThemeKeyAt(1), "beta");
  EXPECT_EQ(ThemeKeyAt(2), "gamma");
  EXPECT_EQ(ThemeKeyAt(3), "");
  EXPECT_EQ(ThemeKeyAt(-1), "");
  EXPECT_EQ(ThemeList["Alpha"], "The First");
}

TEST_F(ThemeTest, DisplayNamesComeFromTheFirst255BytesOfTheConfiguration) {
  const std::string padding = "; " + std::string(260, 'x');
  WriteTheme("late", {{"theme.cfg", ConfigText({"[Theme]", padding, "Name=Too Late"})}});
  WriteTheme("early", {{"theme.cfg", ConfigText({"[Theme]", "Name=In Time", padding})}});
  WriteTheme("unended", {{"theme.cfg", "[Theme]\r\nName=Unended"}});
  WriteTheme("nameless", {{"theme.cfg", ConfigText({"[Icons]", "New=new"})}});
  WriteTheme("noconfig", {{"new_16.png", PngBytes(16, 16, *wxRED)}});
  WriteTheme("latin", {{"theme.cfg", ConfigText({"[Theme]", "Name=Caf\xe9"})}});
  WriteTheme("utf8", {{"theme.cfg", ConfigText({"[Theme]", "Name=Caf\xc3\xa9"})}});
  WriteGfxFile("broken.zip", "this is not a zip archive");
  WriteGfxFile("empty.zip", "");
  EXPECT_EQ(ThemeDisplayName("late"), "");
  EXPECT_EQ(ThemeDisplayName("early"), "In Time");
  EXPECT_EQ(ThemeDisplayName("unended"), "");
  EXPECT_EQ(ThemeDisplayName("nameless"), "");
  EXPECT_EQ(ThemeDisplayName("noconfig"), "");
  EXPECT_EQ(ThemeDisplayName("latin"), "Caf\xc3\xa9");
  EXPECT_EQ(ThemeDisplayName("utf8"), "Caf\xc3\xa9");
  EXPECT_EQ(ThemeDisplayName("broken"), "broken");
  EXPECT_EQ(ThemeDisplayName("empty"), "empty");
  EXPECT_EQ(ThemeDisplayName("missing"), "missing");
}

TEST_F(ThemeTest, OnlyRegularZipFilesAreListed) {
  WriteTheme("real", NamedTheme("Real"));
  const std::string elsewhere = folder.File("elsewhere.zip");
  testing::WriteFileBytes(elsewhere, icon_art::ZipArchiveBytes(NamedTheme("Linked")));
  ASSERT_EQ(::symlink(elsewhere.c_str(), (Gfx() + "linked.zip").c_str()), 0);
  ASSERT_EQ(::mkdir((Gfx() + "folder.zip").c_str(), 0700), 0);
  ASSERT_EQ(::symlink(folder.path().c_str(), (Gfx() + "folderlink.zip").c_str()), 0);
  ASSERT_EQ(::mkfifo((Gfx() + "pipe.zip").c_str(), 0600), 0);
  ASSERT_EQ(::symlink("/dev/zero", (Gfx() + "device.zip").c_str()), 0);
  WriteGfxFile("readme.txt", "not a theme");
  WriteGfxFile(".zip", "no key");
  WriteGfxFile("SHOUT.ZIP", icon_art::ZipArchiveBytes(NamedTheme("Shout")));
  ListThemes();
  EXPECT_EQ(ThemeList, (std::map<std::string, std::string>{{"linked", "Linked"}, {"real", "Real"}}));
  // Loading by a name that is no regular file neither blocks nor changes anything.
  for (const char* key : {"pipe", "device", "folder"}) {
    Settings.uiTheme = key;
    ThemeList.clear();
    LoadThemeImages(true, true, true);
    EXPECT_EQ(Settings.uiTheme, key);
  }
}

TEST_F(ThemeTest, AMissingFolderGivesAnEmptyList) {
  SetThemeFolder(folder.File("no-such-folder"));
  ListThemes();
  EXPECT_TRUE(ThemeList.empty());
  EXPECT_EQ(ThemeKeyAt(0), "");
}

TEST_F(ThemeTest, HundredsOfArchivesListTheFirst127Quickly) {
  const std::string archive = icon_art::ZipArchiveBytes(NamedTheme("One of many"));
  for (int i = 0; i < 300; ++i) WriteGfxFile("theme" + std::to_string(1000 + i) + ".zip", archive);
  const auto start = std::chrono::steady_clock::now();
  ListThemes();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  ASSERT_EQ(ThemeList.size(), kMaxThemes);
  EXPECT_EQ(ThemeKeyAt(0), "theme1000");
  EXPECT_EQ(ThemeKeyAt(126), "theme1126");
  EXPECT_EQ(ThemeList["theme1050"], "One of many");
}

}  // namespace
}  // namespace vecrast::uitest
