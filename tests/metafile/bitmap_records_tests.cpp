// Bitmap records on decoded pixels: DIB depths and compressions land at the right pixels,
// stretching, mirroring, raster operations, pattern brushes, palettes, and hostile records
// that must be skipped. Drawn at one pixel per unit (box 100 × 100, 96 units per inch).
#include <gtest/gtest.h>

#include "render_helpers.h"

namespace {

using namespace metafile_test;
using wmfw::Bytes;
using wmfw::DibRows;
using wmfw::DibContent;
using wmfw::PackedDib;
using wmfw::Rgb;
using wmfw::WmfWriter;

constexpr uint32_t kSrcCopy = 0x00CC0020, kSrcAnd = 0x008800C6, kSrcPaint = 0x00EE0086,
                   kSrcInvert = 0x00660046, kPatCopy = 0x00F00021, kPatInvert = 0x005A0049,
                   kDstInvert = 0x00550009, kNotSrcCopy = 0x00330008;
constexpr uint32_t kYellow = 0xFFFF00, kCyan = 0x00FFFF, kMagenta = 0xFF00FF;

metafile::Picture Draw(const WmfWriter& w) { return Render(w.Placeable(0, 0, 100, 100, 96)); }

// A 2 × 2 picture: red, green on top; blue, white below.
struct DepthCase {
  const char* name;
  DibContent content;
};

DibContent Pixels(uint16_t bitCount, std::vector<std::vector<uint32_t>> rows, std::vector<uint32_t> colors = {},
             uint32_t compression = 0, std::vector<uint32_t> masks = {}) {
  DibContent s;
  s.width = int32_t(rows[0].size());
  s.height = int32_t(rows.size());
  s.bitCount = bitCount;
  s.compression = compression;
  s.colors = std::move(colors);
  s.masks = std::move(masks);
  s.bits = DibRows(rows, bitCount);
  return s;
}

std::vector<DepthCase> DepthCases() {
  std::vector<uint32_t> sixteen(16, 0x000000);
  sixteen[3] = kRed, sixteen[7] = kGreen, sixteen[9] = kBlue, sixteen[15] = kWhite;
  return {
      {"4 bits", Pixels(4, {{3, 7}, {9, 15}}, sixteen)},
      {"8 bits", Pixels(8, {{0, 1}, {2, 3}}, {kRed, kGreen, kBlue, kWhite})},
      {"16 bits 5-5-5", Pixels(16, {{0x7C00, 0x03E0}, {0x001F, 0x7FFF}})},
      {"16 bits 5-6-5 fields", Pixels(16, {{0xF800, 0x07E0}, {0x001F, 0xFFFF}}, {}, 3, {0xF800, 0x07E0, 0x001F})},
      {"24 bits", Pixels(24, {{kRed, kGreen}, {kBlue, kWhite}})},
      {"32 bits", Pixels(32, {{kRed, kGreen}, {kBlue, kWhite}})},
      {"32 bits fields", Pixels(32, {{0xFF000000, 0x00FF0000}, {0x0000FF00, 0xFFFFFF00}}, {}, 3,
                              {0xFF000000, 0x00FF0000, 0x0000FF00})},
  };
}

TEST(DibDepths, EachDepthPutsItsColoursAtTheRightPixels) {
  for (const DepthCase& c : DepthCases()) {
    SCOPED_TRACE(c.name);
    WmfWriter w;
    w.DibBitBlt(10, 20, 2, 2, 0, 0, kSrcCopy, PackedDib(c.content));
    const auto p = Draw(w);
    EXPECT_EQ(At(p, 10, 20), kRed);
    EXPECT_EQ(At(p, 11, 20), kGreen);
    EXPECT_EQ(At(p, 10, 21), kBlue);
    EXPECT_EQ(At(p, 11, 21), kWhite);
    EXPECT_EQ(Count(p, kWhite), 100 * 100 - 3);
  }
}

TEST(DibDepths, MonochromeUsesItsColourTable) {
  WmfWriter w;
  w.SetTextColor(Rgb(0, 255, 0)).SetBkColor(Rgb(0, 0, 255));  // must not matter for a DIB
  w.DibBitBlt(10, 10, 3, 1, 0, 0, kSrcCopy, PackedDib(Pixels(1, {{0, 1, 0}}, {kRed, kYellow})));
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 10, 10), kRed);
  EXPECT_EQ(At(p, 11, 10), kYellow);
  EXPECT_EQ(At(p, 12, 10), kRed);
}

