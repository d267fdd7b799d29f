// Text bytes of a metafile to Unicode, by the font's character set: the Windows code pages
// for the single-byte sets, the double-byte code pages for the East Asian sets, and the
// Symbol encoding for symbol fonts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/utf8.h"

namespace metafile {

enum CharSet : uint8_t {
  kAnsiCharset = 0, kDefaultCharset = 1, kSymbolCharset = 2, kMacCharset = 77, kShiftJisCharset = 128,
  kHangulCharset = 129, kJohabCharset = 130, kGb2312Charset = 134, kBig5Charset = 136,
  kGreekCharset = 161, kTurkishCharset = 162, kVietnameseCharset = 163, kHebrewCharset = 177,
  kArabicCharset = 178, kBalticCharset = 186, kRussianCharset = 204, kThaiCharset = 222,
  kEastEuropeCharset = 238, kOemCharset = 255,
};

// How the bytes of a string are read.
enum class TextEncoding : uint8_t {
  kCodePage,       // the code page of the font's character set
  kSymbol,         // the Symbol encoding
  kMtExtra,        // the equation editors' symbol faces (symbol_encodings.h): MT Extra,
  kEuclidMathOne,  // Euclid Extra, Euclid Math One and Two
  kEuclidMathTwo,
};

struct DecodedChar {
  char32_t code = 0;
  uint16_t byteCount = 1;  // bytes of the string this character was made from (1 or 2)
  uint8_t firstByte = 0;   // the (lead) byte, for symbol fonts looked up by glyph name
  bool glyphIndex = false; // `code` is a glyph index in the font, not a character
};

// The code page a character set stands for (1252 for ANSI, DEFAULT and unknown sets).
int CodePageForCharset(uint8_t charSet);

// Decodes `count` bytes. Symbol text maps byte by byte through the Symbol encoding, the
// equation editors' faces through their tables; code page text through the code page of
// `charSet`, two bytes a character for lead bytes of the double-byte pages. A byte that is
// not a character of its code page keeps its own value; one without a character in a
// symbol encoding becomes U+F000 plus the byte, where symbol fonts keep their glyphs.
std::vector<DecodedChar> DecodeText(const uint8_t* bytes, size_t count, TextEncoding encoding,
                                    uint8_t charSet);

// The Unicode character of a byte in the Symbol encoding (0 for bytes without one).
char32_t SymbolToUnicode(uint8_t byte);
// The glyph name of a byte in the Symbol encoding, or null.
const char* SymbolGlyphName(uint8_t byte);

// A face name as stored in a font record (bytes up to the first zero) to UTF-8.
std::string DecodeFaceName(const std::string& raw, uint8_t charSet);

// Appends a code point as UTF-8.
using base::AppendUtf8;

}  // namespace metafile
