// Figures as GDI rasterises them, checked on decoded pixels of small metafiles drawn at one
// pixel per unit (units per inch 96, box 100 × 100).
#include <gtest/gtest.h>

#include "render_helpers.h"

namespace {

using namespace metafile_test;
using wmfw::Rgb;
using wmfw::WmfWriter;

constexpr uint16_t kSolid = 0, kDot = 2, kNullPen = 5, kInsideFrame = 6;
constexpr uint16_t kBrushSolid = 0, kBrushNull = 1, kBrushHatched = 2;

metafile::Picture Draw(const WmfWriter& w) { return Render(w.Placeable(0, 0, 100, 100, 96)); }

// Slots: 0 = black one-pixel pen, 1 = red brush, both selected.
WmfWriter PenAndBrush(uint16_t penStyle = kSolid, int16_t penWidth = 0, uint32_t brush = Rgb(255, 0, 0)) {
  WmfWriter w;
  w.CreatePen(penStyle, penWidth, Rgb(0, 0, 0)).SelectObject(0);
  w.CreateBrush(kBrushSolid, brush).SelectObject(1);
  return w;
}

// As GDI draws a rectangle, its right and bottom edges are left out: at one pixel per
// unit a one-pixel frame from 10 to 20 lies on pixels 10 and 19 (right - 1, bottom - 1).
TEST(Rectangle, OnePixelPenFrameEndsAtRightAndBottomMinusOne) {
  WmfWriter w = PenAndBrush();
  w.Rectangle(10, 10, 20, 20);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 10, 10), kBlack);
  EXPECT_EQ(At(p, 19, 15), kBlack);
  EXPECT_EQ(At(p, 15, 19), kBlack);
  EXPECT_EQ(At(p, 19, 19), kBlack);
  EXPECT_EQ(At(p, 20, 15), kWhite);
  EXPECT_EQ(At(p, 15, 20), kWhite);
  EXPECT_EQ(At(p, 9, 15), kWhite);
  EXPECT_EQ(Count(p, kRed), 8 * 8);
  EXPECT_EQ(Count(p, kBlack), 4 * 9);
}

// Without a pen GDI fills one pixel less each way: from 10 to 20 that is pixels 10 to 18,
// short of right - 1 and bottom - 1.
TEST(Rectangle, NullPenFillStopsShortOfRightAndBottomMinusOne) {
  WmfWriter w = PenAndBrush(kNullPen);
  w.Rectangle(10, 10, 20, 20);
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kRed), 9 * 9);
  EXPECT_EQ(At(p, 10, 10), kRed);
  EXPECT_EQ(At(p, 18, 18), kRed);
  EXPECT_EQ(At(p, 19, 18), kWhite);
  EXPECT_EQ(At(p, 18, 19), kWhite);
}

// The right and bottom edges move one logical unit in before mapping, so at a fractional
// scale they round differently from the left and top. At 1.6 pixels per unit a box from 0
// to 3 has its frame's right edge at 2 * 1.6 = 3.2, rounded to 3; mapping 3 itself (4.8,
// rounded to 5) and stepping back a pixel would put it at 4.
TEST(Rectangle, RightAndBottomEdgesMoveOneUnitInBeforeMapping) {
  WmfWriter w = PenAndBrush();
  w.SetMapMode(8).SetWindowOrg(0, 0).SetWindowExt(100, 100);
  w.Rectangle(0, 0, 3, 3);
  const auto p = Render(w.Placeable(0, 0, 160, 160, 96));
  EXPECT_EQ(At(p, 0, 0), kBlack);
  EXPECT_EQ(At(p, 3, 1), kBlack);
  EXPECT_EQ(At(p, 1, 3), kBlack);
  EXPECT_EQ(At(p, 4, 1), kWhite);
  EXPECT_EQ(At(p, 1, 4), kWhite);
  EXPECT_EQ(Count(p, kRed), 2 * 2);
}

TEST(Rectangle, WidePenIsCentredAndInsideFrameStaysInside) {
  WmfWriter centred = PenAndBrush(kSolid, 5);
  centred.Rectangle(20, 20, 60, 60);
  const auto a = Draw(centred);
  EXPECT_EQ(At(a, 18, 40), kBlack);  // outside the box: half the pen
  EXPECT_EQ(At(a, 40, 40), kRed);

  WmfWriter inside = PenAndBrush(kInsideFrame, 5);
  inside.Rectangle(20, 20, 60, 60);
  const auto b = Draw(inside);
  EXPECT_EQ(At(b, 19, 40), kWhite);
  EXPECT_EQ(At(b, 20, 40), kBlack);
  EXPECT_EQ(At(b, 24, 40), kBlack);
  EXPECT_EQ(At(b, 25, 40), kRed);
  EXPECT_EQ(At(b, 59, 40), kBlack);  // the frame's right edge is right - 1
  EXPECT_EQ(At(b, 60, 40), kWhite);
}