TEST(DibDepths, CoreHeaderWithThreeByteColours) {
  DibContent s = Pixels(8, {{0, 1}}, {kMagenta, kCyan});
  s.coreHeader = true;
  s.colors.resize(256, 0);  // a core header's table always has 2^bits entries
  WmfWriter w;
  w.DibBitBlt(5, 5, 2, 1, 0, 0, kSrcCopy, PackedDib(s));
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 5, 5), kMagenta);
  EXPECT_EQ(At(p, 6, 5), kCyan);
}

TEST(DibLayout, TopDownAndBottomUpBothLandUpright) {
  for (bool topDown : {false, true}) {
    DibContent s = Pixels(24, {{kRed}, {kBlue}});
    s.bits = DibRows({{kRed}, {kBlue}}, 24, topDown);
    if (topDown) s.height = -s.height;
    WmfWriter w;
    w.DibBitBlt(30, 30, 1, 2, 0, 0, kSrcCopy, PackedDib(s));
    const auto p = Draw(w);
    EXPECT_EQ(At(p, 30, 30), kRed) << topDown;
    EXPECT_EQ(At(p, 30, 31), kBlue) << topDown;
  }
}

TEST(DibLayout, BottomUpSourceRowsCountFromTheBottom) {
  // Rows top to bottom: red, green, blue, white; the source rectangle y 0, height 2 is
  // the lower two rows of a bottom-up bitmap.
  WmfWriter w;
  w.DibStretchBlt(40, 40, 1, 2, 0, 0, 1, 2, kSrcCopy, PackedDib(Pixels(24, {{kRed}, {kGreen}, {kBlue}, {kYellow}})));
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 40, 40), kBlue);
  EXPECT_EQ(At(p, 40, 41), kYellow);
}

// Pre-fills the area with green so that pixels an RLE bitmap skips stay visible.
WmfWriter GreenBackground() {
  WmfWriter w;
  w.CreateBrush(0, Rgb(0, 255, 0)).SelectObject(0);
  w.PatBlt(0, 0, 100, 100, kPatCopy);
  return w;
}

TEST(DibRle, Rle8RunsLiteralsDeltaAndEndOfBitmap) {
  DibContent s;
  s.width = 4, s.height = 3, s.bitCount = 8, s.compression = 1;
  s.colors = {kRed, kBlue, kYellow};
  s.bits = {
      4, 0,              // bottom row: four reds
      0, 0,              // end of line
      0, 3, 1, 2, 1, 0,  // literal: blue, yellow, blue (padded to a word)
      0, 0,              // end of line
      0, 2, 2, 0,        // delta: right 2
      2, 2,              // two yellows
      0, 1,              // end of bitmap
  };
  WmfWriter w = GreenBackground();
  w.DibBitBlt(10, 10, 4, 3, 0, 0, kSrcCopy, PackedDib(s));
  const auto p = Draw(w);
  for (int x = 10; x < 14; ++x) EXPECT_EQ(At(p, x, 12), kRed) << x;
  EXPECT_EQ(At(p, 10, 11), kBlue);
  EXPECT_EQ(At(p, 11, 11), kYellow);
  EXPECT_EQ(At(p, 12, 11), kBlue);
  EXPECT_EQ(At(p, 13, 11), kGreen);  // left out by the line end
  EXPECT_EQ(At(p, 10, 10), kGreen);
  EXPECT_EQ(At(p, 11, 10), kGreen);  // skipped by the delta
  EXPECT_EQ(At(p, 12, 10), kYellow);
  EXPECT_EQ(At(p, 13, 10), kYellow);
}

