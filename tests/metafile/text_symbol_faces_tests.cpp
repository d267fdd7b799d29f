// The equation editors' symbol faces that no font provides (MT Extra, Euclid Extra, Euclid
// Math One and Two) are read through their published encodings and drawn from an installed
// font at the metrics the record asks for; what has no Unicode equivalent, or belongs to a
// truly unknown face, still draws the missing-glyph box, and the player counts the boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "metafile/face_choice.h"
#include "metafile/symbol_encodings.h"
#include "render_helpers.h"

namespace {

using metafile_test::At;
using metafile_test::kBlack;
using metafile_test::kWhite;
using wmfw::WmfWriter;

constexpr uint8_t kSymbolSet = 2;
constexpr uint8_t kDefaultSet = 1;
constexpr uint8_t kAnsiSet = 0;

struct Drawn {
  metafile::Picture picture;
  size_t boxes = 0;
};

// `text` at 40 pixels per em; with `dx`, every character advances that many pixels.
Drawn Draw(const std::string& face, uint8_t charSet, const std::string& text, int16_t dx = 0, bool opaque = false) {
  WmfWriter w;
  w.SetBkMode(opaque ? 2 : 1).SetBkColor(wmfw::Rgb(0, 0, 255));
  w.CreateFont(-40, face, 400, false, false, false, charSet).SelectObject(0);
  if (dx) {
    w.ExtTextOut(20, 20, 0, text, std::vector<int16_t>(text.size(), dx));
  } else {
    w.TextOut(20, 20, text);
  }
  const wmfw::Bytes bytes = w.Placeable(0, 0, 300, 100, 96);
  Drawn drawn;
  std::string reason;
  metafile::RenderStats stats;
  EXPECT_TRUE(metafile::RenderPlaceableMetafile(bytes.data(), bytes.size(), drawn.picture, reason, &stats)) << reason;
  drawn.boxes = stats.missingGlyphs;
  return drawn;
}

struct Span {
  int left = -1;
  int right = -1;  // exclusive
  int top = -1;
  int bottom = -1;
};

// The extent of the pixels darker than mid-grey (ink) or of one colour.
Span Extent(const metafile::Picture& p, bool (*counts)(uint32_t)) {
  Span s;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      if (!counts(At(p, x, y))) continue;
      if (s.left < 0 || x < s.left) s.left = x;
      if (x + 1 > s.right) s.right = x + 1;
      if (s.top < 0) s.top = y;
      s.bottom = y + 1;
    }
  }
  return s;
}
bool Ink(uint32_t rgb) { return (rgb & 0xFF) < 128 && ((rgb >> 16) & 0xFF) < 128; }
bool Background(uint32_t rgb) { return rgb == 0x0000FF; }

bool SymbolDrawingInstalled() { return !metafile::SymbolDrawingFace().path.empty(); }

#define REQUIRE_SYMBOL_DRAWING_FACE()                                                                        \
  if (!SymbolDrawingInstalled()) GTEST_SKIP() << metafile::kSymbolDrawingFamily << " is not installed " \
                                                 "(Debian package fonts-dejavu-extra)"

struct MappedCase {
  const char* face;
  char byte;
  const char* what;
};

void PrintTo(const MappedCase& c, std::ostream* os) { *os << c.face << " " << c.what; }

class MappedSymbol : public testing::TestWithParam<MappedCase> {};

TEST_P(MappedSymbol, IsDrawnNotABox) {
  REQUIRE_SYMBOL_DRAWING_FACE();
  const MappedCase& c = GetParam();
  const Drawn symbol = Draw(c.face, kSymbolSet, std::string(1, c.byte));
  const Drawn box = Draw(c.face, kSymbolSet, "\x31");  // a bracket piece: no Unicode equivalent
  EXPECT_EQ(symbol.boxes, 0u);
  EXPECT_EQ(box.boxes, 1u);
  EXPECT_NE(Extent(symbol.picture, Ink).left, -1) << "nothing drawn";
  EXPECT_NE(symbol.picture.pixels, box.picture.pixels);
}