// A pen's width is mapped as a vector from the origin with both ends rounded: 8 units at
// a sixth of a pixel each are one pixel from origin 0, but two when the origin maps to a
// third of a pixel.
TEST(Lines, PenWidthRoundsBothEndsOfTheMappedWidth) {
  for (int16_t origin : {int16_t(0), int16_t(-2)}) {
    WmfWriter w;
    w.SetMapMode(8).SetWindowOrg(origin, 0).SetWindowExt(600, 600);
    w.CreatePen(kSolid, 8, Rgb(0, 0, 0)).SelectObject(0);
    w.MoveTo(60, 300).LineTo(540, 300);
    const auto p = Render(w.Placeable(0, 0, 600, 600, 576));
    EXPECT_EQ(Count(p, kBlack, 50, 0, 51, 100), origin == 0 ? 1 : 2) << origin;
  }
}

TEST(Lines, LineToLeavesOutTheLastPixelAndMovesThePosition) {
  WmfWriter w;
  w.MoveTo(10, 10).LineTo(20, 10).LineTo(20, 20);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 10, 10), kBlack);
  EXPECT_EQ(At(p, 19, 10), kBlack);
  EXPECT_EQ(At(p, 20, 10), kBlack);  // start of the second segment
  EXPECT_EQ(At(p, 20, 19), kBlack);
  EXPECT_EQ(At(p, 20, 20), kWhite);
  EXPECT_EQ(Count(p, kBlack), 20);
}

TEST(Lines, DiagonalIsOnePixelPerColumn) {
  WmfWriter w;
  w.MoveTo(0, 0).LineTo(40, 20);
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kBlack), 40);
  for (int x = 0; x < 40; ++x) EXPECT_EQ(Count(p, kBlack, x, 0, x + 1, 100), 1) << x;
}

TEST(Lines, DottedPenAlternatesThreeOnThreeOffWithOpaqueGaps) {
  WmfWriter w;
  w.CreatePen(kDot, 0, Rgb(0, 0, 0)).SelectObject(0);
  w.SetBkColor(Rgb(0, 255, 0)).SetBkMode(2);
  w.MoveTo(0, 5).LineTo(12, 5);
  const auto p = Draw(w);
  const uint32_t expected[12] = {kBlack, kBlack, kBlack, kGreen, kGreen, kGreen,
                                 kBlack, kBlack, kBlack, kGreen, kGreen, kGreen};
  for (int x = 0; x < 12; ++x) EXPECT_EQ(At(p, x, 5), expected[x]) << x;

  WmfWriter transparent;
  transparent.CreatePen(kDot, 0, Rgb(0, 0, 0)).SelectObject(0).SetBkMode(1);
  transparent.MoveTo(0, 5).LineTo(12, 5);
  const auto q = Draw(transparent);
  EXPECT_EQ(At(q, 4, 5), kWhite);
  EXPECT_EQ(Count(q, kBlack), 6);
}

TEST(Polygon, FillModesDecideTheOverlap) {
  // Two squares of the same orientation, overlapping in 40..60.
  const std::vector<std::vector<wmfw::Point>> squares = {{{20, 20}, {60, 20}, {60, 60}, {20, 60}},
                                                         {{40, 40}, {80, 40}, {80, 80}, {40, 80}}};
  for (int16_t mode : {int16_t(1), int16_t(2)}) {
    WmfWriter w = PenAndBrush(kNullPen);
    w.SetPolyFillMode(mode).PolyPolygon(squares);
    const auto p = Draw(w);
    EXPECT_EQ(At(p, 30, 30), kRed);
    EXPECT_EQ(At(p, 70, 70), kRed);
    EXPECT_EQ(At(p, 50, 50), mode == 1 ? kWhite : kRed) << "mode " << mode;
  }
}

TEST(Polygon, ExcludesRightAndBottomEdges) {
  WmfWriter w = PenAndBrush(kNullPen);
  w.Polygon({{10, 10}, {30, 10}, {30, 30}, {10, 30}});
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kRed), 20 * 20);
  EXPECT_EQ(At(p, 29, 29), kRed);
  EXPECT_EQ(At(p, 30, 29), kWhite);
}

