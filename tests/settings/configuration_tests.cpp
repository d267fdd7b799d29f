#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "settings/configuration.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "settings/settings_table.h"
#include "settings_state.h"
#include "process_helpers.h"
#include "temp_folder.h"

namespace vecrast {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

constexpr std::string_view kDefaultFile =
    "\xEF\xBB\xBF\r\n"
    "[General]\r\n"
    "CFG = 17\r\n"
    "Language = en\r\n"
    "Update Range = 2\r\n"
    "Update Date = 1700000000\r\n"
    "Save Window Position = 1\r\n"
    "; \r\n"
    "[Window]\r\n"
    "IsMaximized = 0\r\n"
    "Width = 510\r\n"
    "Height = 260\r\n"
    "X = 705\r\n"
    "Y = 410\r\n"
    "; \r\n"
    "[Interface]\r\n"
    "UI Theme = handdrawn\r\n"
    "UI Size = 2\r\n"
    "; \r\n"
    "[Input]\r\n"
    "Format = wmf\r\n"
    "; \r\n"
    "[Output]\r\n"
    "Format = jpg\r\n"
    "JPG BPP = 0\r\n"
    "JPG Quality = 95\r\n"
    "JPG Chroma = 0\r\n"
    "JPG Save As = 0\r\n"
    "; \r\n"
    "[Transform]\r\n"
    "Do Image Rotation = 0\r\n"
    "Image Rotation Type = 0\r\n"
    "Image Rotation = 0\r\n"
    "Image Rotation Back Color = 000000\r\n"
    "Do Image Resize = 0\r\n"
    "Image Width = 0\r\n"
    "Image Width Unit = 0\r\n"
    "Image Height = 0\r\n"
    "Image Height Unit = 0\r\n"
    "Keep Aspect Ratio = 1\r\n"
    "Image Resize Type = 0\r\n"
    "Image Resize Algorithm = 3\r\n"
    "Do Image Flip Horizontal = 0\r\n"
    "Do Image Flip Vertical = 0\r\n"
    "; \r\n"
    "[Adjustment]\r\n"
    "Do Image Color Correction = 0\r\n"
    "Image Brightness = 0\r\n"
    "Image Contrast = 0\r\n"
    "Image Gamma = 1.000000\r\n"
    "Image Invert = 0\r\n"
    "Do Image Greyscale = 0\r\n"
    "Do Image Threshold = 0\r\n"
    "Image Threshold = 0\r\n"
    "; \r\n"
    "[Frame]\r\n"
    "Do Frame = 0\r\n"
    "Solid Left = 0\r\n"
    "Solid Right = 0\r\n"
    "Solid Top = 0\r\n"
    "Solid Bottom = 0\r\n"
    "Solid Left Color = 000000\r\n"
    "Solid Right Color = 000000\r\n"
    "Solid Top Color = 000000\r\n"
    "Solid Bottom Color = 000000\r\n"
    "Solid Opacity = 255\r\n"
    "; \r\n"
    "[Watermark]\r\n"
    "Do Watermark = 0\r\n"
    "Text = Copyright \xC2\xA9 2026 Zentrafax. All rights reserved.\r\n"
    "Fonts = Arial,Tahoma,Verdana\r\n"
    "Font = Arial\r\n"
    "Font Size = 14\r\n"
    "Font Leading = 0\r\n"
    "Font Colors = 000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF\r\n"
    "Font Color = FFFFFF\r\n"
    "Font Style = 0\r\n"
    "Font Effect = 0\r\n"
    "Text Antialiasing = 0\r\n"
    "Text Alignment = 0\r\n"
    "Text Padding = 0\r\n"
    "Text Opacity = 255\r\n"
    "Back Colors = 000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF\r\n"
    "Back Color = 000000\r\n"
    "Back Opacity = 1\r\n"
    "Text Boundary = 0\r\n"
    "Text Position = 8\r\n"
    "Text X Offset = 10\r\n"
    "Text Y Offset = 10\r\n"
    "Text Rotation = 0\r\n"
    "Text Size = 0\r\n"
    "Text Scale = 10\r\n"
    "Image = \r\n"
    "Image Greyscale = 0\r\n"
    "Image Opacity = 255\r\n"
    "Image Boundary = 0\r\n"
    "Image Position = 8\r\n"
    "Image X Offset = 10\r\n"
    "Image Y Offset = 10\r\n"
    "Image Rotation = 0\r\n"
    "Image Size = 0\r\n"
    "Image Scale = 10\r\n"
    "; \r\n"
    "[Advanced]\r\n"
    "Filename Mask = %filename%.%ext%\r\n"
    "File Timestamp = 0\r\n"
    "Custom Timestamp = 1700000001\r\n"
    "Out Folders History = 1\r\n"
    "Out Folders Number = 5\r\n"
    "Keep Subfolders = 1\r\n"
    "; \r\n"
    "[File]\r\n"
    "Recent Out Folders = \r\n"
    "Recent Files = \r\n"
    "; \r\n"
    "[Privacy]\r\n"
    "Clean Recent Files = 0\r\n"
    "; \r\n";

class Configuration : public testing::SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    Settings.configurationPath = folder_.File("config.ini");
  }

  std::string path() const { return folder_.File("config.ini"); }

  // Loads a file of the given text.
  void Load(std::string_view text) {
    WriteFileBytes(path(), text);
    LoadConfiguration();
  }

  void ResetWithFixedDates() {
    ResetSettings(false);
    Settings.updateDate = 1700000000;
    Settings.customTimestamp = 1700000001;
  }

  TempFolder folder_;
};

