#include "engine/keywords.h"

#include <array>

#include "base/ascii_case.h"

namespace vecrast {
namespace {

constexpr KeywordPair kDdsLoadAs[] = {{"AUTO", 0}, {"BGRA", 1}, {"RGBA", 2}};

constexpr KeywordPair kRawLoadAs[] = {{"AUTO", 0}, {"8", 1},    {"16", 2},
                                      {"24", 3},   {"48HS", 4}, {"48", 5}};

constexpr KeywordPair kFrameLoading[] = {
    {"ALL", 0}, {"FIRST", 1}, {"MIDDLE", 2}, {"LAST", 3}, {"RANDOM", 4}};

constexpr KeywordPair kRawToneMapping[] = {
    {"NONE", 0}, {"LINEAR", 1}, {"AL", 2}, {"DRR", 3}, {"GD", 4}};

// One table for all five compression settings; each value counts within its format's group
// (see kCompressionGroups), so several keywords share a value.
constexpr KeywordPair kCompression[] = {
    {"NONE", 0},      {"RLE", 1},          {"ZIP", 1},   {"PIZ", 2},       {"PXR24", 3},
    {"B44", 4},       {"ZLIB1", 1},        {"ZLIB6", 2}, {"ZLIB9", 3},     {"CCITTFAX3", 1},
    {"CCITTFAX4", 2}, {"PACKBITS", 3},     {"DEFLATE", 4}, {"ADOBEDEFLATE", 5}, {"LZW", 6},
    {"JPEG", 7},      {"LOGLUV", 8}};

constexpr KeywordPair kBmpColorTable[] = {{"AUTO", 0}, {"EXACT", 1}};

constexpr KeywordPair kTiffColorModel[] = {{"RGB", 0}, {"CMYK", 1}, {"LAB", 2}};

constexpr KeywordPair kJpgChroma[] = {{"NONE", 0}, {"LOW", 1}, {"MEDIUM", 2}, {"HIGH", 3}};

constexpr KeywordPair kJpgSaveAs[] = {
    {"STANDARD", 0}, {"SIMPLE", 1}, {"OPTIMIZED", 2}, {"PROGRESSIVE", 3}};

constexpr KeywordPair kRotationType[] = {{"SIMPLE", 0}, {"ADVANCED", 1}};

constexpr KeywordPair kSizeUnit[] = {{"PIXELS", 0}, {"PERCENT", 1}};

constexpr KeywordPair kResizeType[] = {{"ALLIMAGES", 0}, {"LARGEIMAGES", 1}};

constexpr KeywordPair kResizeAlgorithm[] = {{"BOX", 0},        {"BILINEAR", 1},
                                            {"BSPLINE", 2},    {"BICUBIC", 3},
                                            {"CATMULLROM", 4}, {"LANCZOS", 5}};

constexpr KeywordPair kFrameType[] = {{"NONE", 0}, {"SOLID", 1}};

constexpr KeywordPair kWatermarkType[] = {{"NONE", 0}, {"TEXT", 1}, {"IMAGE", 2}};

constexpr KeywordPair kFontStyle[] = {
    {"REGULAR", 0}, {"BOLD", 1}, {"ITALIC", 2}, {"BOLDITALIC", 3}};

// "STRIKETHROUGHT" is the established keyword: it is both accepted and printed.
constexpr KeywordPair kFontEffect[] = {{"NONE", 0}, {"UNDERLINE", 1}, {"STRIKETHROUGHT", 2}};

constexpr KeywordPair kTextAlignment[] = {{"LEFT", 0}, {"CENTER", 1}, {"RIGHT", 2}};

constexpr KeywordPair kWatermarkBoundary[] = {{"IMAGE", 0}, {"FRAME", 1}};

constexpr KeywordPair kWatermarkPosition[] = {
    {"TOPLEFT", 0},    {"TOPCENTER", 1},    {"TOPRIGHT", 2},
    {"MIDDLELEFT", 3}, {"MIDDLECENTER", 4}, {"MIDDLERIGHT", 5},
    {"BOTTOMLEFT", 6}, {"BOTTOMCENTER", 7}, {"BOTTOMRIGHT", 8}};

constexpr KeywordPair kWatermarkSize[] = {{"FIXED", 0}};

constexpr KeywordPair kFileTimestamp[] = {{"CURRENT", 0}, {"ORIGINAL", 1}, {"CUSTOM", 2}};

// Indexed by kind.
constexpr std::array<std::span<const KeywordPair>, keywords::KindCount> kTables = {
    kDdsLoadAs,      kRawLoadAs,     kFrameLoading,      kRawToneMapping,    kCompression,
    kBmpColorTable,  kTiffColorModel, kJpgChroma,        kJpgSaveAs,         kRotationType,
    kSizeUnit,       kResizeType,    kResizeAlgorithm,   kFrameType,         kWatermarkType,
    kFontStyle,      kFontEffect,    kTextAlignment,     kWatermarkBoundary, kWatermarkPosition,
    kWatermarkSize,  kFileTimestamp};

constexpr std::string_view kBmpTgaCompression[] = {"NONE", "RLE"};
constexpr std::string_view kExrCompression[] = {"NONE", "ZIP", "PIZ", "PXR24", "B44"};
constexpr std::string_view kPngCompression[] = {"NONE", "ZLIB1", "ZLIB6", "ZLIB9"};
constexpr std::string_view kTiffCompression[] = {
    "NONE", "CCITTFAX3", "CCITTFAX4", "PACKBITS", "DEFLATE", "ADOBEDEFLATE", "LZW", "JPEG", "LOGLUV"};

struct CompressionGroup {
  std::string_view format;
  std::span<const std::string_view> keywords;
};

constexpr CompressionGroup kCompressionGroups[] = {{"bmp", kBmpTgaCompression},
                                                   {"exr", kExrCompression},
                                                   {"png", kPngCompression},
                                                   {"tga", kBmpTgaCompression},
                                                   {"tiff", kTiffCompression}};

bool IsParsableKind(int kind) {
  return kind != keywords::FrameType && kind != keywords::WatermarkType;
}

}  // namespace

std::span<const KeywordPair> KeywordTable(int kind) {
  if (kind < 0 || kind >= keywords::KindCount) return {};
  return kTables[static_cast<size_t>(kind)];
}

std::span<const std::string_view> CompressionKeywords(std::string_view format) {
  for (const CompressionGroup& group : kCompressionGroups) {
    if (base::EqualsIgnoringAsciiCase(format, group.format)) return group.keywords;
  }
  return {};
}

int32_t KeywordToValue(int kind, std::string_view text) {
  if (!IsParsableKind(kind)) return 0;
  for (const KeywordPair& pair : KeywordTable(kind)) {
    if (base::EqualsIgnoringAsciiCase(text, pair.keyword)) return pair.value;
  }
  return 0;
}

std::string ValueToKeyword(int kind, int32_t value, std::string_view format) {
  if (kind == keywords::Compression) {
    std::span<const std::string_view> group = CompressionKeywords(format);
    if (!group.empty()) {
      if (value < 0 || static_cast<size_t>(value) >= group.size()) return {};
      return base::LowerAscii(group[static_cast<size_t>(value)]);
    }
  }
  for (const KeywordPair& pair : KeywordTable(kind)) {
    if (pair.value == value) return base::LowerAscii(pair.keyword);
  }
  return {};
}

}  // namespace vecrast
