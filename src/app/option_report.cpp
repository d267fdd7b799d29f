#include "app/option_report.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <span>
#include <string_view>

#include "app/font_flags.h"
#include "app/option_store.h"
#include "base/ascii_case.h"
#include "engine/font_slots.h"
#include "engine/formats.h"
#include "engine/keywords.h"
#include "platform/console.h"
#include "platform/file_status.h"
#include "platform/paths.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "settings/settings_table.h"

namespace vecrast {

namespace {

enum class Shown {
  Number,         // decimal
  Keyword,        // ValueToKeyword of the row's kind
  Text,           // as stored
  TwoDecimals,    // a real with two decimals
  NumberAndUnit,  // the number, a blank and the keyword of secondKey
  NumberPair,     // the number, "/" and the number of secondKey
};

enum class Check { None, NonZero, Range, FloatRange };

// One printed line, and the check of its value where it has one.
struct ReportRow {
  std::string_view label;
  std::string_view key;  // in the section's group
  Shown shown = Shown::Number;
  int keywordKind = 0;
  std::string_view secondKey = {};
  Check check = Check::None;
  double low = 0;
  double high = 0;
  std::string_view error = {};
};

// What must be loadable after a watermark section's rows.
enum class SourceCheck { None, WatermarkFont, WatermarkImage };

// Rows printed (and checked) only while a setting of the group holds a value.
struct ReportSection {
  std::string_view group;
  std::string_view conditionKey;  // empty: always
  int conditionValue;
  std::span<const ReportRow> rows;
  SourceCheck after = SourceCheck::None;
};

using S = Shown;

constexpr ReportRow kDdsRows[] = {{"DDS Load As: ", "DDS Load As", S::Keyword, keywords::DdsLoadAs}};
constexpr ReportRow kGifRows[] = {{"GIF Frame Loading: ", "GIF Frame Loading", S::Keyword, keywords::FrameLoading}};
constexpr ReportRow kIcoRows[] = {{"ICO Frame Loading: ", "ICO Frame Loading", S::Keyword, keywords::FrameLoading}};
constexpr ReportRow kTiffInputRows[] = {
    {"TIFF Frame Loading: ", "TIFF Frame Loading", S::Keyword, keywords::FrameLoading}};
constexpr ReportRow kRawRows[] = {
    {"RAW Load As: ", "RAW Load As", S::Keyword, keywords::RawLoadAs},
    {"RAW Header Size: ", "RAW Header Size"},
    {"RAW Image Width: ", "RAW Image Width"},
    {"RAW Image Height: ", "RAW Image Height"},
    {"RAW Tone Mapping: ", "RAW Tone Mapping", S::Keyword, keywords::RawToneMapping},
};

struct KindRows {
  std::string_view name;
  std::span<const ReportRow> rows;
};

constexpr std::array kInputKindRows = {
    KindRows{"dds", kDdsRows}, KindRows{"gif", kGifRows}, KindRows{"ico", kIcoRows},
    KindRows{"raw", kRawRows}, KindRows{"tiff", kTiffInputRows},
};

constexpr ReportRow kBmpRows[] = {
    {"BMP Compression: ", "BMP Compression", S::Keyword, keywords::Compression},
    {"BMP Color Table: ", "BMP Color Table", S::Keyword, keywords::BmpColorTable},
};
constexpr ReportRow kExrRows[] = {{"EXR Compression: ", "EXR Compression", S::Keyword, keywords::Compression}};
constexpr ReportRow kJpgRows[] = {
    {"JPG Quality: ", "JPG Quality", S::Number, 0, {}, Check::Range, 1, 100, "Error: Invalid jpg-quality value"},
    {"JPG Chroma Subsampling: ", "JPG Chroma", S::Keyword, keywords::JpgChroma},
    {"JPG Save As: ", "JPG Save As", S::Keyword, keywords::JpgSaveAs},
};
constexpr ReportRow kPngRows[] = {
    {"PNG Compression: ", "PNG Compression", S::Keyword, keywords::Compression},
    {"PNG Interlaced: ", "PNG Interlaced"},
};
constexpr ReportRow kTgaRows[] = {{"TGA Compression: ", "TGA Compression", S::Keyword, keywords::Compression}};
constexpr ReportRow kTiffOutputRows[] = {
    {"TIFF Compression: ", "TIFF Compression", S::Keyword, keywords::Compression},
    {"TIFF Color Model: ", "TIFF Color Model", S::Keyword, keywords::TiffColorModel},
};

constexpr std::array kOutputFormatRows = {
    KindRows{"bmp", kBmpRows}, KindRows{"exr", kExrRows}, KindRows{"jpg", kJpgRows},
    KindRows{"png", kPngRows}, KindRows{"tga", kTgaRows}, KindRows{"tiff", kTiffOutputRows},
};

constexpr ReportRow kRotationRows[] = {
    {"Image Rotation Type: ", "Image Rotation Type", S::Keyword, keywords::RotationType},
    {"Image Rotation: ", "Image Rotation"},
    {"Image Rotation Back Color: ", "Image Rotation Back Color", S::Text},
};
constexpr ReportRow kResizeRows[] = {
    {"Width: ", "Image Width", S::NumberAndUnit, keywords::SizeUnit, "Image Width Unit", Check::NonZero, 0, 0,
     "Error: Invalid width value"},
    {"Height: ", "Image Height", S::NumberAndUnit, keywords::SizeUnit, "Image Height Unit", Check::NonZero, 0, 0,
     "Error: Invalid height value"},
    {"Keep Aspect Ratio: ", "Keep Aspect Ratio"},
    {"Image Resize Type: ", "Image Resize Type", S::Keyword, keywords::ResizeType},
    {"Image Resize Algorithm: ", "Image Resize Algorithm", S::Keyword, keywords::ResizeAlgorithm},
};
constexpr ReportRow kFlipRows[] = {
    {"Flip Horizontal: ", "Do Image Flip Horizontal"},
    {"Flip Vertical: ", "Do Image Flip Vertical"},
};
constexpr ReportRow kColorRows[] = {
    {"Brightness: ", "Image Brightness", S::Number, 0, {}, Check::Range, -100, 100, "Error: Invalid brightness value"},
    {"Contrast: ", "Image Contrast", S::Number, 0, {}, Check::Range, -100, 100, "Error: Invalid contrast value"},
    {"Gamma: ", "Image Gamma", S::TwoDecimals, 0, {}, Check::FloatRange, 0.01, 9.99, "Error: Invalid gamma value"},
    {"Invert: ", "Image Invert"},
};
constexpr ReportRow kGreyscaleRows[] = {{"Greyscale: ", "Do Image Greyscale"}};
constexpr ReportRow kThresholdRows[] = {{"Image Threshold: ", "Image Threshold"}};
constexpr ReportRow kFrameTypeRows[] = {{"Frame: ", "Do Frame", S::Keyword, keywords::FrameType}};
constexpr ReportRow kFrameRows[] = {
    {"Frame left: ", "Solid Left"},
    {"Frame right: ", "Solid Right"},
    {"Frame top: ", "Solid Top"},
    {"Frame bottom: ", "Solid Bottom"},
    {"Frame left color: ", "Solid Left Color", S::Text},
    {"Frame right color: ", "Solid Right Color", S::Text},
    {"Frame top color: ", "Solid Top Color", S::Text},
    {"Frame bottom color: ", "Solid Bottom Color", S::Text},
    {"Frame opacity: ", "Solid Opacity"},
};
constexpr ReportRow kWatermarkTypeRows[] = {{"Watermark: ", "Do Watermark", S::Keyword, keywords::WatermarkType}};
constexpr ReportRow kTextWatermarkRows[] = {
    {"Watermark text: ", "Text", S::Text},
    {"Watermark font: ", "Font", S::Text},
    {"Watermark font size: ", "Font Size"},
    {"Watermark font leading: ", "Font Leading"},
    {"Watermark font color: ", "Font Color", S::Text},
    {"Watermark font style: ", "Font Style", S::Keyword, keywords::FontStyle},
    {"Watermark font effect: ", "Font Effect", S::Keyword, keywords::FontEffect},
    {"Watermark text antialiasing: ", "Text Antialiasing"},
    {"Watermark text alignment: ", "Text Alignment", S::Keyword, keywords::TextAlignment},
    {"Watermark text padding: ", "Text Padding"},
    {"Watermark text opacity: ", "Text Opacity"},
    {"Watermark background color: ", "Back Color", S::Text},
    {"Watermark background opacity: ", "Back Opacity"},
    {"Watermark boundary: ", "Text Boundary", S::Keyword, keywords::WatermarkBoundary},
    {"Watermark position: ", "Text Position", S::Keyword, keywords::WatermarkPosition},
    {"Watermark offset (x/y): ", "Text X Offset", S::NumberPair, 0, "Text Y Offset"},
    {"Watermark rotation: ", "Text Rotation"},
    {"Watermark size/mode: ", "Text Size", S::Keyword, keywords::WatermarkSize},
};
constexpr ReportRow kImageWatermarkRows[] = {
    {"Watermark image: ", "Image", S::Text},
    {"Watermark greyscale: ", "Image Greyscale"},
    {"Watermark opacity: ", "Image Opacity"},
    {"Watermark boundary: ", "Image Boundary", S::Keyword, keywords::WatermarkBoundary},
    {"Watermark position: ", "Image Position", S::Keyword, keywords::WatermarkPosition},
    {"Watermark offset (x/y): ", "Image X Offset", S::NumberPair, 0, "Image Y Offset"},
    {"Watermark rotation: ", "Image Rotation"},
    {"Watermark size/mode: ", "Image Size", S::Keyword, keywords::WatermarkSize},
};
constexpr ReportRow kNamingRows[] = {
    {"Filename Mask: ", "Filename Mask", S::Text},
    {"File Timestamp: ", "File Timestamp", S::Keyword, keywords::FileTimestamp},
};
constexpr ReportRow kCustomTimestampRows[] = {{"Custom Timestamp: ", "Custom Timestamp"}};
constexpr ReportRow kSubfolderRows[] = {{"Keep Subfolders: ", "Keep Subfolders"}};

// The image options in report order. The watermark's font and image checks follow the
// section of their watermark type.
constexpr std::array kImageSections = {
    ReportSection{"Transform", "Do Image Rotation", 1, kRotationRows},
    ReportSection{"Transform", "Do Image Resize", 1, kResizeRows},
    ReportSection{"Transform", {}, 0, kFlipRows},
    ReportSection{"Adjustment", "Do Image Color Correction", 1, kColorRows},
    ReportSection{"Adjustment", {}, 0, kGreyscaleRows},
    ReportSection{"Adjustment", "Do Image Threshold", 1, kThresholdRows},
    ReportSection{"Frame", {}, 0, kFrameTypeRows},
    ReportSection{"Frame", "Do Frame", 1, kFrameRows},
    ReportSection{"Watermark", {}, 0, kWatermarkTypeRows},
    ReportSection{"Watermark", "Do Watermark", 1, kTextWatermarkRows, SourceCheck::WatermarkFont},
    ReportSection{"Watermark", "Do Watermark", 2, kImageWatermarkRows, SourceCheck::WatermarkImage},
};
constexpr std::array kNamingSections = {
    ReportSection{"Advanced", {}, 0, kNamingRows},
    ReportSection{"Advanced", "File Timestamp", 2, kCustomTimestampRows},
    ReportSection{"Advanced", {}, 0, kSubfolderRows},
};

bool watermarkFontLoaded = false;

int64_t IntegerOf(std::string_view group, std::string_view key) {
  const SettingDescriptor* setting = FindSetting(group, key);
  return setting ? GetSettingInteger(*setting) : 0;
}

double RealOf(std::string_view group, std::string_view key) {
  const SettingDescriptor* setting = FindSetting(group, key);
  return setting ? GetSettingReal(*setting) : 0.0;
}

std::string TextOf(std::string_view group, std::string_view key) {
  const SettingDescriptor* setting = FindSetting(group, key);
  return setting ? GetSettingText(*setting) : std::string();
}

std::string Keyword(int kind, int64_t value, std::string_view format) {
  return ValueToKeyword(kind, static_cast<int32_t>(value), format);
}

std::string TwoDecimals(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

// `format` is the output extension whose compression keywords kind 4 means.
std::string ShownValue(const ReportRow& row, std::string_view group, std::string_view format) {
  const int64_t number = IntegerOf(group, row.key);
  switch (row.shown) {
    case Shown::Number: return std::to_string(number);
    case Shown::Keyword: return Keyword(row.keywordKind, number, format);
    case Shown::Text: return TextOf(group, row.key);
    case Shown::TwoDecimals: return TwoDecimals(RealOf(group, row.key));
    case Shown::NumberAndUnit:
      return std::to_string(number) + " " + Keyword(row.keywordKind, IntegerOf(group, row.secondKey), format);
    case Shown::NumberPair: return std::to_string(number) + "/" + std::to_string(IntegerOf(group, row.secondKey));
  }
  return {};
}

// A real as it was most likely written: the shortest text that reads back as the same float.
std::string ShortestReal(double value) {
  if (!std::isfinite(value)) return FormatIniReal(value);  // "NaN", "+Infinity", "-Infinity"
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, static_cast<float>(value)).ptr;
  return std::string(text, end);
}

// The value a check looked at, for its error line.
std::string CheckedValue(const ReportRow& row, std::string_view group) {
  if (row.check == Check::FloatRange) return ShortestReal(RealOf(group, row.key));
  return std::to_string(IntegerOf(group, row.key));
}

// The failed value as the user typed it, with the number it was read as when that differs
// ("4294967391" read as 2147483647, "abc" read as 0).
bool FailCheck(const ReportRow& row, std::string_view group) {
  const std::string checked = CheckedValue(row, group);
  const std::string typed = TypedNumberText(group, row.key);
  if (typed.empty() || typed == checked) {
    PrintErrorLine(NamingValue(row.error, checked));
  } else {
    PrintErrorLine(NamingValue(row.error, typed, "read as " + checked));
  }
  return false;
}

bool Passes(const ReportRow& row, std::string_view group) {
  switch (row.check) {
    case Check::None: return true;
    case Check::NonZero: return IntegerOf(group, row.key) != 0;
    case Check::Range: {
      const auto value = static_cast<double>(IntegerOf(group, row.key));
      return value >= row.low && value <= row.high;
    }
    case Check::FloatRange: {
      // Written so that NaN fails: it would poison the gamma curve.
      const float value = static_cast<float>(RealOf(group, row.key));
      return value >= static_cast<float>(row.low) && value <= static_cast<float>(row.high);
    }
  }
  return true;
}

bool SectionApplies(const ReportSection& section) {
  return section.conditionKey.empty() || IntegerOf(section.group, section.conditionKey) == section.conditionValue;
}

void PrintRow(const ReportRow& row, std::string_view group, std::string_view format) {
  PrintLine(std::string(row.label) + ShownValue(row, group, format));
}

// Prints each row (with debug) and checks it at once; false after the first error line.
bool ReportAndCheck(std::span<const ReportRow> rows, std::string_view group, bool debug) {
  for (const ReportRow& row : rows) {
    if (debug) PrintRow(row, group, {});
    if (!Passes(row, group)) return FailCheck(row, group);
  }
  return true;
}

// The watermark font is loaded here, once, and kept in its slot for the watermark step.
bool CheckSource(SourceCheck check) {
  switch (check) {
    case SourceCheck::None: return true;
    case SourceCheck::WatermarkFont:
      ReleaseWatermarkFont();
      if (!LoadFont(kWatermarkFontSlot, Settings.font, Settings.fontSize,
                    FontStyleFlags(Settings.fontStyle) + FontEffectFlags(Settings.fontEffect))) {
        PrintErrorLine(NamingValue("Error: Invalid watermark font", Settings.font));
        return false;
      }
      watermarkFontLoaded = true;
      return true;
    case SourceCheck::WatermarkImage:
      if (FileSize(Settings.image) <= 0) {
        PrintErrorLine(NamingValue("Error: Invalid watermark image", AbsolutePath(Settings.image)));
        return false;
      }
      return true;
  }
  return true;
}

bool RunSections(std::span<const ReportSection> sections, bool debug) {
  for (const ReportSection& section : sections) {
    if (!SectionApplies(section)) continue;
    if (!ReportAndCheck(section.rows, section.group, debug)) return false;
    if (!CheckSource(section.after)) return false;
  }
  return true;
}

std::span<const ReportRow> RowsOf(std::span<const KindRows> table, std::string_view name) {
  for (const KindRows& entry : table) {
    if (entry.name == name) return entry.rows;
  }
  return {};
}

}  // namespace

void ReportInputKindOptions(const std::string& inputKind, bool debug) {
  if (!debug) return;
  for (const ReportRow& row : RowsOf(kInputKindRows, inputKind)) PrintRow(row, "Input", {});
}

bool CheckOutputFormatOptions(const std::string& extension, bool debug) {
  const std::string depthKey = base::UpperAscii(extension) + " BPP";
  const int64_t depth = IntegerOf("Output", depthKey);
  const std::span<const ReportRow> rows = RowsOf(kOutputFormatRows, extension);
  if (debug) {
    PrintLine(depthKey + ": " + std::to_string(depth));
    for (const ReportRow& row : rows) PrintRow(row, "Output", extension);
  }
  if (!IsAllowedBpp(extension, static_cast<int>(depth))) {
    PrintErrorLine(NamingValue("Error: Invalid " + extension + "-bpp value", std::to_string(depth)));
    return false;
  }
  for (const ReportRow& row : rows) {
    if (!Passes(row, "Output")) return FailCheck(row, "Output");
  }
  return true;
}

bool CheckImageOptions(bool debug) {
  return RunSections(kImageSections, debug) && RunSections(kNamingSections, debug);
}

void ReleaseWatermarkFont() {
  if (!watermarkFontLoaded) return;
  FreeFont(kWatermarkFontSlot);
  watermarkFontLoaded = false;
}

}  // namespace vecrast