TEST_F(Configuration, DefaultsAreSavedByteForByte) {
  ResetWithFixedDates();
  SaveConfiguration();
  EXPECT_EQ(ReadFileBytes(path()), kDefaultFile);
}

TEST_F(Configuration, SavedDefaultsLoadBackUnchanged) {
  ResetWithFixedDates();
  SaveConfiguration();
  Settings = SettingsRecord{};
  Settings.configurationPath = path();
  LoadConfiguration();
  SaveConfiguration();
  EXPECT_EQ(ReadFileBytes(path()), kDefaultFile);
  EXPECT_EQ(Settings.cfg, 17);
}

TEST_F(Configuration, WindowGroupIsEmptyWithoutSaveWindowPosition) {
  ResetWithFixedDates();
  Settings.saveWindowPosition = 0;
  Settings.width = 800;
  Settings.x = 5;
  SaveConfiguration();
  const std::string bytes = ReadFileBytes(path());
  EXPECT_NE(bytes.find("Save Window Position = 0\r\n; \r\n[Window]\r\n; \r\n[Interface]\r\n"),
            std::string::npos);

  LoadConfiguration();
  EXPECT_EQ(Settings.width, 510);
  EXPECT_EQ(Settings.height, 260);
  EXPECT_EQ(Settings.x, 100);
  EXPECT_EQ(Settings.y, 100);
  EXPECT_EQ(Settings.isMaximized, 0);
}

TEST_F(Configuration, EverySavedSettingSurvivesARoundTrip) {
  ResetWithFixedDates();
  // A value different from every default, per type.
  int64_t number = 3;
  for (const SettingDescriptor& setting : SettingTable()) {
    switch (setting.type) {
      case SettingType::Real:
        SetSettingReal(setting, 2.75);
        break;
      case SettingType::Text:
      case SettingType::Colour:
      case SettingType::List:
        SetSettingText(setting, "v\xC3\xA9 " + std::string(setting.key) + "\t,x");
        break;
      default:
        SetSettingInteger(setting, number++ % 100);
    }
  }
  Settings.saveWindowPosition = 1;
  const SettingsRecord written = Settings;
  SaveConfiguration();
  Settings = SettingsRecord{};
  Settings.configurationPath = path();
  LoadConfiguration();
  for (const SettingDescriptor& setting : SettingTable()) {
    if (!IsSettingSaved(setting, written)) continue;
    if (setting.defaultRule == DefaultRule::LayoutVersion) {
      EXPECT_EQ(Settings.cfg, 17);
      continue;
    }
    EXPECT_EQ(FormatSettingValue(setting), FormatSettingValue(setting, written)) << setting.key;
  }
}

TEST_F(Configuration, SettingsOutsideTheFileKeepOnlyUntilTheNextSave) {
  Load(
      "[Window]\nHide Passwords = 1\n"
      "[Output]\nPNG BPP = 24\n"
      "[File]\nTxtFields = a,b\n");
  EXPECT_EQ(Settings.hidePasswords, 1);
  EXPECT_EQ(Settings.pngBpp, 24);
  EXPECT_EQ(Settings.txtFields, "a,b");
  SaveConfiguration();
  const std::string bytes = ReadFileBytes(path());
  EXPECT_EQ(bytes.find("Hide Passwords"), std::string::npos);
  EXPECT_EQ(bytes.find("PNG BPP"), std::string::npos);
  EXPECT_EQ(bytes.find("TxtFields"), std::string::npos);
  EXPECT_EQ(bytes.find("CsvDelimiter"), std::string::npos);
  LoadConfiguration();
  EXPECT_EQ(Settings.txtFields, "username,password,firstname,lastname,title,sex,notes");
  EXPECT_EQ(Settings.pngBpp, 0);
}