TEST(DibRle, Rle4AlternatesNibblesAndHonoursDelta) {
  DibContent s;
  s.width = 5, s.height = 2, s.bitCount = 4, s.compression = 2;
  s.colors = {kRed, kBlue, kYellow};
  s.bits = {
      5, 0x01,           // red, blue, red, blue, red
      0, 0,              // end of line
      0, 2, 1, 0,        // delta: right 1
      0, 3, 0x21, 0x20,  // literal: yellow, blue, yellow
      0, 1,
  };
  WmfWriter w = GreenBackground();
  w.DibBitBlt(10, 10, 5, 2, 0, 0, kSrcCopy, PackedDib(s));
  const auto p = Draw(w);
  const uint32_t bottom[5] = {kRed, kBlue, kRed, kBlue, kRed};
  for (int x = 0; x < 5; ++x) EXPECT_EQ(At(p, 10 + x, 11), bottom[x]) << x;
  EXPECT_EQ(At(p, 10, 10), kGreen);
  EXPECT_EQ(At(p, 11, 10), kYellow);
  EXPECT_EQ(At(p, 12, 10), kBlue);
  EXPECT_EQ(At(p, 13, 10), kYellow);
  EXPECT_EQ(At(p, 14, 10), kGreen);
}

TEST(Stretch, DoublingRepeatsEachPixel) {
  WmfWriter w;
  w.DibStretchBlt(10, 10, 4, 4, 0, 0, 2, 2, kSrcCopy, PackedDib(Pixels(24, {{kRed, kGreen}, {kBlue, kYellow}})));
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kRed, 10, 10, 12, 12), 4);
  EXPECT_EQ(Count(p, kGreen, 12, 10, 14, 12), 4);
  EXPECT_EQ(Count(p, kBlue, 10, 12, 12, 14), 4);
  EXPECT_EQ(Count(p, kYellow, 12, 12, 14, 14), 4);
  EXPECT_EQ(Count(p, kWhite), 100 * 100 - 16);
}

TEST(Stretch, NegativeDestinationExtentMirrors) {
  WmfWriter w;
  // From x 20 leftwards, 20 included: the first source column lands at 20.
  w.DibStretchBlt(20, 10, -3, 1, 0, 0, 3, 1, kSrcCopy, PackedDib(Pixels(24, {{kRed, kGreen, kBlue}})));
  w.DibStretchBlt(10, 30, 3, -1, 0, 0, 3, 1, kSrcCopy, PackedDib(Pixels(24, {{kRed, kGreen, kBlue}})));
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 20, 10), kRed);
  EXPECT_EQ(At(p, 19, 10), kGreen);
  EXPECT_EQ(At(p, 18, 10), kBlue);
  EXPECT_EQ(At(p, 21, 10), kWhite);
  EXPECT_EQ(At(p, 10, 30), kRed);  // a one-row flip keeps the row, from the start pixel
  EXPECT_EQ(At(p, 12, 30), kBlue);
}

TEST(Stretch, NegativeSourceAndDestinationExtentsCancel) {
  WmfWriter w;
  w.DibStretchBlt(22, 10, -3, 1, 2, 0, -3, 1, kSrcCopy, PackedDib(Pixels(24, {{kRed, kGreen, kBlue}})));
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 20, 10), kRed);
  EXPECT_EQ(At(p, 21, 10), kGreen);
  EXPECT_EQ(At(p, 22, 10), kBlue);
}

TEST(Stretch, ShrinkingCombinesByTheStretchMode) {
  const Bytes dib = PackedDib(Pixels(24, {{kBlack, kWhite}}));
  struct Case {
    int16_t mode;
    uint32_t expected;
  } cases[] = {{1, kBlack}, {2, kWhite}};
  for (const Case& c : cases) {
    WmfWriter w = GreenBackground();
    w.SetStretchBltMode(c.mode);
    w.DibStretchBlt(10, 10, 1, 1, 0, 0, 2, 1, kSrcCopy, dib);
    EXPECT_EQ(At(Draw(w), 10, 10), c.expected) << c.mode;
  }
  WmfWriter w = GreenBackground();
  w.SetStretchBltMode(3);
  w.DibStretchBlt(10, 10, 2, 1, 0, 0, 4, 1, kSrcCopy, PackedDib(Pixels(24, {{kRed, kGreen, kBlue, kYellow}})));
  const auto p = Draw(w);
  EXPECT_TRUE(At(p, 10, 10) == kRed || At(p, 10, 10) == kGreen);
  EXPECT_TRUE(At(p, 11, 10) == kBlue || At(p, 11, 10) == kYellow);
}

