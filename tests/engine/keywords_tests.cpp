#include "engine/keywords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace vecrast {
namespace {

struct ExactPair {
  int kind;
  const char* keyword;
  int32_t value;
};

// Pairs pinned by hand, one or more per kind, so that a typo in a table cannot hide behind a round
// trip that only checks the table against itself.
constexpr ExactPair kPinnedPairs[] = {
    {keywords::DdsLoadAs, "RGBA", 2},
    {keywords::RawLoadAs, "AUTO", 0},
    {keywords::RawLoadAs, "8", 1},
    {keywords::RawLoadAs, "16", 2},
    {keywords::RawLoadAs, "24", 3},
    {keywords::RawLoadAs, "48HS", 4},
    {keywords::RawLoadAs, "48", 5},
    {keywords::FrameLoading, "RANDOM", 4},
    {keywords::RawToneMapping, "DRR", 3},
    {keywords::RawToneMapping, "GD", 4},
    {keywords::Compression, "PXR24", 3},
    {keywords::Compression, "LOGLUV", 8},
    {keywords::Compression, "ADOBEDEFLATE", 5},
    {keywords::BmpColorTable, "EXACT", 1},
    {keywords::TiffColorModel, "LAB", 2},
    {keywords::JpgChroma, "HIGH", 3},
    {keywords::JpgSaveAs, "PROGRESSIVE", 3},
    {keywords::RotationType, "ADVANCED", 1},
    {keywords::SizeUnit, "PERCENT", 1},
    {keywords::ResizeType, "LARGEIMAGES", 1},
    {keywords::ResizeAlgorithm, "CATMULLROM", 4},
    {keywords::ResizeAlgorithm, "LANCZOS", 5},
    {keywords::FontStyle, "BOLDITALIC", 3},
    {keywords::FontEffect, "STRIKETHROUGHT", 2},
    {keywords::TextAlignment, "RIGHT", 2},
    {keywords::WatermarkBoundary, "FRAME", 1},
    {keywords::WatermarkPosition, "MIDDLECENTER", 4},
    {keywords::WatermarkPosition, "BOTTOMRIGHT", 8},
    {keywords::WatermarkSize, "FIXED", 0},
    {keywords::FileTimestamp, "CUSTOM", 2},
};

TEST(KeywordToValue, PinnedPairsParseInAnyLetterCase) {
  for (const ExactPair& pair : kPinnedPairs) {
    std::string lower = pair.keyword;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(KeywordToValue(pair.kind, pair.keyword), pair.value) << pair.keyword;
    EXPECT_EQ(KeywordToValue(pair.kind, lower), pair.value) << lower;
  }
  EXPECT_EQ(KeywordToValue(keywords::JpgSaveAs, "ProGressive"), 3);
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Every kind has keywords, and every keyword round-trips: it reads as its value, and that
// value prints as the first keyword carrying it, which reads as the same value again.
TEST(KeywordToValue, EveryKeywordRoundTrips) {
  for (int kind = 0; kind < keywords::KindCount; ++kind) {
    ASSERT_FALSE(KeywordTable(kind).empty()) << "kind " << kind;
    const bool parsed = kind != keywords::FrameType && kind != keywords::WatermarkType;
    const std::span<const KeywordPair> table = KeywordTable(kind);
    for (const KeywordPair& pair : table) {
      const auto first = std::find_if(table.begin(), table.end(), [&](const KeywordPair& p) { return p.value == pair.value; });
      const std::string printed = ValueToKeyword(kind, pair.value);
      EXPECT_EQ(Upper(printed), first->keyword) << kind << " " << pair.keyword;
      if (!parsed) continue;
      EXPECT_EQ(KeywordToValue(kind, pair.keyword), pair.value) << kind << " " << pair.keyword;
      EXPECT_EQ(KeywordToValue(kind, Upper(printed)), pair.value) << kind << " " << printed;
    }
  }
  EXPECT_TRUE(KeywordTable(-1).empty());
  EXPECT_TRUE(KeywordTable(keywords::KindCount).empty());
}

TEST(KeywordToValue, EveryKeywordOfAParsableKindReadsBackItsValue) {
  for (int kind = 0; kind < keywords::KindCount; ++kind) {
    if (kind == keywords::FrameType || kind == keywords::WatermarkType) continue;
    for (const KeywordPair& pair : KeywordTable(kind)) {
      EXPECT_EQ(KeywordToValue(kind, pair.keyword), pair.value) << kind << " " << pair.keyword;
    }
  }
}

TEST(KeywordToValue, UnknownTextsGiveZero) {
  EXPECT_EQ(KeywordToValue(keywords::JpgSaveAs, "FAST"), 0);
  EXPECT_EQ(KeywordToValue(keywords::JpgSaveAs, ""), 0);
  EXPECT_EQ(KeywordToValue(keywords::JpgSaveAs, " PROGRESSIVE"), 0);  // the caller trims
  EXPECT_EQ(KeywordToValue(keywords::JpgSaveAs, std::string_view("PROGRESSIVE\0", 12)), 0);
  // Whole-text comparison: no prefix matches in either direction.
  EXPECT_EQ(KeywordToValue(keywords::RawLoadAs, "48H"), 0);
  EXPECT_EQ(KeywordToValue(keywords::RawLoadAs, "48HSX"), 0);
  EXPECT_EQ(KeywordToValue(keywords::ResizeAlgorithm, "BI"), 0);
  // A keyword of another kind is no keyword here.
  EXPECT_EQ(KeywordToValue(keywords::JpgSaveAs, "HIGH"), 0);
  EXPECT_EQ(KeywordToValue(keywords::FontEffect, "STRIKETHROUGH"), 0);
  EXPECT_EQ(KeywordToValue(keywords::WatermarkSize, "FIT"), 0);
  EXPECT_EQ(KeywordToValue(keywords::WatermarkSize, "SCALE"), 0);
}

TEST(KeywordToValue, KindsWithoutAParsingTableGiveZero) {
  EXPECT_EQ(KeywordToValue(keywords::FrameType, "SOLID"), 0);
  EXPECT_EQ(KeywordToValue(keywords::WatermarkType, "IMAGE"), 0);
  EXPECT_EQ(KeywordToValue(keywords::KindCount, "AUTO"), 0);
  EXPECT_EQ(KeywordToValue(1000, "AUTO"), 0);
  EXPECT_EQ(KeywordToValue(-1, "BGRA"), 0);
}

TEST(KeywordToValue, CompressionAcceptsKeywordsOfEveryFormat) {
  struct Case {
    const char* keyword;
    int32_t value;
  };
  constexpr Case kCases[] = {{"none", 0},      {"rle", 1},      {"zip", 1},      {"piz", 2},
                             {"b44", 4},       {"zlib1", 1},    {"zlib6", 2},    {"zlib9", 3},
                             {"ccittfax3", 1}, {"ccittfax4", 2}, {"packbits", 3}, {"deflate", 4},
                             {"lzw", 6},       {"jpeg", 7}};
  for (const Case& c : kCases) {
    EXPECT_EQ(KeywordToValue(keywords::Compression, c.keyword), c.value) << c.keyword;
  }
}

TEST(ValueToKeyword, PrintsLowerCase) {
  EXPECT_EQ(ValueToKeyword(keywords::DdsLoadAs, 0), "auto");
  EXPECT_EQ(ValueToKeyword(keywords::RawLoadAs, 4), "48hs");
  EXPECT_EQ(ValueToKeyword(keywords::RawLoadAs, 5), "48");
  EXPECT_EQ(ValueToKeyword(keywords::JpgSaveAs, 3), "progressive");
  EXPECT_EQ(ValueToKeyword(keywords::TiffColorModel, 2), "lab");
  EXPECT_EQ(ValueToKeyword(keywords::FontEffect, 2), "strikethrought");
  EXPECT_EQ(ValueToKeyword(keywords::FrameType, 1), "solid");
  EXPECT_EQ(ValueToKeyword(keywords::WatermarkType, 2), "image");
  EXPECT_EQ(ValueToKeyword(keywords::FileTimestamp, 1), "original");
}

TEST(ValueToKeyword, ValuesWithoutAKeywordGiveEmpty) {
  EXPECT_EQ(ValueToKeyword(keywords::JpgChroma, 7), "");
  EXPECT_EQ(ValueToKeyword(keywords::JpgChroma, -1), "");
  EXPECT_EQ(ValueToKeyword(keywords::WatermarkSize, 1), "");
  EXPECT_EQ(ValueToKeyword(keywords::KindCount, 0), "");
  EXPECT_EQ(ValueToKeyword(-5, 0), "");
  EXPECT_EQ(ValueToKeyword(keywords::JpgSaveAs, INT32_MIN), "");
}

TEST(ValueToKeyword, EveryValueOfAPlainKindReadsBackItsKeyword) {
  for (int kind = 0; kind < keywords::KindCount; ++kind) {
    if (kind == keywords::Compression) continue;
    std::set<int32_t> values;
    for (const KeywordPair& pair : KeywordTable(kind)) {
      EXPECT_TRUE(values.insert(pair.value).second) << "duplicate value in kind " << kind;
      std::string printed = ValueToKeyword(kind, pair.value);
      for (char& c : printed) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      EXPECT_EQ(printed, pair.keyword) << "kind " << kind;
    }
  }
}

TEST(ValueToKeyword, CompressionPrintsFromTheSettingsOwnFormat) {
  EXPECT_EQ(ValueToKeyword(keywords::Compression, 1, "png"), "zlib1");
  EXPECT_EQ(ValueToKeyword(keywords::Compression, 1, "tiff"), "ccittfax3");
  EXPECT_EQ(ValueToKeyword(keywords::Compression, 1, "bmp"), "rle");
  EXPECT_EQ(ValueToKeyword(keywords::Compression, 1, "tga"), "rle");
  EXPECT_EQ(ValueToKeyword(keywords::Compression, 1, "exr"), "zip");
  EXPECT_EQ(ValueToKeyword(keywords::Compression, 4, "exr"), "b44");
  EXPECT_EQ(ValueToKeyword(keywords::Compression, 8, "tiff"), "logluv");
  EXPECT_EQ(ValueToKeyword(keywords::Compression, 0, "PNG"), "none");
  // Values beyond the format's group have no keyword, even where another format has one.
  EXPECT_EQ(ValueToKeyword(keywords::Compression, 2, "bmp"), "");
  EXPECT_EQ(ValueToKeyword(keywords::Compression, 4, "png"), "");
  EXPECT_EQ(ValueToKeyword(keywords::Compression, 9, "tiff"), "");
  EXPECT_EQ(ValueToKeyword(keywords::Compression, -1, "tiff"), "");
  // Without a known format the whole table is searched.
  EXPECT_EQ(ValueToKeyword(keywords::Compression, 1), "rle");
  EXPECT_EQ(ValueToKeyword(keywords::Compression, 8, "jpg"), "logluv");
  // The format is ignored for the other kinds.
  EXPECT_EQ(ValueToKeyword(keywords::JpgSaveAs, 1, "png"), "simple");
}

TEST(ValueToKeyword, CompressionGroupsAgreeWithTheParsingTable) {
  for (const char* format : {"bmp", "exr", "png", "tga", "tiff"}) {
    std::span<const std::string_view> group = CompressionKeywords(format);
    ASSERT_FALSE(group.empty()) << format;
    for (size_t value = 0; value < group.size(); ++value) {
      EXPECT_EQ(KeywordToValue(keywords::Compression, group[value]), static_cast<int32_t>(value))
          << format << " " << group[value];
      EXPECT_EQ(Upper(ValueToKeyword(keywords::Compression, static_cast<int32_t>(value), format)), group[value])
          << format << " " << value;
    }
  }
  EXPECT_TRUE(CompressionKeywords("jpg").empty());
  EXPECT_TRUE(CompressionKeywords("").empty());
}

}  // namespace
}  // namespace vecrast
