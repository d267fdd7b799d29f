// Text bytes to Unicode by character set, string layout and alignment arithmetic, the
// intensity blend of glyph coverage, and text records that lie about their sizes.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "metafile/charset_decode.h"
#include "metafile/text_layout.h"
#include "metafile/text_paint.h"
#include "render_helpers.h"

namespace {

using metafile::DecodedChar;
using metafile::DecodeText;
using metafile::TextEncoding;

std::vector<char32_t> Decode(const std::string& bytes, uint8_t charSet,
                             TextEncoding encoding = TextEncoding::kCodePage) {
  std::vector<char32_t> codes;
  for (const DecodedChar& c :
       DecodeText(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), encoding, charSet)) {
    codes.push_back(c.code);
  }
  return codes;
}

TEST(SymbolEncoding, MapsLettersToGreekAndMathematics) {
  EXPECT_EQ(metafile::SymbolToUnicode(0x61), U'\u03B1');  // a: alpha
  EXPECT_EQ(metafile::SymbolToUnicode(0x44), U'\u0394');  // D: Delta
  EXPECT_EQ(metafile::SymbolToUnicode(0x57), U'\u03A9');  // W: Omega
  EXPECT_EQ(metafile::SymbolToUnicode(0xE5), U'\u2211');  // summation
  EXPECT_EQ(metafile::SymbolToUnicode(0xB9), U'\u2260');  // not equal
  EXPECT_EQ(metafile::SymbolToUnicode(0xF2), U'\u222B');  // integral
  EXPECT_EQ(metafile::SymbolToUnicode(0x2D), U'\u2212');  // minus, not hyphen
  EXPECT_EQ(metafile::SymbolToUnicode(0x31), U'1');
  EXPECT_EQ(metafile::SymbolToUnicode(0x85), 0u);
  EXPECT_STREQ(metafile::SymbolGlyphName(0x61), "alpha");
  EXPECT_STREQ(metafile::SymbolGlyphName(0xEC), "bracelefttp");
  EXPECT_EQ(metafile::SymbolGlyphName(0x10), nullptr);
  EXPECT_EQ(Decode("a+b", metafile::kSymbolCharset, TextEncoding::kSymbol),
            (std::vector<char32_t>{U'\u03B1', U'+', U'\u03B2'}));
}

struct CodePageCase {
  uint8_t charSet;
  std::string bytes;
  std::vector<char32_t> expected;
};
void PrintTo(const CodePageCase& c, std::ostream* os) { *os << "character set " << int(c.charSet); }

class CodePageDecoding : public testing::TestWithParam<CodePageCase> {};