// Colour-on-colour shrinking keeps, for destination pixel i, source pixel
// floor(((2i + 2)s - d) / 2d): 13 columns onto 4 keep 2, 6, 9 and 12; a bottom-up DIB's rows
// count from its bottom row, so 13 rows onto 4 keep the rows 0, 3, 6 and 10 from the top.
TEST(Stretch, ColorOnColorKeepsTheLastPixelCentredBeforeTheFarEdge) {
  std::vector<uint32_t> row;
  std::vector<std::vector<uint32_t>> column;
  for (uint32_t k = 0; k < 13; ++k) {
    row.push_back(0x111111u * k);
    column.push_back({0x111111u * k});
  }
  WmfWriter w = GreenBackground();
  w.SetStretchBltMode(3);
  w.DibStretchBlt(10, 10, 4, 1, 0, 0, 13, 1, kSrcCopy, PackedDib(Pixels(24, {row})));
  w.DibStretchBlt(20, 20, 1, 4, 0, 0, 1, 13, kSrcCopy, PackedDib(Pixels(24, column)));
  const auto p = Draw(w);
  const uint32_t columnsKept[] = {2, 6, 9, 12}, rowsKept[] = {0, 3, 6, 10};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(At(p, 10 + i, 10), 0x111111u * columnsKept[i]) << "column " << i;
    EXPECT_EQ(At(p, 20, 20 + i), 0x111111u * rowsKept[i]) << "row " << i;
  }
}

TEST(Stretch, HalftoneAveragesWhenShrinking) {
  WmfWriter w;
  w.SetStretchBltMode(4);
  w.DibStretchBlt(10, 10, 1, 1, 0, 0, 2, 2, kSrcCopy, PackedDib(Pixels(24, {{kBlack, kWhite}, {kWhite, kBlack}})));
  w.DibStretchBlt(20, 10, 4, 1, 0, 0, 2, 1, kSrcCopy, PackedDib(Pixels(24, {{kRed, kBlue}})));  // growing: copies
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 10, 10), 0x808080u);
  EXPECT_EQ(At(p, 21, 10), kRed);
  EXPECT_EQ(At(p, 22, 10), kBlue);
}

TEST(Stretch, SourceOutsideTheBitmapLeavesTheDestination) {
  WmfWriter w = GreenBackground();
  w.DibBitBlt(10, 10, 4, 4, 0, 0, kSrcCopy, PackedDib(Pixels(24, {{kRed, kRed}, {kRed, kRed}})));
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kRed, 10, 10, 14, 14), 4);
  EXPECT_EQ(Count(p, kGreen, 10, 10, 14, 14), 12);
}

TEST(Stretch, FollowsTheMappingAndTheClip) {
  WmfWriter w;
  w.SetWindowExt(50, 50);  // two pixels per unit
  w.IntersectClipRect(0, 0, 11, 50);
  w.DibStretchBlt(10, 10, 2, 1, 0, 0, 2, 1, kSrcCopy, PackedDib(Pixels(24, {{kRed, kBlue}})));
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kRed), 4);   // 20..22 × 20..22
  EXPECT_EQ(Count(p, kBlue), 0);  // clipped away at x 22
  EXPECT_EQ(At(p, 21, 21), kRed);
}

TEST(RasterOps, AndThenOrMaskPaintsTheSpriteOverTheBackground) {
  // Mask: black where the sprite is, white around; sprite: colour where drawn, black around.
  const Bytes mask = PackedDib(Pixels(24, {{kBlack, kWhite}}));
  const Bytes sprite = PackedDib(Pixels(24, {{kRed, kBlack}}));
  WmfWriter w = GreenBackground();
  w.DibBitBlt(10, 10, 2, 1, 0, 0, kSrcAnd, mask).DibBitBlt(10, 10, 2, 1, 0, 0, kSrcPaint, sprite);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 10, 10), kRed);
  EXPECT_EQ(At(p, 11, 10), kGreen);
}

