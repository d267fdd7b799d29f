#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <set>

#include "base/ascii_case.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "settings/settings_table.h"
#include "settings_state.h"

namespace vecrast {
namespace {

using SettingsTable = testing::SettingsTest;

struct DefaultCase {
  std::string_view group;
  std::string_view key;
  std::string_view value;
};

TEST_F(SettingsTable, ResetGivesTheDefaults) {
  const DefaultCase cases[] = {
      {"General", "CFG", "17"},
      {"General", "Language", "en"},
      {"General", "Update Range", "2"},
      {"General", "Save Window Position", "1"},
      {"Window", "IsMaximized", "0"},
      {"Window", "Width", "510"},
      {"Window", "Height", "260"},
      {"Window", "Hide Passwords", "0"},
      {"Window", "Show Advanced Options", "1"},
      {"Interface", "UI Theme", "handdrawn"},
      {"Interface", "UI Size", "2"},
      {"Input", "Format", "wmf"},
      {"Input", "RAW Tone Mapping", "2"},
      {"Input", "RAW Load As", "0"},
      {"Output", "Format", "jpg"},
      {"Output", "JPG Quality", "95"},
      {"Output", "TIFF Compression", "0"},
      {"Transform", "Image Resize Algorithm", "3"},
      {"Transform", "Image Rotation Back Color", "000000"},
      {"Adjustment", "Image Gamma", "1.000000"},
      {"Frame", "Solid Opacity", "255"},
      {"Watermark", "Text", "Copyright \xC2\xA9 2026 Zentrafax. All rights reserved."},
      {"Watermark", "Fonts", "Arial,Tahoma,Verdana"},
      {"Watermark", "Font Size", "14"},
      {"Watermark", "Font Color", "FFFFFF"},
      {"Watermark", "Back Colors",
       "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF"},
      {"Watermark", "Back Opacity", "1"},
      {"Watermark", "Text Position", "8"},
      {"Watermark", "Image Position", "8"},
      {"Watermark", "Text X Offset", "10"},
      {"Watermark", "Image Scale", "10"},
      {"Advanced", "Filename Mask", "%filename%.%ext%"},
      {"Advanced", "Out Folders History", "1"},
      {"Advanced", "Out Folders Number", "5"},
      {"Advanced", "Keep Subfolders", "1"},
      {"File", "TxtFields", "username,password,firstname,lastname,title,sex,notes"},
      {"File", "CsvDelimiter", ","},
      {"File", "Recent Out Folders", ""},
      {"Privacy", "Clean Recent Files", "0"},
  };
  Settings = SettingsRecord{};
  ResetSettings(false);
  for (const DefaultCase& c : cases) {
    const SettingDescriptor* setting = FindSetting(c.group, c.key);
    ASSERT_NE(setting, nullptr) << c.group << "/" << c.key;
    EXPECT_EQ(FormatSettingValue(*setting), c.value) << c.group << "/" << c.key;
  }
}

TEST_F(SettingsTable, RowsPointAtTheFieldsNamedAfterTheirKeys) {
  Settings = SettingsRecord{};
  ResetSettings(false);
  EXPECT_EQ(Settings.jpgQuality, 95);
  EXPECT_EQ(Settings.imageResizeAlgorithm, 3);
  EXPECT_EQ(Settings.textPosition, 8);
  EXPECT_EQ(Settings.imagePosition, 8);
  EXPECT_EQ(Settings.rawToneMapping, 2);
  EXPECT_EQ(Settings.backOpacity, 1);
  EXPECT_EQ(Settings.outFoldersNumber, 5);
  EXPECT_EQ(Settings.inputFormat, "wmf");
  EXPECT_EQ(Settings.outputFormat, "jpg");
  EXPECT_EQ(Settings.imageGamma, 1.0);
  EXPECT_EQ(Settings.font, "Arial");
  EXPECT_EQ(Settings.fontColor, "FFFFFF");

  SetSettingInteger(*FindSetting("Watermark", "Image Rotation"), 45);
  SetSettingInteger(*FindSetting("Transform", "Image Rotation"), 90);
  EXPECT_EQ(Settings.watermarkImageRotation, 45);
  EXPECT_EQ(Settings.imageRotation, 90);
  SetSettingText(*FindSetting("Input", "Format"), "emf");
  SetSettingText(*FindSetting("Output", "Format"), "png");
  EXPECT_EQ(Settings.inputFormat, "emf");
  EXPECT_EQ(Settings.outputFormat, "png");
}

TEST_F(SettingsTable, EveryRowHasItsOwnFieldAndKey) {
  const auto table = SettingTable();
  std::set<std::string> names;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::string name = base::LowerAscii(table[i].group) + "/" + base::LowerAscii(table[i].key);
    EXPECT_TRUE(names.insert(name).second) << name;
    EXPECT_EQ(FindSetting(table[i].group, table[i].key), &table[i]);
    for (std::size_t k = 0; k < i; ++k) {
      EXPECT_FALSE(table[i].field == table[k].field) << table[i].key << " / " << table[k].key;
    }
  }
  EXPECT_EQ(table.size(), 139u);  // every key of the twelve groups
}

TEST_F(SettingsTable, FindSettingIgnoresCaseAndRejectsUnknownKeys) {
  EXPECT_EQ(FindSetting("output", "jpg quality"), FindSetting("Output", "JPG Quality"));
  EXPECT_NE(FindSetting("Input", "Format"), FindSetting("Output", "Format"));
  EXPECT_EQ(FindSetting("Output", "JPG Qualit"), nullptr);
  EXPECT_EQ(FindSetting("Input", "JPG Quality"), nullptr);
  EXPECT_EQ(FindSetting("", ""), nullptr);
}

TEST_F(SettingsTable, WindowIsCentredOnTheFirstDisplay) {
  ResetSettings(false);
  EXPECT_EQ(Settings.x, 705);
  EXPECT_EQ(Settings.y, 410);

  SetDisplaySizeSource([](int32_t& width, int32_t& height) {
    width = 510;
    height = 260;
    return true;
  });
  ResetSettings(false);
  EXPECT_EQ(Settings.x, 100);  // not wider than the window: not 0
  EXPECT_EQ(Settings.y, 100);

  SetDisplaySizeSource([](int32_t& width, int32_t& height) {
    width = 513;
    height = 263;
    return true;
  });
  ResetSettings(false);
  EXPECT_EQ(Settings.x, 1);  // rounded toward zero
  EXPECT_EQ(Settings.y, 1);

  SetDisplaySizeSource([](int32_t& width, int32_t& height) {
    width = 4000;
    height = 3000;
    return false;
  });
  ResetSettings(false);
  EXPECT_EQ(Settings.x, 100);
  EXPECT_EQ(Settings.y, 100);
}

TEST_F(SettingsTable, CommandLineModeChangesOnlyKeepAspectRatio) {
  ResetSettings(false);
  const SettingsRecord windowed = Settings;
  ResetSettings(true);
  EXPECT_EQ(Settings.keepAspectRatio, 0);
  EXPECT_EQ(windowed.keepAspectRatio, 1);
  for (const SettingDescriptor& setting : SettingTable()) {
    if (setting.defaultRule == DefaultRule::AspectRatio ||
        setting.defaultRule == DefaultRule::Now) {
      continue;
    }
    EXPECT_EQ(FormatSettingValue(setting), FormatSettingValue(setting, windowed)) << setting.key;
  }
}

TEST_F(SettingsTable, ResetTakesNowAndLeavesRunTimeFieldsAlone) {
  Settings.configurationPath = "/some/config.ini";
  Settings.instanceHandle = 9;
  Settings.menuHeight = 21;
  Settings.panelTop = 44;
  Settings.jpgQuality = 3;
  const int64_t before = LocalNow();
  ResetSettings(true);
  const int64_t after = LocalNow();
  EXPECT_EQ(Settings.configurationPath, "/some/config.ini");
  EXPECT_EQ(Settings.instanceHandle, 9);
  EXPECT_EQ(Settings.menuHeight, 21);
  EXPECT_EQ(Settings.panelTop, 44);
  EXPECT_EQ(Settings.jpgQuality, 95);
  EXPECT_GE(Settings.updateDate, before);
  EXPECT_LE(Settings.updateDate, after);
  EXPECT_GE(Settings.customTimestamp, before);
  EXPECT_LE(Settings.customTimestamp, after);
}

TEST_F(SettingsTable, FormatDefaultsFollowTheStartUpLists) {
  inputKinds = {"emf", "wmf"};
  outputExtensions = {"png", "jpg"};
  ResetSettings(false);
  EXPECT_EQ(Settings.inputFormat, "emf");
  EXPECT_EQ(Settings.outputFormat, "png");
  inputKinds.clear();
  outputExtensions.clear();
  ResetSettings(false);
  EXPECT_EQ(Settings.inputFormat, "");
  EXPECT_EQ(Settings.outputFormat, "");
}

TEST_F(SettingsTable, LocalNowIsShiftedByTheTimeZone) {
  const char* saved = std::getenv("TZ");
  const std::string savedZone = saved != nullptr ? saved : "";
  ::setenv("TZ", "UTC-2", 1);  // two hours east of UTC
  ::tzset();
  const std::time_t utc = std::time(nullptr);
  const int64_t local = LocalNow();
  if (saved != nullptr) {
    ::setenv("TZ", savedZone.c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();
  EXPECT_NEAR(static_cast<double>(local - utc), 7200.0, 2.0);
}

TEST_F(SettingsTable, NarrowFieldsKeepTheLowBits) {
  const SettingDescriptor& small = *FindSetting("Watermark", "Text Position");
  SetSettingInteger(small, 257);
  EXPECT_EQ(Settings.textPosition, 1);
  SetSettingInteger(small, 255);
  EXPECT_EQ(Settings.textPosition, -1);
  EXPECT_EQ(FormatSettingValue(small), "-1");

  const SettingDescriptor& flag = *FindSetting("Privacy", "Clean Recent Files");
  SetSettingInteger(flag, 0x1FE);
  EXPECT_EQ(Settings.cleanRecentFiles, -2);

  const SettingDescriptor& integer = *FindSetting("Output", "JPG Quality");
  SetSettingInteger(integer, (int64_t{1} << 32) + 5);
  EXPECT_EQ(Settings.jpgQuality, 5);
  SetSettingInteger(integer, -2147483648LL);
  EXPECT_EQ(GetSettingInteger(integer), -2147483648LL);

  const SettingDescriptor& date = *FindSetting("Advanced", "Custom Timestamp");
  SetSettingInteger(date, int64_t{1} << 40);
  EXPECT_EQ(Settings.customTimestamp, int64_t{1} << 40);
}

TEST_F(SettingsTable, AccessorsOfAnotherTypeDoNothing) {
  ResetSettings(false);
  const SettingDescriptor& text = *FindSetting("Watermark", "Font");
  const SettingDescriptor& integer = *FindSetting("Watermark", "Font Size");
  SetSettingInteger(text, 5);
  SetSettingText(integer, "Courier");
  SetSettingReal(integer, 2.0);
  EXPECT_EQ(Settings.font, "Arial");
  EXPECT_EQ(Settings.fontSize, 14);
  EXPECT_EQ(GetSettingText(integer), "");
  EXPECT_EQ(GetSettingInteger(text), 0);
  EXPECT_EQ(GetSettingReal(text), 0.0);
}

TEST_F(SettingsTable, RealsKeepFloatPrecision) {
  const SettingDescriptor& gamma = *FindSetting("Adjustment", "Image Gamma");
  SetSettingReal(gamma, 0.1);
  EXPECT_EQ(Settings.imageGamma, static_cast<double>(0.1f));
  SetSettingReal(gamma, 1.0000000001);
  EXPECT_EQ(Settings.imageGamma, 1.0);
  SetSettingReal(gamma, 1e300);
  EXPECT_TRUE(std::isinf(Settings.imageGamma));
  SetSettingReal(gamma, -1e300);
  EXPECT_LT(Settings.imageGamma, 0.0);
  EXPECT_EQ(FormatSettingValue(gamma), "-Infinity");
  ParseSettingValue(gamma, " 1.5 ");
  EXPECT_EQ(FormatSettingValue(gamma), "1.500000");
}

TEST_F(SettingsTable, ParseUsesTheFileRulesOfEachType) {
  ParseSettingValue(*FindSetting("Watermark", "Font"), " \tTimes New Roman \t");
  EXPECT_EQ(Settings.font, "Times New Roman");
  ParseSettingValue(*FindSetting("Watermark", "Font Size"), "  12pt");
  EXPECT_EQ(Settings.fontSize, 12);
  ParseSettingValue(*FindSetting("Watermark", "Font Size"), "big");
  EXPECT_EQ(Settings.fontSize, 0);
  ParseSettingValue(*FindSetting("Frame", "Do Frame"), "257");
  EXPECT_EQ(Settings.doFrame, 1);
}

TEST_F(SettingsTable, ConversionJobStartValues) {
  ConversionJob.inputPath = "/x.wmf";
  ConversionJob.sequenceNumber = 12;
  ConversionJob.preferencesStartPage = 3;
  ResetConversionJob();
  EXPECT_EQ(ConversionJob.inputPath, "");
  EXPECT_EQ(ConversionJob.sequenceNumber, 1);
  EXPECT_EQ(ConversionJob.preferencesStartPage, 0);
  EXPECT_GE(ConversionJob.randomToken, 1);
  EXPECT_LE(ConversionJob.randomToken, 99999);
  ASSERT_FALSE(ConversionJob.programFolder.empty());
  EXPECT_EQ(ConversionJob.programFolder.front(), '/');
  EXPECT_EQ(ConversionJob.programFolder.back(), '/');
}

}  // namespace
}  // namespace vecrast