// Each row covers [left crossing, right crossing) with crossings rounded up: the diagonal
// edge of this triangle gives rows of 10, 9, ... 1 pixels.
TEST(Polygon, SlantedEdgesFollowTheCeilingRule) {
  WmfWriter w = PenAndBrush(kNullPen);
  w.Polygon({{0, 0}, {10, 0}, {0, 10}});
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kRed), 55);
  for (int y = 0; y < 10; ++y) {
    EXPECT_EQ(At(p, 9 - y, y), kRed) << y;
    EXPECT_EQ(At(p, 10 - y, y), kWhite) << y;
  }
  // The same figure drawn the other way round is the same set of pixels.
  WmfWriter reversed = PenAndBrush(kNullPen);
  reversed.Polygon({{0, 10}, {10, 0}, {0, 0}});
  EXPECT_EQ(Draw(reversed).pixels, p.pixels);
}

TEST(Ellipse, SymmetricAndInsideItsBox) {
  WmfWriter w = PenAndBrush();
  w.Ellipse(10, 10, 52, 32);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 30, 20), kRed);
  EXPECT_EQ(At(p, 10, 10), kWhite);
  EXPECT_EQ(At(p, 50, 30), kWhite);
  EXPECT_EQ(Count(p, kBlack, 0, 0, 100, 10), 0);
  EXPECT_EQ(Count(p, kBlack, 51, 0, 100, 100), 0);
  EXPECT_GT(Count(p, kBlack, 10, 0, 11, 100), 0);
  // Mirror symmetry about the centre column 30.
  for (int dx = 1; dx <= 20; ++dx) {
    for (int y = 10; y < 31; ++y) EXPECT_EQ(At(p, 30 - dx, y), At(p, 30 + dx, y)) << dx << "," << y;
  }
}

// The box's right and bottom edges move one logical unit in before mapping: at 1:1 an
// ellipse from 10 to 20 has its pen on columns 10 and 18; at six units per pixel a box
// 63 units wide (10.5 pixels) ends on pixel 9, where rounding its edge would give 10.
TEST(Ellipse, RightAndBottomEdgesComeOneLogicalUnitIn) {
  WmfWriter w = PenAndBrush();
  w.Ellipse(10, 10, 20, 20);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 10, 14), kBlack);
  EXPECT_EQ(At(p, 18, 14), kBlack);
  EXPECT_EQ(At(p, 19, 14), kWhite);
  EXPECT_EQ(At(p, 14, 18), kBlack);
  EXPECT_EQ(At(p, 14, 19), kWhite);
  WmfWriter scaled = PenAndBrush();
  scaled.SetWindowExt(600, 600).Ellipse(0, 0, 63, 63);
  const auto q = Draw(scaled);
  EXPECT_EQ(At(q, 9, 5), kBlack);
  EXPECT_EQ(At(q, 10, 5), kWhite);
  EXPECT_EQ(At(q, 5, 9), kBlack);
  EXPECT_EQ(At(q, 5, 10), kWhite);
  EXPECT_EQ(At(q, 0, 5), kBlack);  // left and top edges round as usual
  EXPECT_EQ(At(q, 5, 0), kBlack);
}

TEST(ArcFamily, PieTakesTheQuarterCounterClockwiseFromStartToEnd) {
  WmfWriter w = PenAndBrush(kNullPen);
  // From the ray to the right (3 o'clock) to the ray upwards (12 o'clock).
  w.Pie(10, 10, 90, 90, 90, 50, 50, 10);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 65, 35), kRed);  // upper right quarter
  EXPECT_EQ(At(p, 35, 35), kWhite);
  EXPECT_EQ(At(p, 35, 65), kWhite);
  EXPECT_EQ(At(p, 65, 65), kWhite);
}

TEST(ArcFamily, ChordCutsAlongTheLineBetweenTheEnds) {
  WmfWriter w = PenAndBrush(kNullPen);
  w.Chord(10, 10, 90, 90, 90, 50, 50, 10);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 80, 30), kRed);
  EXPECT_EQ(At(p, 55, 45), kWhite);  // centre side of the chord
}

TEST(RoundRect, CornersAreCut) {
  WmfWriter w = PenAndBrush(kNullPen);
  w.RoundRect(10, 10, 60, 60, 20, 20);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 11, 11), kWhite);
  EXPECT_EQ(At(p, 35, 11), kRed);
  EXPECT_EQ(At(p, 11, 35), kRed);
  EXPECT_EQ(At(p, 35, 35), kRed);
}