TEST(RasterOps, XorTwiceRestoresTheOriginal) {
  const Bytes dib = PackedDib(Pixels(24, {{0x123456, 0xABCDEF}}));
  WmfWriter w = GreenBackground();
  w.DibBitBlt(10, 10, 2, 1, 0, 0, kSrcInvert, dib);
  const auto once = Draw(w);
  EXPECT_EQ(At(once, 10, 10), 0x123456u ^ kGreen);
  w.DibBitBlt(10, 10, 2, 1, 0, 0, kSrcInvert, dib);
  const auto twice = Draw(w);
  EXPECT_EQ(At(twice, 10, 10), kGreen);
  EXPECT_EQ(At(twice, 11, 10), kGreen);
}

TEST(RasterOps, NotSrcCopyInvertsTheSource) {
  WmfWriter w;
  w.DibBitBlt(10, 10, 1, 1, 0, 0, kNotSrcCopy, PackedDib(Pixels(24, {{0x00FF80}})));
  EXPECT_EQ(At(Draw(w), 10, 10), 0xFF007Fu);
}

TEST(RasterOps, PatBltPatInvertAndDstInvert) {
  WmfWriter w = GreenBackground();
  w.CreateBrush(0, Rgb(255, 0, 255)).SelectObject(1);
  w.PatBlt(10, 10, 5, 5, kPatInvert);  // green ^ magenta = white
  w.PatBlt(20, 20, 5, 5, kDstInvert);  // green -> magenta
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kWhite, 10, 10, 15, 15), 25);
  EXPECT_EQ(Count(p, kMagenta, 20, 20, 25, 25), 25);
  EXPECT_EQ(Count(p, kGreen), 100 * 100 - 50);
}

TEST(RasterOps, BlitWithoutBitmapIsAPatternBlit) {
  WmfWriter w;
  w.CreateBrush(0, Rgb(0, 0, 255)).SelectObject(0);
  // DIBBITBLT without a bitmap: rop, source y and x, a reserved word, height, width, y, x.
  w.Record(wmfw::kDibBitBlt, {int16_t(kPatCopy & 0xFFFF), int16_t(kPatCopy >> 16), 0, 0, 0, 3, 4, 10, 10});
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kBlue), 12);
  EXPECT_EQ(At(p, 13, 12), kBlue);
}

TEST(PatternBrushes, DibPatternTilesFromTheCanvasOrigin) {
  // A 2 × 2 checker of red and blue.
  WmfWriter w;
  w.DibCreatePatternBrush(5, 0, PackedDib(Pixels(24, {{kRed, kBlue}, {kBlue, kRed}}))).SelectObject(0);
  w.CreatePen(5, 0, 0).SelectObject(1);
  w.Rectangle(11, 11, 15, 15);  // without a pen: 11..14 on both axes
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 11, 11), kRed);  // canvas (11, 11) takes pattern pixel (1, 1)
  EXPECT_EQ(At(p, 12, 11), kBlue);
  EXPECT_EQ(At(p, 12, 12), kRed);
  // Wherever the fill reaches, the checker keeps its phase with the canvas.
  for (int y = 10; y < 18; ++y) {
    for (int x = 10; x < 18; ++x) {
      if (At(p, x, y) == kWhite) continue;
      EXPECT_EQ(At(p, x, y), (x + y) % 2 ? kBlue : kRed) << x << "," << y;
    }
  }
}

TEST(PatternBrushes, MonochromePatternsTakeTheTextAndBackgroundColours) {
  const Bytes mono = PackedDib(Pixels(1, {{0, 1}, {1, 0}}, {kBlack, kWhite}));
  WmfWriter w;
  w.SetTextColor(Rgb(255, 0, 0)).SetBkColor(Rgb(0, 0, 255));
  w.DibCreatePatternBrush(3, 0, mono).SelectObject(0);
  w.PatBlt(10, 10, 2, 2, kPatCopy);
  w.CreatePatternBrush(wmfw::Bitmap16(2, 2, 1, {0x40, 0, 0x80, 0})).SelectObject(1);
  w.PatBlt(20, 20, 2, 2, kPatCopy);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 10, 10), kRed);  // clear bit: text colour
  EXPECT_EQ(At(p, 11, 10), kBlue);
  EXPECT_EQ(At(p, 20, 20), kRed);
  EXPECT_EQ(At(p, 21, 20), kBlue);
  EXPECT_EQ(At(p, 20, 21), kBlue);
}

