// Keyword tables of the small enumerated options: the command line writes them as keywords
// ("--JPG-SAVE-AS=PROGRESSIVE"), the settings hold them as numbers, and the console report prints
// them back in lower case. Pure data: no FreeImage, no settings.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vecrast {

namespace keywords {

// The kind numbers that select a table.
enum Kind : int {
  DdsLoadAs = 0,
  RawLoadAs = 1,
  FrameLoading = 2,        // GIF, ICO and TIFF frame loading
  RawToneMapping = 3,
  Compression = 4,         // BMP, EXR, PNG, TGA and TIFF compression, grouped by format
  BmpColorTable = 5,
  TiffColorModel = 6,
  JpgChroma = 7,
  JpgSaveAs = 8,
  RotationType = 9,
  SizeUnit = 10,           // image width unit and image height unit
  ResizeType = 11,
  ResizeAlgorithm = 12,
  FrameType = 13,          // printing only
  WatermarkType = 14,      // printing only
  FontStyle = 15,
  FontEffect = 16,
  TextAlignment = 17,
  WatermarkBoundary = 18,  // text and image boundary
  WatermarkPosition = 19,  // text and image position
  WatermarkSize = 20,      // text and image size
  FileTimestamp = 21,
  KindCount = 22,
};

}  // namespace keywords

struct KeywordPair {
  std::string_view keyword;  // upper case
  int32_t value;
};

// The pairs of a kind in table order; empty for a kind without a table. Kinds 13 and 14 have a
// table (it is used for printing) although KeywordToValue does not parse them.
std::span<const KeywordPair> KeywordTable(int kind);

// The keywords of one compression format ("bmp", "exr", "png", "tga", "tiff"; any letter case),
// in value order: the value of a keyword is its position. Empty for any other format.
std::span<const std::string_view> CompressionKeywords(std::string_view format);

// The value of the first pair of `kind` whose keyword equals `text` upper-cased (whole text, no
// trimming). 0 for a text that matches nothing, for the printing-only kinds 13 and 14, and for a
// kind outside 0..21. Kind 4 accepts the keywords of every format.
int32_t KeywordToValue(int kind, std::string_view text);

// The keyword that carries `value` in `kind`, in lower case; empty when no keyword carries it or
// the kind has no table. `format` matters only for kind 4: the keyword comes from that format's
// group ("png" 1 gives "zlib1", "tiff" 1 gives "ccittfax3"); with an empty or unknown format the
// first pair of the whole table that carries the value is taken.
std::string ValueToKeyword(int kind, int32_t value, std::string_view format = {});

}  // namespace vecrast
