// A damaged configuration file fills the dialog without harm and OK stores it back sound; what
// the user types never makes a file that a later start reads differently.
#include <algorithm>
#include <fstream>

#include "preferences_fixture.h"
#include "settings/configuration.h"

namespace vecrast::uitest {
namespace {

void WriteConfiguration(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << "\xEF\xBB\xBF\r\n" << text;
}

std::map<std::string, std::string> AllSettings() {
  std::map<std::string, std::string> values;
  for (const SettingDescriptor& setting : SettingTable()) {
    values[std::string(setting.group) + "/" + std::string(setting.key)] = FormatSettingValue(setting);
  }
  return values;
}

// Saves, loads the file again and expects the same settings (those the file holds).
void ExpectStableThroughTheFile() {
  const auto stored = AllSettings();
  LoadConfiguration();
  for (const SettingDescriptor& setting : SettingTable()) {
    if (!IsSettingSaved(setting) || setting.defaultRule == DefaultRule::LayoutVersion) continue;
    const std::string name = std::string(setting.group) + "/" + std::string(setting.key);
    EXPECT_EQ(FormatSettingValue(setting), stored.at(name)) << name;
  }
}

struct DamagedCase {
  const char* group;
  const char* key;
  const char* inFile;
  const char* stored;
};

const DamagedCase kDamaged[] = {
    {"General", "Update Range", "99", "2"},
    {"Interface", "UI Size", "-4", "2"},
    {"Interface", "UI Theme", "no such theme", "no such theme"},
    {"Output", "Format", "png", "jpg"},
    {"Output", "JPG BPP", "16", "0"},
    {"Output", "JPG Quality", "500", "100"},
    {"Output", "JPG Chroma", "abc", "0"},
    {"Transform", "Image Rotation", "-90", "0"},
    {"Transform", "Image Rotation Back Color", "GGHHII", "000000"},
    {"Transform", "Image Resize Algorithm", "300", "3"},  // 300 keeps its low 8 bits: 44
    {"Adjustment", "Image Gamma", "NaN", "1.000000"},
    {"Adjustment", "Image Gamma", "1e30", "9.990000"},
    {"Adjustment", "Image Gamma", "-Infinity", "0.010000"},
    {"Adjustment", "Image Brightness", "-9999", "-100"},
    {"Frame", "Solid Top Color", "ff8000", "FF8000"},
    {"Frame", "Solid Opacity", "0", "1"},
    {"Watermark", "Do Watermark", "9", "0"},
    {"Watermark", "Font Style", "77", "0"},
    {"Watermark", "Font", "Missing Face", "Missing Face"},
    {"Watermark", "Font Color", "XYZ", "000000"},
    {"Watermark", "Text Scale", "100000", "200"},
    {"Watermark", "Image", "/nowhere/stamp.png", "/nowhere/stamp.png"},
    {"Advanced", "Custom Timestamp", "-500", "0"},
    {"Advanced", "Custom Timestamp", "99999999999999", "253402300799"},
    {"Advanced", "Out Folders Number", "0", "1"},
    {"Advanced", "File Timestamp", "-1", "0"},
};

// The cases go into a few files, each key at most once per file, grouped by section.
TEST_F(PreferencesTest, DamagedValuesFillTheDialogAndAreStoredBackSound) {
  std::vector<std::vector<DamagedCase>> files;
  for (const DamagedCase& c : kDamaged) {
    auto file = std::find_if(files.begin(), files.end(), [&c](const std::vector<DamagedCase>& cases) {
      return std::none_of(cases.begin(), cases.end(), [&c](const DamagedCase& other) {
        return std::string(other.group) == c.group && std::string(other.key) == c.key;
      });
    });
    if (file == files.end()) file = files.insert(files.end(), std::vector<DamagedCase>{});
    file->push_back(c);
  }
  for (const auto& cases : files) {
    std::string text;
    for (const char* group : {"General", "Interface", "Output", "Transform", "Adjustment", "Frame", "Watermark",
                              "Advanced"}) {
      text += "[" + std::string(group) + "]\r\n";
      for (const DamagedCase& c : cases) {
        if (std::string(c.group) == group) text += std::string(c.key) + " = " + c.inFile + "\r\n";
      }
    }
    ResetSettings(false);
    WriteConfiguration(Settings.configurationPath, text);
    LoadConfiguration();
    Open();
    Dialog().Ok();
    for (const DamagedCase& c : cases) EXPECT_EQ(Stored(c.group, c.key), c.stored) << c.key << " = " << c.inFile;
    ExpectStableThroughTheFile();
  }
}

// Longer than a GTK entry holds (65535 characters): the text is kept unless the user edits it.
TEST_F(PreferencesTest, AVeryLongWatermarkTextSurvivesTheDialog) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "word\t";
  WriteConfiguration(Settings.configurationPath, "[Watermark]\r\nText = " + text + "\r\n");
  LoadConfiguration();
  Open();
  Dialog().Ok();
  EXPECT_EQ(Settings.text.size(), 20000u * 4);
  EXPECT_EQ(Settings.text.find('\t'), std::string::npos);
  ExpectStableThroughTheFile();
}

TEST_F(PreferencesTest, WhatTheUserTypesReadsBackAsStored) {
  Open();
  Type("Watermark", "Text", "  [Watermark]\r\nText = = ; \t\u00e9\u4e2d ");
  Type("Advanced", "Filename Mask", "; %filename%\n[General]");
  Type("Watermark", "Image", "\t");
  Type("Frame", "Solid Left", "-12");
  Dialog().Ok();
  EXPECT_EQ(Settings.text, "[Watermark]Text = = ; \u00e9\u4e2d");
  EXPECT_EQ(Settings.filenameMask, "; %filename%[General]");
  EXPECT_EQ(Settings.image, "");
  EXPECT_EQ(Settings.solidLeft, -12);
  ExpectStableThroughTheFile();
}

}  // namespace
}  // namespace vecrast::uitest