TEST(PatternBrushes, DibPatternWithColoursKeepsThem) {
  WmfWriter w;
  w.SetTextColor(Rgb(0, 255, 0));
  w.DibCreatePatternBrush(5, 0, PackedDib(Pixels(1, {{0, 1}}, {kYellow, kCyan}))).SelectObject(0);
  w.PatBlt(10, 10, 2, 1, kPatCopy);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 10, 10), kYellow);
  EXPECT_EQ(At(p, 11, 10), kCyan);
}

TEST(Bitmap16, MonochromeBlitUsesTextAndBackgroundColours) {
  WmfWriter w;
  w.SetTextColor(Rgb(255, 0, 0)).SetBkColor(Rgb(255, 255, 0));
  w.BitBlt(10, 10, 3, 1, 0, 0, kSrcCopy, wmfw::Bitmap16(3, 1, 1, {0x40, 0}));
  w.StretchBlt(10, 20, 2, 2, 0, 0, 1, 1, kSrcCopy, wmfw::Bitmap16(1, 1, 24, {0, 0, 255, 0}));
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 10, 10), kRed);
  EXPECT_EQ(At(p, 11, 10), kYellow);
  EXPECT_EQ(At(p, 12, 10), kRed);
  EXPECT_EQ(Count(p, kRed, 10, 20, 12, 22), 4);
}

TEST(Palettes, DibPalColorsIndexTheSelectedPalette) {
  DibContent s = Pixels(8, {{0, 1}});
  s.paletteIndices = {2, 0};
  WmfWriter w;
  w.CreatePalette({Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255)}).SelectPalette(0);
  w.StretchDib(10, 10, 2, 1, 0, 0, 2, 1, kSrcCopy, 1, PackedDib(s));
  w.SetDibToDev(10, 20, 2, 1, 0, 0, 0, 1, 1, PackedDib(s));
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 10, 10), kBlue);
  EXPECT_EQ(At(p, 11, 10), kRed);
  EXPECT_EQ(At(p, 10, 20), kBlue);
  EXPECT_EQ(At(p, 11, 20), kRed);
}

TEST(Palettes, PaletteIndexTablesFollowPaletteChanges) {
  DibContent s = Pixels(8, {{0}});
  s.paletteIndices = {1};
  WmfWriter w;
  w.StretchDib(10, 10, 1, 1, 0, 0, 1, 1, kSrcCopy, 1, PackedDib(s));  // no palette: the default one
  w.CreatePalette({Rgb(0, 0, 0), Rgb(0, 255, 255)}).SelectPalette(0);
  w.StretchDib(11, 10, 1, 1, 0, 0, 1, 1, kSrcCopy, 1, PackedDib(s));
  w.SetPalEntries(1, {Rgb(255, 0, 255)});
  w.StretchDib(12, 10, 1, 1, 0, 0, 1, 1, kSrcCopy, 1, PackedDib(s));
  w.Record(0x0139, {1});  // RESIZEPALETTE to one entry: index 1 wraps to entry 0
  w.StretchDib(13, 10, 1, 1, 0, 0, 1, 1, kSrcCopy, 1, PackedDib(s));
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 10, 10), 0x800000u);  // default palette entry 1, dark red
  EXPECT_EQ(At(p, 11, 10), kCyan);
  EXPECT_EQ(At(p, 12, 10), kMagenta);
  EXPECT_EQ(At(p, 13, 10), kBlack);
}

TEST(SetDibToDev, CopiesPixelsOneToOneWhateverTheMapping) {
  WmfWriter w;
  w.SetWindowExt(50, 50);  // two pixels per unit
  w.SetDibToDev(10, 10, 2, 1, 0, 0, 0, 1, 0, PackedDib(Pixels(24, {{kRed, kBlue}})));
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 20, 20), kRed);
  EXPECT_EQ(At(p, 21, 20), kBlue);
  EXPECT_EQ(Count(p, kRed) + Count(p, kBlue), 2);
}

TEST(SetDibToDev, BitsHoldOnlyTheGivenScanLines) {
  // A 1 × 4 bitmap whose record carries scan lines 2 and 3 (counted from the bottom): the
  // top two rows. The rows it lacks leave the picture alone.
  DibContent s = Pixels(24, {{kRed}, {kBlue}});
  s.height = 4;
  WmfWriter w;
  w.SetDibToDev(10, 10, 1, 4, 0, 0, 2, 2, 0, PackedDib(s));
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 10, 10), kRed);
  EXPECT_EQ(At(p, 10, 11), kBlue);
  EXPECT_EQ(At(p, 10, 12), kWhite);
  EXPECT_EQ(At(p, 10, 13), kWhite);
}