TEST_P(CodePageDecoding, DecodesByTheCharacterSet) {
  EXPECT_EQ(Decode(GetParam().bytes, GetParam().charSet), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    CharacterSets, CodePageDecoding,
    testing::Values(CodePageCase{0, "A\x80\xE9", {U'A', U'\u20AC', U'\u00E9'}},             // ANSI 1252
                    CodePageCase{1, "\x93x\x94", {U'\u201C', U'x', U'\u201D'}},             // DEFAULT as ANSI
                    CodePageCase{204, "\xC0\xE0\xA8", {U'\u0410', U'\u0430', U'\u0401'}},    // Russian 1251
                    CodePageCase{238, "\x8A\xB9", {U'\u0160', U'\u0105'}},                   // East Europe 1250
                    CodePageCase{161, "\xE1\xC4", {U'\u03B1', U'\u0394'}},                   // Greek 1253
                    CodePageCase{162, "\xF0\xFD", {U'\u011F', U'\u0131'}},                   // Turkish 1254
                    CodePageCase{177, "\xE0", {U'\u05D0'}},                                  // Hebrew 1255
                    CodePageCase{178, "\xC7", {U'\u0627'}},                                  // Arabic 1256
                    CodePageCase{186, "\xC0", {U'\u0104'}},                                  // Baltic 1257
                    CodePageCase{222, "\xA1", {U'\u0E01'}},                                  // Thai 874
                    CodePageCase{128, "\x82\xA0" "A", {U'\u3042', U'A'}},                    // Shift-JIS
                    CodePageCase{129, "\xB0\xA1", {U'\uAC00'}},                              // Hangul
                    CodePageCase{134, "\xB0\xA1", {U'\u554A'}},                              // GB2312
                    CodePageCase{136, "\xA4\x40", {U'\u4E00'}},                              // Big5
                    CodePageCase{128, "A\x82", {U'A', U'\uFFFD'}}));                         // cut lead byte

TEST(CodePageDecoding, DoubleByteCharactersCountTheirBytes) {
  const std::string sjis = "\x82\xA0x";
  const auto chars = DecodeText(reinterpret_cast<const uint8_t*>(sjis.data()), sjis.size(),
                                TextEncoding::kCodePage, metafile::kShiftJisCharset);
  ASSERT_EQ(chars.size(), 2u);
  EXPECT_EQ(chars[0].byteCount, 2);
  EXPECT_EQ(chars[1].byteCount, 1);
}

TEST(CodePageDecoding, FaceNamesBecomeUtf8) {
  EXPECT_EQ(metafile::DecodeFaceName("\x82\x6C\x82\x72 \x96\xBE\x92\xA9", metafile::kShiftJisCharset),
            "\xEF\xBC\xAD\xEF\xBC\xB3 \xE6\x98\x8E\xE6\x9C\x9D");  // "ＭＳ 明朝"
  EXPECT_EQ(metafile::DecodeFaceName("Symbol", metafile::kSymbolCharset), "Symbol");
  EXPECT_EQ(metafile::DecodeFaceName("Caf\xE9", 0), "Caf\xC3\xA9");
}

TEST(TextLayout, DxAccumulatesBeforeRounding) {
  metafile::TextSpacing spacing;
  spacing.dx = {1.4, 1.4, 1.4};
  const auto layout = metafile::LayOutText({9, 9, 9}, {}, spacing);
  EXPECT_EQ(layout.offsets, (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(layout.width, 4);
}

TEST(TextLayout, DyPairsRaiseTheFollowingCharacters) {
  metafile::TextSpacing spacing;
  spacing.dx = {10, 10};
  spacing.dy = {-4, -4};
  const auto layout = metafile::LayOutText({7, 7}, {}, spacing);
  EXPECT_EQ(layout.rise, (std::vector<int>{0, -4}));
  EXPECT_EQ(layout.endRise, -8);
  EXPECT_EQ(layout.width, 20);
}

TEST(TextLayout, CharExtraAndJustificationAddToAdvances) {
  metafile::TextSpacing spacing;
  spacing.charExtra = 1;
  spacing.breakExtra = 5;
  spacing.breakCount = 2;
  const auto layout = metafile::LayOutText({5, 5, 5, 5}, {false, true, false, true}, spacing);
  // Breaks get 2 each, the first one the remaining pixel.
  EXPECT_EQ(layout.offsets, (std::vector<int>{0, 6, 15, 21}));
  EXPECT_EQ(layout.width, 29);
}

TEST(TextLayout, AlignmentShiftsTheBaseline) {
  using metafile::AlignBaseline;
  struct Case {
    uint16_t align;
    int along;
    int down;
  };
  const Case cases[] = {{0, 0, 18}, {2, -41, 18}, {6, -20, 18}, {8, 0, -4}, {24, 0, 0}, {24 | 6 | 1, -20, 0}};
  for (const Case& c : cases) {
    const auto shift = AlignBaseline(c.align, 41, 18, 4);
    EXPECT_EQ(shift.along, c.along) << c.align;
    EXPECT_EQ(shift.down, c.down) << c.align;
  }
}

TEST(TextBlend, CoverageLevelsStepTowardsTheTextColour) {
  using metafile::BlendTextChannel;
  EXPECT_EQ(BlendTextChannel(255, 0, 0), 255);
  EXPECT_EQ(BlendTextChannel(255, 0, 16), 0);
  EXPECT_EQ(BlendTextChannel(255, 0, 15), 0x4D);
  EXPECT_EQ(BlendTextChannel(255, 0, 1), 0xF8);
  EXPECT_EQ(BlendTextChannel(255, 0, 8), 0xBD);
  EXPECT_EQ(BlendTextChannel(0, 255, 8), 255 - 0xBD);  // light text on black mirrors it
  EXPECT_EQ(BlendTextChannel(128, 0, 8), 0xBD * 128 / 255);  // the step scales with the distance
  EXPECT_EQ(BlendTextChannel(100, 100, 8), 100);
}

// Hostile records: each must leave the picture drawable and the rest of the file played.
wmfw::Bytes Params(std::initializer_list<int> bytes) {
  wmfw::Bytes out;
  for (int b : bytes) out.push_back(uint8_t(b));
  return out;
}

TEST(TextHostile, LyingRecordsAreSkipped) {
  wmfw::WmfWriter w;
  w.SetBkMode(1).CreateFont(-20, "Arial").SelectObject(0);
  w.RecordBytes(wmfw::kTextOut, Params({200, 0, 'A', 'B'}));                  // string past the record
  w.RecordBytes(wmfw::kTextOut, Params({2, 0, 'A', 'B'}));                    // no position
  w.RecordBytes(wmfw::kExtTextOut, Params({10, 0, 10, 0, 0xFF, 0xFF, 0, 0}));  // 65535 bytes
  w.RecordBytes(wmfw::kExtTextOut, Params({10, 0, 10, 0, 1, 0, 4, 0, 1, 2}));  // rectangle cut short
  w.RecordBytes(wmfw::kExtTextOut, Params({10, 0, 10, 0, 2, 0, 0, 0x20, 'A', 'B', 5, 0}));  // dx pairs short
  w.RecordBytes(wmfw::kExtTextOut, Params({}));
  w.RecordBytes(wmfw::kTextOut, Params({}));
  w.CreateBrush(0, wmfw::Rgb(255, 0, 0)).SelectObject(1).CreatePen(5, 0, 0).SelectObject(2);
  w.Rectangle(200, 100, 250, 140);
  const auto p = metafile_test::Render(w.Placeable(0, 0, 300, 150, 96));
  // Later records still play: the pen-less rectangle fills 200..248 × 100..138.
  EXPECT_EQ(metafile_test::Count(p, metafile_test::kRed), 49 * 39);
  // Only the record whose dx pairs were short drew its "AB" (without the dx).
  EXPECT_GT(metafile_test::Count(p, metafile_test::kBlack, 0, 0, 100, 60), 0);
}

TEST(TextHostile, AbsurdAndZeroFontSizes) {
  struct Case {
    int16_t height;
    bool draws;
  };
  for (const Case c : {Case{-32000, false}, Case{32000, false}, Case{0, true}}) {
    wmfw::WmfWriter w;
    w.SetBkMode(1).CreateFont(c.height, "Arial").SelectObject(0).TextOut(10, 10, "Hello");
    const auto p = metafile_test::Render(w.Placeable(0, 0, 300, 150, 96));
    const int white = metafile_test::Count(p, metafile_test::kWhite);
    if (c.draws) {
      EXPECT_LT(white, 300 * 150) << c.height;
    } else {
      EXPECT_EQ(white, 300 * 150) << c.height;
    }
  }
}

TEST(TextHostile, RandomTextRecordsNeverBreakPlayback) {
  std::mt19937 random(1234);
  for (int round = 0; round < 60; ++round) {
    wmfw::WmfWriter w;
    w.CreateFont(int16_t(int(random() % 400) - 200), "Arial", int16_t(random() % 1000), random() % 2,
                 random() % 2, random() % 2, uint8_t(random() % 256), int16_t(random() % 3600))
        .SelectObject(0);
    w.SetTextAlign(uint16_t(random()));
    w.SetBkMode(int16_t(1 + random() % 2));
    for (int i = 0; i < 6; ++i) {
      wmfw::Bytes payload(random() % 40);
      for (auto& b : payload) b = uint8_t(random());
      w.RecordBytes(i % 2 ? wmfw::kTextOut : wmfw::kExtTextOut, payload);
    }
    metafile::Picture picture;
    std::string reason;
    const auto bytes = w.Placeable(0, 0, 120, 80, 96);
    EXPECT_TRUE(metafile::RenderPlaceableMetafile(bytes.data(), bytes.size(), picture, reason)) << reason;
  }
}

}  // namespace

namespace {

// Strings built to cost: huge glyphs stacked on one spot by zero dx, and long strings of
// many distinct double-byte characters. Playback must stay quick.
TEST(TextHostile, CostlyStringsStayBounded) {
  wmfw::WmfWriter w;
  w.SetBkMode(1).CreateFont(-3000, "Arial").SelectObject(0);
  const std::string stacked(8000, 'W');
  w.ExtTextOut(0, 2000, 0, stacked, std::vector<int16_t>(stacked.size(), 0));
  w.CreateFont(-300, "Arial", 400, false, false, false, metafile::kBig5Charset).SelectObject(1);
  std::string many;
  for (int lead = 0xA4; lead <= 0xF9 && many.size() < 30000; ++lead) {
    for (int trail = 0x40; trail <= 0x7E; ++trail) many += {char(lead), char(trail)};
  }
  w.TextOut(0, 0, many);
  const auto start = std::chrono::steady_clock::now();
  const auto p = metafile_test::Render(w.Placeable(0, 0, 600, 400, 96));
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(metafile_test::Count(p, metafile_test::kWhite), 600 * 400);
  EXPECT_LT(seconds, 20.0);
}

}  // namespace