TEST_F(Configuration, PerFormatKeysFollowTheListsInListOrder) {
  ResetWithFixedDates();
  inputKinds = {"raw", "wmf"};
  outputExtensions = {"png", "jpg"};
  Settings.rawLoadAs = 4;
  SaveConfiguration();
  const std::string bytes = ReadFileBytes(path());
  EXPECT_NE(bytes.find("[Input]\r\nFormat = wmf\r\nRAW Load As = 4\r\nRAW Header Size = 0\r\n"
                       "RAW Image Width = 0\r\nRAW Image Height = 0\r\nRAW Tone Mapping = 2\r\n"
                       "; \r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("[Output]\r\nFormat = jpg\r\nPNG BPP = 0\r\nPNG Compression = 0\r\n"
                       "PNG Interlaced = 0\r\nJPG BPP = 0\r\nJPG Quality = 95\r\n"),
            std::string::npos);
}

TEST_F(Configuration, GammaIsWrittenWithSixDecimals) {
  ResetWithFixedDates();
  Settings.imageGamma = 1.5;
  SaveConfiguration();
  EXPECT_NE(ReadFileBytes(path()).find("\r\nImage Gamma = 1.500000\r\n"), std::string::npos);
}

TEST_F(Configuration, EmptyFileGivesPerKeyDefaults) {
  Load("");
  EXPECT_EQ(Settings.cfg, 0);
  EXPECT_EQ(Settings.x, 100);  // not centred
  EXPECT_EQ(Settings.y, 100);
  EXPECT_EQ(Settings.width, 510);
  EXPECT_EQ(Settings.keepAspectRatio, 1);
  EXPECT_EQ(Settings.inputFormat, "wmf");
  EXPECT_EQ(Settings.outputFormat, "jpg");
  EXPECT_EQ(Settings.filenameMask, "%filename%.%ext%");  // migrations change nothing here
  EXPECT_EQ(Settings.rawLoadAs, 0);
  EXPECT_EQ(Settings.jpgQuality, 95);
  EXPECT_GT(Settings.updateDate, 0);
  EXPECT_GT(Settings.customTimestamp, 0);
}

TEST_F(Configuration, MissingFileGivesTheWindowedDefaults) {
  Settings.jpgQuality = 3;
  LoadConfiguration();
  EXPECT_EQ(Settings.cfg, 17);
  EXPECT_EQ(Settings.x, 705);  // centred on the display
  EXPECT_EQ(Settings.y, 410);
  EXPECT_EQ(Settings.keepAspectRatio, 1);
  EXPECT_EQ(Settings.jpgQuality, 95);
  EXPECT_EQ(Settings.configurationPath, path());
}

TEST_F(Configuration, UnreadablePathGivesTheDefaultsToo) {
  std::filesystem::create_directory(path());  // a folder where the file should be
  Settings.jpgQuality = 3;
  LoadConfiguration();
  EXPECT_EQ(Settings.jpgQuality, 95);
  Settings.configurationPath.clear();
  Settings.jpgQuality = 3;
  LoadConfiguration();
  EXPECT_EQ(Settings.jpgQuality, 95);
}

TEST_F(Configuration, LowerCaseGroupsAndKeysAreFound) {
  Load("[general]\ncfg = 17\n[output]\njpg quality = 60\n");
  EXPECT_EQ(Settings.cfg, 17);
  EXPECT_EQ(Settings.jpgQuality, 60);
}

TEST_F(Configuration, MalformedValuesAreReadNotRejected) {
  Load(
      "[Window]\nX = abc\nY = -20px\n"
      "[Frame]\nDo Frame = 257\n"
      "[Watermark]\nText Position = 255\nFont = Caf\xE9\n"
      "[Adjustment]\nImage Gamma = NAN\nImage Brightness = 1000\n");
  EXPECT_EQ(Settings.x, 0);  // no digits: 0, not the default
  EXPECT_EQ(Settings.y, -20);
  EXPECT_EQ(Settings.doFrame, 1);
  EXPECT_EQ(Settings.textPosition, -1);
  EXPECT_EQ(Settings.font, "Caf\xC3\xA9");  // a file without byte-order mark may be Latin-1
  EXPECT_TRUE(std::isnan(Settings.imageGamma));
  EXPECT_EQ(Settings.imageBrightness, 1000);  // no clamping to the dialog's range
}