TEST(Bitmap16, StretchBltWithoutBitmapIsAPatternBlit) {
  WmfWriter w;
  w.CreateBrush(0, Rgb(255, 0, 0)).SelectObject(0);
  // STRETCHBLT without a bitmap: rop, source height, width, y, x, a reserved word, then the
  // destination height, width, y, x.
  w.Record(wmfw::kStretchBlt, {int16_t(kPatCopy & 0xFFFF), int16_t(kPatCopy >> 16), 1, 1, 0, 0, 0, 2, 3, 5, 6});
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kRed), 6);
  EXPECT_EQ(At(p, 6, 5), kRed);
  EXPECT_EQ(At(p, 8, 6), kRed);
}

// Records that must be skipped without touching the picture.
TEST(HostileBitmaps, UnusableRecordsAreSkipped) {
  DibContent shortBits = Pixels(24, {{kRed, kRed}, {kRed, kRed}});
  shortBits.width = 200, shortBits.height = 200;  // far more pixels than the bytes hold
  DibContent absurd = Pixels(24, {{kRed}});
  absurd.width = 0x40000000, absurd.height = 0x40000000;
  DibContent negativeWidth = Pixels(24, {{kRed}});
  negativeWidth.width = -1;
  DibContent badDepth = Pixels(24, {{kRed}});
  badDepth.bitCount = 7;
  Bytes badHeader = PackedDib(Pixels(24, {{kRed}}));
  badHeader[0] = 39;
  Bytes hugeHeader = PackedDib(Pixels(24, {{kRed}}));
  hugeHeader[1] = 0x50;  // 20520 bytes
  DibContent rleTopDown;
  rleTopDown.width = 2, rleTopDown.height = -2, rleTopDown.bitCount = 8, rleTopDown.compression = 1;
  rleTopDown.colors = {kRed};
  rleTopDown.bits = {2, 0, 0, 1};
  DibContent rleClaim;  // 4000 × 4000 pixels claimed by four bytes of codes
  rleClaim.width = 4000, rleClaim.height = 4000, rleClaim.bitCount = 8, rleClaim.compression = 1;
  rleClaim.colors = {kRed};
  rleClaim.bits = {255, 0, 0, 1};
  DibContent badJpeg = Pixels(24, {{kRed}});
  badJpeg.bitCount = 0, badJpeg.compression = 4, badJpeg.bits = {0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3};

  const std::vector<Bytes> dibs = {PackedDib(shortBits), PackedDib(absurd), PackedDib(negativeWidth),
                                   PackedDib(badDepth),  badHeader,          hugeHeader,
                                   PackedDib(rleTopDown), PackedDib(badJpeg), PackedDib(rleClaim),
                                   Bytes{40, 0, 0}};
  for (size_t i = 0; i < dibs.size(); ++i) {
    WmfWriter w;
    w.DibBitBlt(10, 10, 5, 5, 0, 0, kSrcCopy, dibs[i]);
    w.StretchDib(10, 10, 5, 5, 0, 0, 5, 5, kSrcCopy, 0, dibs[i]);
    w.DibCreatePatternBrush(5, 0, dibs[i]).SelectObject(0);
    w.PatBlt(0, 0, 50, 50, kPatCopy);  // the default white brush stays selected
    EXPECT_EQ(Count(Draw(w), kWhite), 100 * 100) << i;
  }
}

TEST(HostileBitmaps, RleRunsNeverWriteOutsideTheBitmap) {
  DibContent s;
  s.width = 2, s.height = 2, s.bitCount = 8, s.compression = 1;
  s.colors = {kRed};
  s.bits = {255, 0, 255, 0, 0, 2, 255, 255, 0, 40, 1, 2, 0, 0, 0, 0, 255, 0};  // long runs, deltas, a cut literal
  WmfWriter w;
  w.DibBitBlt(10, 10, 2, 2, 0, 0, kSrcCopy, PackedDib(s));
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kRed), 2);
  EXPECT_EQ(Count(p, kRed, 10, 11, 12, 12), 2);
}