TEST(HatchBrush, AllSixPatternsOnAnEightPixelGrid) {
  struct Case {
    uint16_t hatch;
    bool (*line)(int x, int y);
  };
  const Case cases[] = {
      {0, [](int, int y) { return y % 8 == 3; }},
      {1, [](int x, int) { return x % 8 == 4; }},
      {2, [](int x, int y) { return x % 8 == y % 8; }},
      {3, [](int x, int y) { return x % 8 == 7 - y % 8; }},
      {4, [](int x, int y) { return y % 8 == 3 || x % 8 == 4; }},
      {5, [](int x, int y) { return x % 8 == y % 8 || x % 8 == 7 - y % 8; }},
  };
  for (const Case& c : cases) {
    WmfWriter w;
    w.CreatePen(kNullPen, 0, 0).SelectObject(0);
    w.CreateBrush(kBrushHatched, Rgb(0, 0, 255), c.hatch).SelectObject(1);
    w.SetBkMode(2).SetBkColor(Rgb(0, 255, 0));
    w.Rectangle(0, 0, 33, 33);
    const auto p = Draw(w);
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        ASSERT_EQ(At(p, x, y), c.line(x, y) ? kBlue : kGreen) << "hatch " << c.hatch << " at " << x << "," << y;
      }
    }
  }
}

TEST(HatchBrush, TransparentBackgroundLeavesGapsAlone) {
  WmfWriter w;
  w.CreatePen(kNullPen, 0, 0).SelectObject(0);
  w.CreateBrush(kBrushHatched, Rgb(0, 0, 255), 0).SelectObject(1);
  w.SetBkMode(1).Rectangle(0, 0, 16, 16);  // no pen: pixels 0 to 14
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kBlue), 2 * 15);
  EXPECT_EQ(At(p, 3, 4), kWhite);
  EXPECT_EQ(At(p, 3, 3), kBlue);
}

TEST(Rop2, XorTwiceRestoresAndNotInverts) {
  WmfWriter w = PenAndBrush(kNullPen, 0, Rgb(255, 255, 255));
  w.SetRop2(7);  // XOR
  w.Rectangle(10, 10, 31, 31);  // white ^ white = black over 10..29
  w.Rectangle(20, 20, 41, 41);  // overlap back to white, rest black
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 15, 15), kBlack);
  EXPECT_EQ(At(p, 25, 25), kWhite);
  EXPECT_EQ(At(p, 35, 35), kBlack);
}

TEST(Rop2, AllSixteenCodesOnBlackAndWhite) {
  // Pen colour red over a white and a black stripe; the expected results per code.
  const uint32_t onWhite[16] = {0x000000, 0x000000, 0x00FFFF, 0x00FFFF, 0x000000, 0x000000, 0x00FFFF, 0x00FFFF,
                                0xFF0000, 0xFF0000, 0xFFFFFF, 0xFFFFFF, 0xFF0000, 0xFF0000, 0xFFFFFF, 0xFFFFFF};
  const uint32_t onBlack[16] = {0x000000, 0x00FFFF, 0x000000, 0x00FFFF, 0xFF0000, 0xFFFFFF, 0xFF0000, 0xFFFFFF,
                                0x000000, 0x00FFFF, 0x000000, 0x00FFFF, 0xFF0000, 0xFFFFFF, 0xFF0000, 0xFFFFFF};
  for (int16_t rop = 1; rop <= 16; ++rop) {
    WmfWriter w;
    w.CreatePen(kNullPen, 0, 0).SelectObject(0);
    w.CreateBrush(kBrushSolid, Rgb(0, 0, 0)).SelectObject(1);
    w.Rectangle(0, 50, 101, 101);
    w.CreateBrush(kBrushSolid, Rgb(255, 0, 0)).SelectObject(2);
    w.SetRop2(rop).Rectangle(0, 0, 101, 101);
    const auto p = Draw(w);
    EXPECT_EQ(At(p, 10, 10), onWhite[rop - 1]) << "rop " << rop;
    EXPECT_EQ(At(p, 10, 60), onBlack[rop - 1]) << "rop " << rop;
  }
}

TEST(Pixels, SetPixelAndFloodFill) {
  WmfWriter w = PenAndBrush();
  w.SetPixel(5, 6, Rgb(0, 0, 255));
  w.CreateBrush(kBrushNull, 0).SelectObject(2);
  w.Rectangle(20, 20, 40, 40);
  w.SelectObject(1).ExtFloodFill(30, 30, Rgb(0, 0, 0), 0);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 5, 6), kBlue);
  EXPECT_EQ(Count(p, kRed), 18 * 18);  // inside the frame on pixels 20 and 39
  EXPECT_EQ(At(p, 50, 50), kWhite);
}

}  // namespace