TEST_F(Configuration, NumbersBeyondThirtyTwoBitsSaturate) {
  Load("[Output]\nJPG Quality = 4294967391\n[Adjustment]\nImage Brightness = -99999999999\n"
       "[Advanced]\nCustom Timestamp = 5000000000\n");
  EXPECT_EQ(Settings.jpgQuality, 2147483647) << "not wrapped to 95";
  EXPECT_EQ(Settings.imageBrightness, -2147483647 - 1);
  EXPECT_EQ(Settings.customTimestamp, 5000000000) << "a date keeps 64 bits";
}

struct MaskMigration {
  std::string_view cfg;
  std::string_view mask;
  std::string_view loaded;
};

TEST_F(Configuration, OldLayoutsGainTheExtensionToken) {
  const MaskMigration cases[] = {
      {"10", "%filename%_small", "%filename%_small.%ext%"},
      {"10", "", ".%ext%"},
      {"10", "%filename%.%ext%", "%filename%.%ext%"},
      {"10", "%filename%.%EXT%", "%filename%.%EXT%"},
      {"10", "%filename%.%Ext%", "%filename%.%Ext%"},  // any letter case, as the token rules
      {"11", "%filename%_small", "%filename%_small"},
      {"17", "%filename%_small", "%filename%_small"},
  };
  for (const MaskMigration& c : cases) {
    Load("[General]\nCFG = " + std::string(c.cfg) +
         "\n[Advanced]\nFilename Mask = " + std::string(c.mask) + "\n");
    EXPECT_EQ(Settings.filenameMask, c.loaded) << c.cfg << " " << c.mask;
    EXPECT_EQ(Settings.cfg, ParseIniInteger(c.cfg));  // the version read is kept
  }
}

struct RawMigration {
  std::string_view cfg;
  std::string_view rawLoadAs;
  int32_t loaded;
};

TEST_F(Configuration, OldLayoutsShiftRawLoadAs) {
  const RawMigration cases[] = {
      {"CFG = 13", "3", 5}, {"CFG = 13", "0", 0}, {"CFG = 14", "3", 3},
      {"CFG = 17", "1", 1}, {"", "1", 3},  // a missing "CFG" counts as 0
  };
  for (const RawMigration& c : cases) {
    Load("[General]\n" + std::string(c.cfg) +
         "\n[Input]\nRAW Load As = " + std::string(c.rawLoadAs) + "\n");
    EXPECT_EQ(Settings.rawLoadAs, c.loaded) << c.cfg << " " << c.rawLoadAs;
  }
}

struct DelimiterCase {
  std::string_view stored;
  std::string_view loaded;
};

TEST_F(Configuration, CsvDelimiterWordsBecomeCharacters) {
  const DelimiterCase cases[] = {
      {"TAB", "\t"}, {"tab", "\t"},    {"Space", " "}, {"crlf", "\r\n"},
      {";", ";"},    {"tabs", "tabs"}, {"", ""},
  };
  for (const DelimiterCase& c : cases) {
    Load("[File]\nCsvDelimiter = " + std::string(c.stored) + "\n");
    EXPECT_EQ(Settings.csvDelimiter, c.loaded) << c.stored;
  }
}

TEST_F(Configuration, SaveCreatesMissingFoldersAndFailsSilently) {
  Settings.configurationPath = folder_.File("a/b/config.ini");
  SaveConfiguration();
  EXPECT_TRUE(std::filesystem::exists(folder_.File("a/b/config.ini")));

  // A file where a folder should be: nothing is written, nothing breaks.
  WriteFileBytes(folder_.File("plain"), "x");
  Settings.configurationPath = folder_.File("plain/config.ini");
  SaveConfiguration();
  EXPECT_EQ(ReadFileBytes(folder_.File("plain")), "x");

  Settings.configurationPath.clear();
  SaveConfiguration();
}

// The file is the user's: what the program cannot read, may not write or reaches through a
// link is left to its owner or written through, never replaced by a regular file of defaults.
TEST_F(Configuration, AFileOverTheReadersBoundIsNotReplacedAtExit) {
  WriteFileBytes(path(), "[Output]\nJPG Quality = 42\n");
  std::filesystem::resize_file(path(), kMaxIniFileSize + 1);
  LoadConfiguration();
  EXPECT_EQ(Settings.jpgQuality, 95) << "defaults while the file cannot be read";
  SaveConfiguration();
  EXPECT_EQ(std::filesystem::file_size(path()), kMaxIniFileSize + 1);
  EXPECT_TRUE(ReadFileBytes(path()).starts_with("[Output]\nJPG Quality = 42\n"));
}