TEST_P(MappedSymbol, KeepsTheAdvanceTheRecordGives) {
  REQUIRE_SYMBOL_DRAWING_FACE();
  const std::string one(1, GetParam().byte);
  const Span single = Extent(Draw(GetParam().face, kSymbolSet, one, 50).picture, Ink);
  const Span pair = Extent(Draw(GetParam().face, kSymbolSet, one + one, 50).picture, Ink);
  EXPECT_EQ(pair.left, single.left);
  EXPECT_EQ(pair.right - single.right, 50);
}

TEST_P(MappedSymbol, KeepsTheStandInsAdvanceAndCellWithoutDx) {
  REQUIRE_SYMBOL_DRAWING_FACE();
  // The boxes these characters were drawn as set the advance and the cell: the rest of an
  // equation stays where it was.
  const std::string one(1, GetParam().byte);
  const Span single = Extent(Draw(GetParam().face, kSymbolSet, one).picture, Ink);
  const Span pair = Extent(Draw(GetParam().face, kSymbolSet, one + one).picture, Ink);
  const Span boxes = Extent(Draw("Unknown Face", kSymbolSet, "\x31\x31").picture, Ink);
  const Span box = Extent(Draw("Unknown Face", kSymbolSet, "\x31").picture, Ink);
  EXPECT_EQ(pair.right - single.right, boxes.right - box.right);
  const Span cell = Extent(Draw(GetParam().face, kSymbolSet, one + one, 0, true).picture, Background);
  const Span boxCell = Extent(Draw("Unknown Face", kSymbolSet, "\x31\x31", 0, true).picture, Background);
  EXPECT_EQ(cell.top, boxCell.top);
  EXPECT_EQ(cell.bottom, boxCell.bottom);
  EXPECT_EQ(cell.right, boxCell.right);
}

INSTANTIATE_TEST_SUITE_P(Faces, MappedSymbol,
                         testing::Values(MappedCase{"MT Extra", '\x4B', "ellipsis"},
                                         MappedCase{"MT Extra", '\x4C', "math-axis ellipsis"},
                                         MappedCase{"MT Extra", '\x5A', "north-east arrow"},
                                         MappedCase{"MT Extra", '\x61', "maps-to arrow"},
                                         MappedCase{"MT Extra", '\x60', "reversed prime"},
                                         MappedCase{"Euclid Extra", '\x4B', "ellipsis"},
                                         MappedCase{"Euclid Math Two", 'R', "double-struck R"},
                                         MappedCase{"Euclid Math One", 'L', "script L"}));

TEST(MappedSymbolFaces, EachCodePointDrawsItsOwnCharacter) {
  REQUIRE_SYMBOL_DRAWING_FACE();
  EXPECT_NE(Draw("MT Extra", kSymbolSet, "\x4B").picture.pixels, Draw("MT Extra", kSymbolSet, "\x4C").picture.pixels);
  EXPECT_NE(Draw("Euclid Math One", kSymbolSet, "R").picture.pixels,
            Draw("Euclid Math Two", kSymbolSet, "R").picture.pixels);
  // Euclid Extra keeps MT Extra's positions.
  EXPECT_EQ(Draw("Euclid Extra", kSymbolSet, "\x4C").picture.pixels, Draw("MT Extra", kSymbolSet, "\x4C").picture.pixels);
}

TEST(MappedSymbolFaces, CodePointsWithoutAUnicodeEquivalentDrawTheBox) {
  const Drawn unknown = Draw("Unknown Face", kSymbolSet, "\x31");
  for (const char byte : {'\x31', '\x45', '\x5C', '\x6E', '\xE7'}) {
    const Drawn d = Draw("MT Extra", kSymbolSet, std::string(1, byte));
    EXPECT_EQ(d.boxes, 1u) << int(byte);
    EXPECT_EQ(d.picture.pixels, unknown.picture.pixels) << int(byte);
  }
  EXPECT_EQ(Draw("Euclid Math One", kSymbolSet, "a").boxes, 1u);
}

