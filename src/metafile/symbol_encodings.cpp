#include "metafile/symbol_encodings.h"

#include <algorithm>
#include <iterator>

namespace metafile {

namespace {

struct ByteMapping {
  uint8_t byte;
  char32_t code;
};

// MT Extra, the equation editor's second symbol face, after the maker's published encoding
// table (Design Science, MathType technical support, "MT Extra" font encoding, mtextra.htm).
// Euclid Extra, the same maker's face for its other products, keeps these positions. Glyphs
// the table maps into the private use area (bracket and brace pieces, wide accents, arrow
// extenders, the maker's logo) have no Unicode equivalent and are left out: they draw as
// the missing-glyph box. The accents and the arrows over a character are the combining
// characters the table gives. The accents (0x23 to 0x26) sit where the combining forms
// sit, centred in the advance the record gives them. The arrows (0x72 to 0x77) the equation
// editor sets on a baseline of their own just above the character: they start at the pen
// and are centred on that baseline, where the face drew them.
constexpr ByteMapping kMtExtra[] = {
    {0x20, 0x0020}, {0x23, 0x0300}, {0x24, 0x0302}, {0x25, 0x0303}, {0x26, 0x0307}, {0x28, 0x2323},
    {0x29, 0x2322}, {0x3A, 0x223C}, {0x3B, 0x2243}, {0x3C, 0x22B2}, {0x3D, 0x226A}, {0x3E, 0x22B3},
    {0x3F, 0x226B}, {0x40, 0x225C}, {0x41, 0x2259}, {0x42, 0x2250}, {0x43, 0x2210}, {0x44, 0x019B},
    {0x49, 0x2229}, {0x4A, 0x2127}, {0x4B, 0x2026}, {0x4C, 0x22EF}, {0x4D, 0x22EE}, {0x4E, 0x22F0},
    {0x4F, 0x22F1}, {0x50, 0x2225}, {0x51, 0x2235}, {0x52, 0x2221}, {0x53, 0x2222}, {0x55, 0x222A},
    {0x56, 0x25B3}, {0x57, 0x25A1}, {0x58, 0x25AD}, {0x59, 0x25B1}, {0x5A, 0x2197}, {0x5B, 0x2199},
    {0x5D, 0x2198}, {0x5E, 0x2196}, {0x60, 0x2035}, {0x61, 0x21A6}, {0x62, 0x2195}, {0x63, 0x21D5},
    {0x64, 0x25CB}, {0x65, 0x2299}, {0x66, 0x227B}, {0x68, 0x210F}, {0x6C, 0x2113}, {0x6D, 0x2213},
    {0x6F, 0x2218}, {0x70, 0x227A}, {0x72, 0x20D7}, {0x73, 0x20D6}, {0x74, 0x20E1}, {0x76, 0x20D1},
    {0x77, 0x20D0}, {0x7B, 0xFE38}, {0x7D, 0xFE37}, {0x80, 0x21C4}, {0x83, 0x21CC}, {0x86, 0x21C0},
    {0x87, 0x21BD}, {0xA1, 0x211D}, {0xA2, 0x2124}, {0xA3, 0x2102}, {0xA4, 0x211A}, {0xA5, 0x2115},
    {0xA7, 0x301A}, {0xA8, 0x301B}, {0xE8, 0x0160}, {0xE9, 0x00DD}, {0xEA, 0x00DE}, {0xEB, 0x00D0},
    {0xEC, 0x0161}, {0xED, 0x00FD}, {0xEE, 0x00FE}, {0xEF, 0x00F0}, {0xF0, 0xFB01}, {0xF1, 0xFB02},
    {0xF2, 0x0131}, {0xF3, 0x00B9}, {0xF4, 0x00B2}, {0xF5, 0x00B3}, {0xF6, 0x00BD}, {0xF7, 0x00BC},
    {0xF8, 0x00BE}, {0xF9, 0x2044}, {0xFA, 0x00A6}, {0xFB, 0x02DD}, {0xFC, 0x02D8}, {0xFD, 0x02C7},
    {0xFE, 0x02DA}, {0xFF, 0x02DB},
};

constexpr bool ByByte(const ByteMapping& a, const ByteMapping& b) { return a.byte < b.byte; }
static_assert(std::is_sorted(std::begin(kMtExtra), std::end(kMtExtra), ByByte));

// Euclid Math One and Two after the maker's character charts of the two faces (Design
// Science, euclid_math1_plain and euclid_math2_plain), as transcribed in the font maps of
// transpect's docx2hub: the capitals of One are script capitals, those of Two double-struck
// capitals; Two also has the proper subset and superset relations with a stroke. Unicode
// keeps the letters it had encoded before the mathematical alphabets (script B, double-
// struck C ...) in the Letterlike Symbols block, where the alphabets leave holes.
constexpr char32_t kScriptCapitals[26] = {
    0x1D49C, 0x212C, 0x1D49E, 0x1D49F, 0x2130, 0x2131, 0x1D4A2, 0x210B, 0x2110, 0x1D4A5, 0x1D4A6, 0x2112, 0x2133,
    0x1D4A9, 0x1D4AA, 0x1D4AB, 0x1D4AC, 0x211B, 0x1D4AE, 0x1D4AF, 0x1D4B0, 0x1D4B1, 0x1D4B2, 0x1D4B3, 0x1D4B4, 0x1D4B5,
};
constexpr char32_t kDoubleStruckCapitals[26] = {
    0x1D538, 0x1D539, 0x2102, 0x1D53B, 0x1D53C, 0x1D53D, 0x1D53E, 0x210D, 0x1D540, 0x1D541, 0x1D542, 0x1D543, 0x1D544,
    0x2115, 0x1D546, 0x2119, 0x211A, 0x211D, 0x1D54A, 0x1D54B, 0x1D54C, 0x1D54D, 0x1D54E, 0x1D54F, 0x1D550, 0x2124,
};
constexpr ByteMapping kEuclidMathTwoRelations[] = {{0xD8, 0x228A}, {0xD9, 0x228B}};

template <size_t N>
char32_t Lookup(const ByteMapping (&table)[N], uint8_t byte) {
  const auto it = std::lower_bound(std::begin(table), std::end(table), byte,
                                   [](const ByteMapping& m, uint8_t b) { return m.byte < b; });
  return it != std::end(table) && it->byte == byte ? it->code : 0;
}

constexpr uint8_t kFirstArrowOver = 0x72, kLastArrowOver = 0x77;

char32_t Capital(const char32_t (&capitals)[26], uint8_t byte) {
  if (byte == ' ') return U' ';
  return byte >= 'A' && byte <= 'Z' ? capitals[byte - 'A'] : 0;
}

}  // namespace

char32_t MappedSymbolCharacter(TextEncoding encoding, uint8_t byte) {
  switch (encoding) {
    case TextEncoding::kMtExtra: return Lookup(kMtExtra, byte);
    case TextEncoding::kEuclidMathOne: return Capital(kScriptCapitals, byte);
    case TextEncoding::kEuclidMathTwo: {
      const char32_t relation = Lookup(kEuclidMathTwoRelations, byte);
      return relation ? relation : Capital(kDoubleStruckCapitals, byte);
    }
    case TextEncoding::kCodePage:
    case TextEncoding::kSymbol: break;
  }
  return 0;
}

bool CentredOnBaseline(TextEncoding encoding, uint8_t byte) {
  return encoding == TextEncoding::kMtExtra && byte >= kFirstArrowOver && byte <= kLastArrowOver &&
         MappedSymbolCharacter(encoding, byte) != 0;
}

}  // namespace metafile
