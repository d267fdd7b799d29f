// Loading a theme's images: the sized-file rule, the fallback to another theme, and archives
// that are hostile in every way a zip file can be.
#include <wx/image.h>

#include <chrono>
#include <cstring>
#include <filesystem>

#include "theme_fixture.h"
#include "ui/icon_keys.h"
#include "ui/themes.h"

namespace vecrast::uitest {
namespace {

// Every image of the three sets is still the built-in one.
void ExpectBuiltinImages(const std::string& label) {
  for (std::string_view keyView : kIconKeys) {
    const std::string key(keyView);
    EXPECT_TRUE(SamePicture(MenuIcons[key], BuiltinImage(key, 16))) << label << ": menu icon " << key;
    EXPECT_TRUE(SamePicture(ToolbarIcons[key], BuiltinImage(key, IconSizeForSetting(Settings.uiSize))))
        << label << ": toolbar icon " << key;
  }
  EXPECT_TRUE(SamePicture(GadgetImages["Convert"], BuiltinImage("Convert", 64))) << label;
}

TEST_F(ThemeTest, SizedFilesServeTheMenuAt16AndTheToolbarAtItsSize) {
  WriteTheme("sized", {{"theme.cfg", ConfigText({"[Theme]", "Name=Sized", "[Icons]", "New=new", "Add=Icons/ADD.PNG"})},
                       {"new_16.png", PngBytes(16, 16, *wxRED)},
                       {"new_32.png", PngBytes(32, 32, *wxBLUE)},
                       {"Icons/ADD.PNG", PngBytes(16, 16, *wxGREEN)}});
  Settings.uiTheme = "sized";
  Settings.uiSize = 2;
  LoadThemeImages(true, true, true);
  EXPECT_EQ(MenuIcons["New"].GetSize(), wxSize(16, 16));
  EXPECT_EQ(CentreColour(MenuIcons["New"]), *wxRED);
  EXPECT_EQ(ToolbarIcons["New"].GetSize(), wxSize(32, 32));
  EXPECT_EQ(CentreColour(ToolbarIcons["New"]), *wxBLUE);
  // A name ending in ".PNG" is used as written, for both, fitted to the toolbar's size.
  EXPECT_EQ(CentreColour(MenuIcons["Add"]), *wxGREEN);
  EXPECT_EQ(ToolbarIcons["Add"].GetSize(), wxSize(32, 32));
  EXPECT_EQ(CentreColour(ToolbarIcons["Add"]), *wxGREEN);
  // What the theme does not name stays built in.
  EXPECT_TRUE(SamePicture(MenuIcons["Web"], BuiltinImage("Web", 16)));
  EXPECT_TRUE(SamePicture(GadgetImages["Convert"], BuiltinImage("Convert", 64)));
}

TEST_F(ThemeTest, OnlyTheChosenSetsChange) {
  WriteTheme("one", {{"theme.cfg", ConfigText({"[Buttons]", "Convert=go", "[Icons]", "New=new"})},
                     {"go_16.png", PngBytes(16, 16, *wxRED)},
                     {"new_16.png", PngBytes(16, 16, *wxRED)},
                     {"new_64.png", PngBytes(64, 64, *wxRED)}});
  Settings.uiTheme = "one";
  Settings.uiSize = 4;
  LoadThemeImages(false, false, true);
  EXPECT_EQ(CentreColour(ToolbarIcons["New"]), *wxRED);
  EXPECT_TRUE(SamePicture(MenuIcons["New"], BuiltinImage("New", 16)));
  EXPECT_TRUE(SamePicture(GadgetImages["Convert"], BuiltinImage("Convert", 64)));
  LoadThemeImages(true, false, false);
  // The form's images are looked for at 16 pixels and shown at their own size.
  EXPECT_EQ(GadgetImages["Convert"].GetSize(), wxSize(64, 64));
  EXPECT_EQ(CentreColour(GadgetImages["Convert"]), *wxRED);
}

TEST_F(ThemeTest, AMissingThemeFallsBackToTheLastListedOne) {
  for (const auto& [key, colour] : {std::pair{"alpha", *wxGREEN}, std::pair{"Beta", *wxBLUE}}) {
    WriteTheme(key, {{"theme.cfg", ConfigText({"[Icons]", "New=new"})}, {"new_16.png", PngBytes(16, 16, colour)}});
  }
  ListThemes();
  Settings.uiTheme = "gone";
  LoadThemeImages(true, true, true);
  EXPECT_EQ(Settings.uiTheme, "Beta");
  EXPECT_EQ(CentreColour(MenuIcons["New"]), *wxBLUE);
}

TEST_F(ThemeTest, AMissingThemeWithNoOthersChangesNothing) {
  Settings.uiTheme = "gone";
  LoadThemeImages(true, true, true);
  EXPECT_EQ(Settings.uiTheme, "gone");
  ExpectBuiltinImages("no themes");
}

// The zip records of `name` (its local header and its directory entry) claim `size` bytes
// unpacked.
std::string WithClaimedSize(std::string zip, const std::string& name, uint32_t size) {
  struct Record {
    const char* signature;
    size_t sizeAt, nameLengthAt, nameAt;
  };
  for (const Record& record : {Record{"PK\x03\x04", 22, 26, 30}, Record{"PK\x01\x02", 24, 28, 46}}) {
    for (size_t at = zip.find(record.signature); at != std::string::npos; at = zip.find(record.signature, at + 4)) {
      const size_t nameLength = static_cast<unsigned char>(zip[at + record.nameLengthAt]) |
                                static_cast<unsigned char>(zip[at + record.nameLengthAt + 1]) << 8;
      if (zip.compare(at + record.nameAt, nameLength, name) != 0) continue;
      for (size_t i = 0; i < 4; ++i) zip[at + record.sizeAt + i] = static_cast<char>(size >> (8 * i));
    }
  }
  return zip;
}

std::string CorruptPng() {
  std::string png = PngBytes(16, 16, *wxRED);
  for (size_t i = 40; i < png.size(); ++i) png[i] = static_cast<char>(i * 7);
  return png;
}

std::string HugeClaimPng() {
  std::string png = PngBytes(16, 16, *wxRED);
  for (size_t at : {16u, 20u}) {
    png[at] = 0;
    png[at + 1] = 1;
    png[at + 2] = static_cast<char>(0x86);
    png[at + 3] = static_cast<char>(0xa0);  // 100 000 pixels a side
  }
  return png;
}

std::vector<std::string> FilesBelow(const std::string& root) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) files.push_back(entry.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

struct HostileCase {
  const char* name;
  std::string bytes;
};

TEST_F(ThemeTest, HostileArchivesChangeNothing) {
  const std::string config = ConfigText({"[Theme]", "Name=Hostile", "[Buttons]", "Convert=new", "[Icons]", "New=new",
                                         "Add=../../new", "Web=/tmp/new"});
  const std::string good = icon_art::ZipArchiveBytes({{"theme.cfg", config}, {"new_16.png", PngBytes(16, 16, *wxRED)}});
  const std::string zeros(16 << 20, '\0');
  const HostileCase cases[] = {
      {"not a zip", "PK\x03\x04 but nothing of a zip archive follows"},
      {"text", std::string(5000, 'z')},
      {"cut in half", good.substr(0, good.size() / 2)},
      {"cut before its directory", good.substr(0, good.size() - 30)},
      {"an entry claiming 4 GiB", WithClaimedSize(good, "new_16.png", 0xFFFFFFF0u)},
      {"a configuration claiming 4 GiB", WithClaimedSize(good, "theme.cfg", 0xFFFFFFF0u)},
      {"a zip bomb", icon_art::ZipArchiveBytes({{"theme.cfg", config}, {"new_16.png", zeros}})},
      {"a zip bomb claiming to be small",
       WithClaimedSize(icon_art::ZipArchiveBytes({{"theme.cfg", config}, {"new_16.png", zeros}}), "new_16.png", 100)},
      {"a configuration bomb",
       icon_art::ZipArchiveBytes({{"theme.cfg", config + std::string(1 << 20, ';')}, {"new_16.png", PngBytes(16, 16, *wxRED)}})},
      {"paths out of the archive", icon_art::ZipArchiveBytes({{"theme.cfg", config},
                                                              {"../../new_16.png", PngBytes(16, 16, *wxRED)},
                                                              {"/tmp/new_16.png", PngBytes(16, 16, *wxRED)}})},
      {"a corrupt PNG", icon_art::ZipArchiveBytes({{"theme.cfg", config}, {"new_16.png", CorruptPng()}})},
      {"a PNG claiming 100000 pixels a side", icon_art::ZipArchiveBytes({{"theme.cfg", config}, {"new_16.png", HugeClaimPng()}})},
      {"a JPEG in place of a PNG", icon_art::ZipArchiveBytes({{"theme.cfg", config}, {"new_16.png", "\xff\xd8\xff\xe0 JFIF"}})},
      {"no configuration", icon_art::ZipArchiveBytes({{"new_16.png", PngBytes(16, 16, *wxRED)}})},
      {"an empty configuration", icon_art::ZipArchiveBytes({{"theme.cfg", ""}, {"new_16.png", PngBytes(16, 16, *wxRED)}})},
  };
  Settings.uiTheme = "hostile";
  for (const HostileCase& c : cases) {
    WriteGfxFile("hostile.zip", c.bytes);
    LoadIcons();
    const std::vector<std::string> before = FilesBelow(folder.path());
    const auto start = std::chrono::steady_clock::now();
    ListThemes();
    LoadThemeImages(true, true, true);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3)) << c.name;
    EXPECT_EQ(Settings.uiTheme, "hostile") << c.name;
    ExpectBuiltinImages(c.name);
    EXPECT_EQ(FilesBelow(folder.path()), before) << c.name;
  }
  EXPECT_FALSE(std::filesystem::exists("/tmp/new_16.png"));
}

TEST_F(ThemeTest, TheSameArchiveUnspoiledIsLoaded) {
  // The hostile cases above change nothing because of what is wrong with them, not because
  // this theme could not load at all.
  const std::string config = ConfigText({"[Theme]", "Name=Hostile", "[Icons]", "New=new"});
  WriteTheme("hostile", {{"theme.cfg", config}, {"new_16.png", PngBytes(16, 16, *wxRED)}});
  Settings.uiTheme = "hostile";
  LoadThemeImages(true, true, true);
  EXPECT_EQ(CentreColour(MenuIcons["New"]), *wxRED);
}

}  // namespace
}  // namespace vecrast::uitest