TEST_F(Configuration, AFileThatCannotBeReadIsNotReplacedAtExit) {
  WriteFileBytes(path(), "[Output]\nJPG Quality = 42\n");
  ASSERT_EQ(::chmod(path().c_str(), 0200), 0);  // writable, not readable
  // The superuser reads anything: the load and save run as another user then.
  const uid_t runAs = ::geteuid() == 0 ? testing::kOtherUser : ::geteuid();
  ASSERT_EQ(::chown(folder_.path().c_str(), runAs, runAs), 0);
  ASSERT_EQ(::chown(path().c_str(), runAs, runAs), 0);
  const int status = testing::InChildAs(runAs, [] {
    LoadConfiguration();
    SaveConfiguration();
    return Settings.jpgQuality == 95 ? 0 : 1;
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  ASSERT_EQ(::chmod(path().c_str(), 0600), 0);
  EXPECT_EQ(ReadFileBytes(path()), "[Output]\nJPG Quality = 42\n");
}

TEST_F(Configuration, AWriteProtectedFileIsLeftAlone) {
  WriteFileBytes(path(), "[Output]\nJPG Quality = 42\n");
  ASSERT_EQ(::chmod(path().c_str(), 0444), 0);
  LoadConfiguration();
  EXPECT_EQ(Settings.jpgQuality, 42);
  Settings.jpgQuality = 7;
  SaveConfiguration();
  EXPECT_EQ(ReadFileBytes(path()), "[Output]\nJPG Quality = 42\n");
}

TEST_F(Configuration, ASymbolicLinkIsWrittenThroughToItsTarget) {
  const std::string target = folder_.File("dotfiles/vecrast.ini");
  std::filesystem::create_directory(folder_.File("dotfiles"));
  WriteFileBytes(target, "[Output]\nJPG Quality = 42\n");
  std::filesystem::create_symlink("dotfiles/vecrast.ini", path());
  LoadConfiguration();
  EXPECT_EQ(Settings.jpgQuality, 42);
  Settings.jpgQuality = 43;
  SaveConfiguration();
  EXPECT_TRUE(std::filesystem::is_symlink(path())) << "the link stays a link";
  LoadConfiguration();
  EXPECT_EQ(Settings.jpgQuality, 43);
  EXPECT_NE(ReadFileBytes(target).find("JPG Quality = 43"), std::string::npos);
}

TEST_F(Configuration, PathFollowsXdgConfigHome) {
  const std::string xdg = folder_.File("xdg");
  testing::ScopedEnv config("XDG_CONFIG_HOME", xdg.c_str());
  EXPECT_EQ(ConfigurationPath(), xdg + "/Zentrafax/vecrast/config.ini");
  EXPECT_TRUE(std::filesystem::is_directory(xdg + "/Zentrafax/vecrast"));
}

TEST_F(Configuration, PathFallsBackToHomeConfig) {
  const std::string home = folder_.File("home");
  testing::ScopedEnv homeVariable("HOME", home.c_str());
  {
    testing::ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(ConfigurationPath(), home + "/.config/Zentrafax/vecrast/config.ini");
    EXPECT_TRUE(std::filesystem::is_directory(home + "/.config/Zentrafax/vecrast"));
  }
  {
    testing::ScopedEnv config("XDG_CONFIG_HOME", "relative/path");
    EXPECT_EQ(ConfigurationPath(), home + "/.config/Zentrafax/vecrast/config.ini");
  }
  {
    testing::ScopedEnv config("XDG_CONFIG_HOME", "");
    EXPECT_EQ(ConfigurationPath(), home + "/.config/Zentrafax/vecrast/config.ini");
  }
}

TEST_F(Configuration, SaveAndLoadThroughTheUserPath) {
  const std::string xdg = folder_.File("xdg");
  testing::ScopedEnv config("XDG_CONFIG_HOME", xdg.c_str());
  Settings.configurationPath = ConfigurationPath();
  Settings.jpgQuality = 42;
  SaveConfiguration();
  Settings.jpgQuality = 1;
  LoadConfiguration();
  EXPECT_EQ(Settings.jpgQuality, 42);
}

}  // namespace
}  // namespace vecrast
