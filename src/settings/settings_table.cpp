#include "settings/settings_table.h"

#include <algorithm>
#include <array>
#include <limits>

#include "base/ascii_case.h"
#include "base/trim.h"
#include "settings/ini_file.h"

namespace vecrast {

namespace {

using R = SettingsRecord;

constexpr std::string_view kLegalNotice = "Copyright \u00A9 2026 Zentrafax. All rights reserved.";
constexpr std::string_view kColourChoices =
    "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF";

// Main window size the default position centres.
constexpr int32_t kDefaultWindowWidth = 510;
constexpr int32_t kDefaultWindowHeight = 260;
constexpr int32_t kFallbackWindowPosition = 100;

constexpr SettingDescriptor Row(std::string_view group, std::string_view key, SettingType type,
                                SettingField field) {
  return SettingDescriptor{
      group, key, type, field, 0, 0.0, {}, DefaultRule::Value, SaveRule::Always, {}};
}

constexpr SettingDescriptor Integer(std::string_view group, std::string_view key, int32_t R::*field,
                                    int64_t value) {
  SettingDescriptor row = Row(group, key, SettingType::Integer, field);
  row.integerDefault = value;
  return row;
}

constexpr SettingDescriptor Small(std::string_view group, std::string_view key, int8_t R::*field,
                                  int64_t value) {
  SettingDescriptor row = Row(group, key, SettingType::Small, field);
  row.integerDefault = value;
  return row;
}

constexpr SettingDescriptor Flag(std::string_view group, std::string_view key, int8_t R::*field,
                                 int64_t value) {
  SettingDescriptor row = Row(group, key, SettingType::Flag, field);
  row.integerDefault = value;
  return row;
}

constexpr SettingDescriptor Real(std::string_view group, std::string_view key, double R::*field,
                                 double value) {
  SettingDescriptor row = Row(group, key, SettingType::Real, field);
  row.realDefault = value;
  return row;
}

constexpr SettingDescriptor Textual(SettingType type, std::string_view group, std::string_view key,
                                    std::string R::*field, std::string_view value) {
  SettingDescriptor row = Row(group, key, type, field);
  row.textDefault = value;
  return row;
}

constexpr SettingDescriptor Text(std::string_view group, std::string_view key,
                                 std::string R::*field, std::string_view value) {
  return Textual(SettingType::Text, group, key, field, value);
}

constexpr SettingDescriptor Colour(std::string_view group, std::string_view key,
                                   std::string R::*field, std::string_view value) {
  return Textual(SettingType::Colour, group, key, field, value);
}

constexpr SettingDescriptor List(std::string_view group, std::string_view key,
                                 std::string R::*field, std::string_view value) {
  return Textual(SettingType::List, group, key, field, value);
}

// A date that defaults to the current time.
constexpr SettingDescriptor Date(std::string_view group, std::string_view key, int64_t R::*field) {
  SettingDescriptor row = Row(group, key, SettingType::Date, field);
  row.defaultRule = DefaultRule::Now;
  return row;
}

constexpr SettingDescriptor WithRule(SettingDescriptor row, DefaultRule rule) {
  row.defaultRule = rule;
  return row;
}

constexpr SettingDescriptor SavedWith(SettingDescriptor row, SaveRule rule) {
  row.saveRule = rule;
  return row;
}

constexpr SettingDescriptor ForFormat(SettingDescriptor row, std::string_view format) {
  row.saveRule = SaveRule::PerFormat;
  row.format = format;
  return row;
}

// Per-format output depth: "JPG BPP" of format "jpg", automatic by default.
constexpr SettingDescriptor Depth(std::string_view key, int32_t R::*field,
                                  std::string_view format) {
  return ForFormat(Integer("Output", key, field, 0), format);
}

constexpr auto kTable = std::to_array<SettingDescriptor>({
    // General
    WithRule(Integer("General", "CFG", &R::cfg, kConfigurationLayoutVersion),
             DefaultRule::LayoutVersion),
    Text("General", "Language", &R::language, "en"),
    Integer("General", "Update Range", &R::updateRange, 2),
    Date("General", "Update Date", &R::updateDate),
    Flag("General", "Save Window Position", &R::saveWindowPosition, 1),

    // Window: geometry in the order the file lists it, then the flags kept for older files.
    SavedWith(Flag("Window", "IsMaximized", &R::isMaximized, 0), SaveRule::WithWindowPosition),
    SavedWith(Integer("Window", "Width", &R::width, kDefaultWindowWidth),
              SaveRule::WithWindowPosition),
    SavedWith(Integer("Window", "Height", &R::height, kDefaultWindowHeight),
              SaveRule::WithWindowPosition),
    SavedWith(
        WithRule(Integer("Window", "X", &R::x, kFallbackWindowPosition), DefaultRule::CentredX),
        SaveRule::WithWindowPosition),
    SavedWith(
        WithRule(Integer("Window", "Y", &R::y, kFallbackWindowPosition), DefaultRule::CentredY),
        SaveRule::WithWindowPosition),
    SavedWith(Flag("Window", "Hide Passwords", &R::hidePasswords, 0), SaveRule::Never),
    SavedWith(Flag("Window", "Show Single Password", &R::showSinglePassword, 1), SaveRule::Never),
    SavedWith(Flag("Window", "Show Password List", &R::showPasswordList, 1), SaveRule::Never),
    SavedWith(Flag("Window", "Show Character Set", &R::showCharacterSet, 1), SaveRule::Never),
    SavedWith(Flag("Window", "Show Advanced Options", &R::showAdvancedOptions, 1), SaveRule::Never),

    // Interface
    Text("Interface", "UI Theme", &R::uiTheme, "handdrawn"),
    Integer("Interface", "UI Size", &R::uiSize, 2),

    // Input
    WithRule(Text("Input", "Format", &R::inputFormat, ""), DefaultRule::FirstInputKind),
    ForFormat(Integer("Input", "DDS Load As", &R::ddsLoadAs, 0), "dds"),
    ForFormat(Integer("Input", "GIF Frame Loading", &R::gifFrameLoading, 0), "gif"),
    ForFormat(Integer("Input", "ICO Frame Loading", &R::icoFrameLoading, 0), "ico"),
    ForFormat(Integer("Input", "TIFF Frame Loading", &R::tiffFrameLoading, 0), "tiff"),
    ForFormat(Integer("Input", "RAW Load As", &R::rawLoadAs, 0), "raw"),
    ForFormat(Integer("Input", "RAW Header Size", &R::rawHeaderSize, 0), "raw"),
    ForFormat(Integer("Input", "RAW Image Width", &R::rawImageWidth, 0), "raw"),
    ForFormat(Integer("Input", "RAW Image Height", &R::rawImageHeight, 0), "raw"),
    ForFormat(Integer("Input", "RAW Tone Mapping", &R::rawToneMapping, 2), "raw"),

    // Output
    WithRule(Text("Output", "Format", &R::outputFormat, ""), DefaultRule::FirstOutputExtension),
    Depth("BMP BPP", &R::bmpBpp, "bmp"),
    ForFormat(Integer("Output", "BMP Compression", &R::bmpCompression, 0), "bmp"),
    ForFormat(Integer("Output", "BMP Color Table", &R::bmpColorTable, 0), "bmp"),
    Depth("DDS BPP", &R::ddsBpp, "dds"),
    Depth("EXR BPP", &R::exrBpp, "exr"),
    ForFormat(Integer("Output", "EXR Compression", &R::exrCompression, 0), "exr"),
    Depth("GIF BPP", &R::gifBpp, "gif"),
    Depth("HDR BPP", &R::hdrBpp, "hdr"),
    Depth("ICO BPP", &R::icoBpp, "ico"),
    Depth("J2K BPP", &R::j2kBpp, "j2k"),
    Depth("JNG BPP", &R::jngBpp, "jng"),
    Depth("JP2 BPP", &R::jp2Bpp, "jp2"),
    Depth("JPG BPP", &R::jpgBpp, "jpg"),
    ForFormat(Integer("Output", "JPG Quality", &R::jpgQuality, 95), "jpg"),
    ForFormat(Integer("Output", "JPG Chroma", &R::jpgChroma, 0), "jpg"),
    ForFormat(Integer("Output", "JPG Save As", &R::jpgSaveAs, 0), "jpg"),
    Depth("JXR BPP", &R::jxrBpp, "jxr"),
    Depth("PBM BPP", &R::pbmBpp, "pbm"),
    Depth("PCX BPP", &R::pcxBpp, "pcx"),
    Depth("PFM BPP", &R::pfmBpp, "pfm"),
    Depth("PGM BPP", &R::pgmBpp, "pgm"),
    Depth("PNG BPP", &R::pngBpp, "png"),
    ForFormat(Integer("Output", "PNG Compression", &R::pngCompression, 0), "png"),
    ForFormat(Flag("Output", "PNG Interlaced", &R::pngInterlaced, 0), "png"),
    Depth("PPM BPP", &R::ppmBpp, "ppm"),
    Depth("PSD BPP", &R::psdBpp, "psd"),
    Depth("TGA BPP", &R::tgaBpp, "tga"),
    ForFormat(Integer("Output", "TGA Compression", &R::tgaCompression, 0), "tga"),
    Depth("TIFF BPP", &R::tiffBpp, "tiff"),
    ForFormat(Integer("Output", "TIFF Compression", &R::tiffCompression, 0), "tiff"),
    ForFormat(Integer("Output", "TIFF Color Model", &R::tiffColorModel, 0), "tiff"),
    Depth("WBMP BPP", &R::wbmpBpp, "wbmp"),
    Depth("WEBP BPP", &R::webpBpp, "webp"),
    Depth("XPM BPP", &R::xpmBpp, "xpm"),

    // Transform
    Flag("Transform", "Do Image Rotation", &R::doImageRotation, 0),
    Small("Transform", "Image Rotation Type", &R::imageRotationType, 0),
    Integer("Transform", "Image Rotation", &R::imageRotation, 0),
    Colour("Transform", "Image Rotation Back Color", &R::imageRotationBackColor, "000000"),
    Flag("Transform", "Do Image Resize", &R::doImageResize, 0),
    Integer("Transform", "Image Width", &R::imageWidth, 0),
    Small("Transform", "Image Width Unit", &R::imageWidthUnit, 0),
    Integer("Transform", "Image Height", &R::imageHeight, 0),
    Small("Transform", "Image Height Unit", &R::imageHeightUnit, 0),
    WithRule(Flag("Transform", "Keep Aspect Ratio", &R::keepAspectRatio, 1),
             DefaultRule::AspectRatio),
    Small("Transform", "Image Resize Type", &R::imageResizeType, 0),
    Small("Transform", "Image Resize Algorithm", &R::imageResizeAlgorithm, 3),
    Flag("Transform", "Do Image Flip Horizontal", &R::doImageFlipHorizontal, 0),
    Flag("Transform", "Do Image Flip Vertical", &R::doImageFlipVertical, 0),

    // Adjustment
    Flag("Adjustment", "Do Image Color Correction", &R::doImageColorCorrection, 0),
    Integer("Adjustment", "Image Brightness", &R::imageBrightness, 0),
    Integer("Adjustment", "Image Contrast", &R::imageContrast, 0),
    Real("Adjustment", "Image Gamma", &R::imageGamma, 1.0),
    Flag("Adjustment", "Image Invert", &R::imageInvert, 0),
    Flag("Adjustment", "Do Image Greyscale", &R::doImageGreyscale, 0),
    Flag("Adjustment", "Do Image Threshold", &R::doImageThreshold, 0),
    Integer("Adjustment", "Image Threshold", &R::imageThreshold, 0),

    // Frame
    Small("Frame", "Do Frame", &R::doFrame, 0),
    Integer("Frame", "Solid Left", &R::solidLeft, 0),
    Integer("Frame", "Solid Right", &R::solidRight, 0),
    Integer("Frame", "Solid Top", &R::solidTop, 0),
    Integer("Frame", "Solid Bottom", &R::solidBottom, 0),
    Colour("Frame", "Solid Left Color", &R::solidLeftColor, "000000"),
    Colour("Frame", "Solid Right Color", &R::solidRightColor, "000000"),
    Colour("Frame", "Solid Top Color", &R::solidTopColor, "000000"),
    Colour("Frame", "Solid Bottom Color", &R::solidBottomColor, "000000"),
    Integer("Frame", "Solid Opacity", &R::solidOpacity, 255),

    // Watermark
    Small("Watermark", "Do Watermark", &R::doWatermark, 0),
    Text("Watermark", "Text", &R::text, kLegalNotice),
    List("Watermark", "Fonts", &R::fonts, "Arial,Tahoma,Verdana"),
    Text("Watermark", "Font", &R::font, "Arial"),
    Integer("Watermark", "Font Size", &R::fontSize, 14),
    Integer("Watermark", "Font Leading", &R::fontLeading, 0),
    List("Watermark", "Font Colors", &R::fontColors, kColourChoices),
    Colour("Watermark", "Font Color", &R::fontColor, "FFFFFF"),
    Small("Watermark", "Font Style", &R::fontStyle, 0),
    Small("Watermark", "Font Effect", &R::fontEffect, 0),
    Flag("Watermark", "Text Antialiasing", &R::textAntialiasing, 0),
    Small("Watermark", "Text Alignment", &R::textAlignment, 0),
    Integer("Watermark", "Text Padding", &R::textPadding, 0),
    Integer("Watermark", "Text Opacity", &R::textOpacity, 255),
    List("Watermark", "Back Colors", &R::backColors, kColourChoices),
    Colour("Watermark", "Back Color", &R::backColor, "000000"),
    Integer("Watermark", "Back Opacity", &R::backOpacity, 1),
    Small("Watermark", "Text Boundary", &R::textBoundary, 0),
    Small("Watermark", "Text Position", &R::textPosition, 8),
    Integer("Watermark", "Text X Offset", &R::textXOffset, 10),
    Integer("Watermark", "Text Y Offset", &R::textYOffset, 10),
    Integer("Watermark", "Text Rotation", &R::textRotation, 0),
    Small("Watermark", "Text Size", &R::textSize, 0),
    Integer("Watermark", "Text Scale", &R::textScale, 10),
    Text("Watermark", "Image", &R::image, ""),
    Flag("Watermark", "Image Greyscale", &R::imageGreyscale, 0),
    Integer("Watermark", "Image Opacity", &R::imageOpacity, 255),
    Small("Watermark", "Image Boundary", &R::imageBoundary, 0),
    Small("Watermark", "Image Position", &R::imagePosition, 8),
    Integer("Watermark", "Image X Offset", &R::imageXOffset, 10),
    Integer("Watermark", "Image Y Offset", &R::imageYOffset, 10),
    Integer("Watermark", "Image Rotation", &R::watermarkImageRotation, 0),
    Small("Watermark", "Image Size", &R::imageSize, 0),
    Integer("Watermark", "Image Scale", &R::imageScale, 10),

    // Advanced
    Text("Advanced", "Filename Mask", &R::filenameMask, "%filename%.%ext%"),
    Small("Advanced", "File Timestamp", &R::fileTimestamp, 0),
    Date("Advanced", "Custom Timestamp", &R::customTimestamp),
    Small("Advanced", "Out Folders History", &R::outFoldersHistory, 1),
    Small("Advanced", "Out Folders Number", &R::outFoldersNumber, 5),
    Flag("Advanced", "Keep Subfolders", &R::keepSubfolders, 1),

    // File
    SavedWith(List("File", "TxtFields", &R::txtFields,
                   "username,password,firstname,lastname,title,sex,notes"),
              SaveRule::Never),
    SavedWith(Text("File", "CsvDelimiter", &R::csvDelimiter, ","), SaveRule::Never),
    List("File", "Recent Out Folders", &R::recentOutFolders, ""),
    List("File", "Recent Files", &R::recentFiles, ""),

    // Privacy
    Flag("Privacy", "Clean Recent Files", &R::cleanRecentFiles, 0),
});

std::string_view FirstOrEmpty(const std::vector<std::string>& list) {
  return list.empty() ? std::string_view() : std::string_view(list.front());
}

int32_t CentredPosition(int32_t displaySize, int32_t windowSize) {
  if (displaySize > windowSize) return (displaySize - windowSize) / 2;
  return kFallbackWindowPosition;
}

bool Contains(const std::vector<std::string>& list, std::string_view entry) {
  for (const std::string& item : list) {
    if (item == entry) return true;
  }
  return false;
}

}  // namespace

std::span<const SettingDescriptor> SettingTable() { return kTable; }

const SettingDescriptor* FindSetting(std::string_view group, std::string_view key) {
  for (const SettingDescriptor& setting : kTable) {
    if (base::EqualsIgnoringAsciiCase(setting.group, group) && base::EqualsIgnoringAsciiCase(setting.key, key)) {
      return &setting;
    }
  }
  return nullptr;
}

int64_t GetSettingInteger(const SettingDescriptor& setting, const SettingsRecord& record) {
  if (const auto* field = std::get_if<int32_t R::*>(&setting.field)) return record.*(*field);
  if (const auto* field = std::get_if<int8_t R::*>(&setting.field)) return record.*(*field);
  if (const auto* field = std::get_if<int64_t R::*>(&setting.field)) return record.*(*field);
  return 0;
}

void SetSettingInteger(const SettingDescriptor& setting, int64_t value, SettingsRecord& record) {
  // Conversions to narrower signed types keep the low bits (well defined since C++20).
  if (const auto* field = std::get_if<int32_t R::*>(&setting.field)) {
    record.*(*field) = static_cast<int32_t>(value);
  } else if (const auto* small = std::get_if<int8_t R::*>(&setting.field)) {
    record.*(*small) = static_cast<int8_t>(value);
  } else if (const auto* date = std::get_if<int64_t R::*>(&setting.field)) {
    record.*(*date) = value;
  }
}

double GetSettingReal(const SettingDescriptor& setting, const SettingsRecord& record) {
  if (const auto* field = std::get_if<double R::*>(&setting.field)) return record.*(*field);
  return 0.0;
}

void SetSettingReal(const SettingDescriptor& setting, double value, SettingsRecord& record) {
  const auto* field = std::get_if<double R::*>(&setting.field);
  if (field == nullptr) return;
  // Round to a 32-bit float without the undefined conversion of out-of-range values.
  constexpr double kFloatMax = std::numeric_limits<float>::max();
  if (value > kFloatMax) {
    value = std::numeric_limits<double>::infinity();
  } else if (value < -kFloatMax) {
    value = -std::numeric_limits<double>::infinity();
  } else {
    value = static_cast<double>(static_cast<float>(value));
  }
  record.*(*field) = value;
}

std::string GetSettingText(const SettingDescriptor& setting, const SettingsRecord& record) {
  if (const auto* field = std::get_if<std::string R::*>(&setting.field)) return record.*(*field);
  return {};
}

void SetSettingText(const SettingDescriptor& setting, std::string_view value,
                    SettingsRecord& record) {
  if (const auto* field = std::get_if<std::string R::*>(&setting.field)) {
    record.*(*field) = std::string(value);
  }
}

std::string FormatSettingValue(const SettingDescriptor& setting, const SettingsRecord& record) {
  switch (setting.type) {
    case SettingType::Real:
      return FormatIniReal(GetSettingReal(setting, record));
    case SettingType::Text:
    case SettingType::Colour:
    case SettingType::List:
      return GetSettingText(setting, record);
    case SettingType::Integer:
    case SettingType::Small:
    case SettingType::Flag:
    case SettingType::Date:
      break;
  }
  return std::to_string(GetSettingInteger(setting, record));
}

void ParseSettingValue(const SettingDescriptor& setting, std::string_view text,
                       SettingsRecord& record) {
  switch (setting.type) {
    case SettingType::Real:
      SetSettingReal(setting, ParseIniReal(text), record);
      return;
    case SettingType::Text:
    case SettingType::Colour:
    case SettingType::List:
      SetSettingText(setting, base::TrimBlanks(text), record);
      return;
    case SettingType::Integer:
    case SettingType::Small:
    case SettingType::Flag:
    case SettingType::Date:
      SetSettingInteger(setting, SaturatedForSetting(setting, ParseIniInteger(text)), record);
      return;
  }
}

int64_t SaturatedForSetting(const SettingDescriptor& setting, int64_t value) {
  if (setting.type == SettingType::Date) return value;
  return std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
}

void ApplySettingDefault(const SettingDescriptor& setting, const DefaultContext& context,
                         SettingsRecord& record) {
  switch (setting.defaultRule) {
    case DefaultRule::Value:
      break;
    case DefaultRule::Now:
      SetSettingInteger(setting, context.now, record);
      return;
    case DefaultRule::CentredX:
      SetSettingInteger(setting,
                        context.missingFromFile
                            ? kFallbackWindowPosition
                            : CentredPosition(context.displayWidth, kDefaultWindowWidth),
                        record);
      return;
    case DefaultRule::CentredY:
      SetSettingInteger(setting,
                        context.missingFromFile
                            ? kFallbackWindowPosition
                            : CentredPosition(context.displayHeight, kDefaultWindowHeight),
                        record);
      return;
    case DefaultRule::AspectRatio:
      SetSettingInteger(setting, (context.commandLineMode && !context.missingFromFile) ? 0 : 1,
                        record);
      return;
    case DefaultRule::FirstInputKind:
      SetSettingText(setting, FirstOrEmpty(inputKinds), record);
      return;
    case DefaultRule::FirstOutputExtension:
      SetSettingText(setting, FirstOrEmpty(outputExtensions), record);
      return;
    case DefaultRule::LayoutVersion:
      SetSettingInteger(setting, context.missingFromFile ? 0 : kConfigurationLayoutVersion, record);
      return;
  }
  switch (setting.type) {
    case SettingType::Real:
      SetSettingReal(setting, setting.realDefault, record);
      return;
    case SettingType::Text:
    case SettingType::Colour:
    case SettingType::List:
      SetSettingText(setting, setting.textDefault, record);
      return;
    case SettingType::Integer:
    case SettingType::Small:
    case SettingType::Flag:
    case SettingType::Date:
      SetSettingInteger(setting, setting.integerDefault, record);
      return;
  }
}

bool IsSettingSaved(const SettingDescriptor& setting, const SettingsRecord& record) {
  switch (setting.saveRule) {
    case SaveRule::Always:
      return true;
    case SaveRule::WithWindowPosition:
      return record.saveWindowPosition != 0;
    case SaveRule::Never:
      return false;
    case SaveRule::PerFormat:
      return Contains(setting.group == "Input" ? inputKinds : outputExtensions, setting.format);
  }
  return false;
}

}  // namespace vecrast