TEST(MappedSymbolFaces, TheDefaultSetReadsTheTableAndAnsiTakesAnOrdinaryFace) {
  REQUIRE_SYMBOL_DRAWING_FACE();
  EXPECT_EQ(Draw("MT Extra", kDefaultSet, "\x4C").picture.pixels, Draw("MT Extra", kSymbolSet, "\x4C").picture.pixels);
  const Drawn letter = Draw("MT Extra", kAnsiSet, "L");
  EXPECT_EQ(letter.boxes, 0u);
  EXPECT_NE(letter.picture.pixels, Draw("MT Extra", kSymbolSet, "L").picture.pixels);
}

TEST(MappedSymbolFaces, TheAccentIsCentredInItsAdvance) {
  REQUIRE_SYMBOL_DRAWING_FACE();
  // The dot-above embellishment is a combining character: drawn alone it would hang left of
  // its pen position; here its ink lies inside the advance the record gives.
  const Span dot = Extent(Draw("MT Extra", kSymbolSet, "\x26", 30).picture, Ink);
  ASSERT_NE(dot.left, -1);
  EXPECT_GE(dot.left, 20);
  EXPECT_LE(dot.right, 50);
  EXPECT_LE(std::abs((dot.left + dot.right) - 2 * 35), 3);
}

TEST(MappedSymbolFaces, TheArrowOverACharacterStartsAtThePenOnItsBaseline) {
  REQUIRE_SYMBOL_DRAWING_FACE();
  // The equation editor sets its arrows on a baseline of their own just above the letters;
  // drawn where a combining arrow sits over a letter they would leave the picture.
  constexpr uint16_t kBaselineAlign = 24;
  WmfWriter w;
  w.SetBkMode(1).SetTextAlign(kBaselineAlign).CreateFont(-40, "MT Extra", 400, false, false, false, kSymbolSet);
  w.SelectObject(0).TextOut(20, 50, "\x76");
  const Span arrow = Extent(metafile_test::Render(w.Placeable(0, 0, 300, 100, 96)), Ink);
  ASSERT_NE(arrow.left, -1);
  EXPECT_LT(arrow.top, 50);
  EXPECT_GT(arrow.bottom, 50);
  EXPECT_LE(std::abs(arrow.left - 20), 1);
}

TEST(MissingGlyphCount, CountsEveryBoxAndNothingElse) {
  EXPECT_EQ(Draw("Arial", kAnsiSet, "Glyphs").boxes, 0u);
  EXPECT_EQ(Draw("Unknown Face", kSymbolSet, "abc").boxes, 3u);
  EXPECT_EQ(Draw("MT Extra", kSymbolSet, "\x31\x32\x4B").boxes, SymbolDrawingInstalled() ? 2u : 3u);
  // A character no installed font has is the face's own missing-glyph box.
  EXPECT_EQ(Draw("Arial", kAnsiSet, "\x01").boxes, 1u);
}

TEST(SymbolEncodingTables, MapThePublishedCodePoints) {
  using metafile::MappedSymbolCharacter;
  using metafile::TextEncoding;
  EXPECT_EQ(MappedSymbolCharacter(TextEncoding::kMtExtra, 0x4B), U'\u2026');
  EXPECT_EQ(MappedSymbolCharacter(TextEncoding::kMtExtra, 0x4C), U'\u22EF');
  EXPECT_EQ(MappedSymbolCharacter(TextEncoding::kMtExtra, 0x61), U'\u21A6');
  EXPECT_EQ(MappedSymbolCharacter(TextEncoding::kMtExtra, 0x31), 0u);  // private use in the table
  EXPECT_EQ(MappedSymbolCharacter(TextEncoding::kEuclidMathOne, 'B'), U'\u212C');
  EXPECT_EQ(MappedSymbolCharacter(TextEncoding::kEuclidMathOne, 'A'), U'\U0001D49C');
  EXPECT_EQ(MappedSymbolCharacter(TextEncoding::kEuclidMathTwo, 'R'), U'\u211D');
  EXPECT_EQ(MappedSymbolCharacter(TextEncoding::kEuclidMathTwo, 'S'), U'\U0001D54A');
  EXPECT_EQ(MappedSymbolCharacter(TextEncoding::kEuclidMathTwo, '1'), 0u);
}

}  // namespace