TEST(HostileBitmaps, TruncatedAndOversizedBlitsAreHarmless) {
  WmfWriter w;
  w.Record(wmfw::kDibStretchBlt, {0x20, 0xCC, 1, 2});
  w.Record(wmfw::kStretchBlt, {0x20, 0xCC, 1, 2, 3});
  w.Record(wmfw::kSetDibToDev, {0, 1});
  w.Record(wmfw::kPatBlt, {0x21, 0xF0});
  w.BitBlt(0, 0, 10, 10, 0, 0, kSrcCopy, wmfw::Bitmap16(100, 100, 1, {0xFF}));
  w.CreateBrush(0, Rgb(255, 0, 0)).SelectObject(0);
  w.PatBlt(-32768, -32768, 32767, 32767, kPatCopy);  // huge, clipped to the canvas
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 0, 0), kWhite);  // the huge blit ends just before the canvas
}

}  // namespace

namespace {

// A 32 × 2 monochrome DIB, black and white in its table, stored bottom row first: the
// bottom row sets pixels 16-23 and its four bytes read as a colour are red; the top row
// sets pixels 0-7 and reads as blue.
Bytes MaskDib() {
  DibContent s;
  s.width = 32;
  s.height = 2;
  s.bitCount = 1;
  s.colors = {kBlack, kWhite};
  s.bits = {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00};
  return PackedDib(s);
}

// The colours of one drawn row at the DIB's pixels 4, 20 and 28 (drawn at x = 10).
struct MaskRow {
  uint32_t pixel4, pixel20, pixel28;
};

void ExpectRow(const metafile::Picture& p, int y, const MaskRow& row, const char* what) {
  EXPECT_EQ(At(p, 14, y), row.pixel4) << what << " row " << y;
  EXPECT_EQ(At(p, 30, y), row.pixel20) << what << " row " << y;
  EXPECT_EQ(At(p, 38, y), row.pixel28) << what << " row " << y;
}

// The mask half of a masked blit: STRETCHDIB and DIBBITBLT with a monochrome DIB and a ROP
// other than SRCCOPY take the two colours from the start of the bits, not from the colour
// table; DIBBITBLT finds the bits 2 bytes per table entry after the header, so its rows
// start at the table's second entry (white: pixels 0-23 set). SRCCOPY and DIBSTRETCHBLT
// keep the colour table.
TEST(MonochromeMasks, StretchDibAndDibBitBltWithAMaskRopTakeTheirColoursFromTheBits) {
  {
    WmfWriter w;
    w.StretchDib(10, 10, 32, 2, 0, 0, 32, 2, kSrcAnd, 0, MaskDib());
    const auto p = Draw(w);  // colours: red (bit 0), blue (bit 1); white AND c = c
    ExpectRow(p, 10, {kBlue, kRed, kRed}, "STRETCHDIB");
    ExpectRow(p, 11, {kRed, kBlue, kRed}, "STRETCHDIB");
  }
  {
    WmfWriter w;
    w.DibBitBlt(10, 10, 32, 2, 0, 0, kSrcAnd, MaskDib());
    const auto p = Draw(w);  // colours: white, red; rows: the table's white entry, then the bottom row
    ExpectRow(p, 10, {kWhite, kRed, kWhite}, "DIBBITBLT");
    ExpectRow(p, 11, {kRed, kRed, kWhite}, "DIBBITBLT");
  }
  {
    WmfWriter w;
    w.StretchDib(10, 10, 32, 2, 0, 0, 32, 2, kSrcCopy, 0, MaskDib());
    w.DibStretchBlt(10, 20, 32, 2, 0, 0, 32, 2, kSrcAnd, MaskDib());
    const auto p = Draw(w);
    ExpectRow(p, 10, {kWhite, kBlack, kBlack}, "STRETCHDIB SRCCOPY");
    ExpectRow(p, 11, {kBlack, kWhite, kBlack}, "STRETCHDIB SRCCOPY");
    ExpectRow(p, 20, {kWhite, kBlack, kBlack}, "DIBSTRETCHBLT");
    ExpectRow(p, 21, {kBlack, kWhite, kBlack}, "DIBSTRETCHBLT");
  }
}

}  // namespace
