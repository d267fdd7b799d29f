// Mapping modes, window and viewport, SaveDC/RestoreDC, clipping and regions.
#include <gtest/gtest.h>

#include "metafile/recording_backend.h"
#include "metafile/render.h"
#include "render_helpers.h"

namespace {

using namespace metafile_test;
using wmfw::Rgb;
using wmfw::WmfWriter;

constexpr uint16_t kNullPen = 5;

metafile::Picture Draw(const WmfWriter& w) { return Render(w.Placeable(0, 0, 100, 100, 96)); }

// Null pen, red brush: rectangles show exactly the pixels their fill covers.
WmfWriter RedFill() {
  WmfWriter w;
  w.CreatePen(kNullPen, 0, 0).SelectObject(0);
  w.CreateBrush(0, Rgb(255, 0, 0)).SelectObject(1);
  return w;
}

// Plays through the recording back end.
std::vector<metafile::RecordedCall> Record(const wmfw::Bytes& bytes) {
  metafile::PlaceableHeader header;
  metafile::Placement placement;
  EXPECT_TRUE(metafile_test::ReadHeaderAndPlacement(bytes, header, placement));
  std::string reason;
  metafile::RecordingBackend backend;
  EXPECT_TRUE(metafile::PlayPlaceableMetafile(bytes.data(), bytes.size(), header, placement, backend, reason));
  return backend.Calls();
}

TEST(Mapping, WindowExtentScalesOntoTheBox) {
  WmfWriter w = RedFill();
  w.SetMapMode(8).SetWindowOrg(0, 0).SetWindowExt(50, 50);
  // 10 units of 2 pixels: the box ends at pixel 19 (right - 1) and, without a pen, the
  // fill at 17, one pixel short of it, as GDI fills it.
  w.Rectangle(0, 0, 10, 10);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 17, 17), kRed);
  EXPECT_EQ(At(p, 18, 17), kWhite);
  EXPECT_EQ(At(p, 17, 18), kWhite);
  EXPECT_EQ(Count(p, kRed), 18 * 18);
}

TEST(Mapping, NegativeExtentFlipsAndViewportMoves) {
  WmfWriter w = RedFill();
  w.SetMapMode(8).SetWindowOrg(0, 0).SetWindowExt(100, -100).SetViewportOrg(0, 100);
  w.Rectangle(0, 0, 11, 11);  // the bottom-left corner of the canvas
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 5, 95), kRed);
  EXPECT_EQ(At(p, 5, 5), kWhite);
}

TEST(Mapping, IsotropicKeepsTheAspect) {
  WmfWriter w = RedFill();
  w.SetMapMode(7).SetWindowExt(100, 50);  // the viewport stays 100 × 100: scale 1 on both axes
  w.Rectangle(0, 0, 101, 101);
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kRed), 100 * 100);
}

TEST(Mapping, MetricModeIsTrueSizeWithYUp) {
  WmfWriter w = RedFill();
  w.SetMapMode(2);  // 0.1 mm per unit, y grows upwards from the window origin
  w.SetViewportOrg(0, 100);
  w.Rectangle(0, 0, 254, 254);  // one inch: 96 pixels
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 50, 50), kRed);
  EXPECT_EQ(At(p, 97, 50), kWhite);
  EXPECT_NEAR(Count(p, kRed), 96 * 96, 2 * 96);
}

TEST(Mapping, RecordingBackEndSeesCanvasCoordinates) {
  WmfWriter w;
  w.SetMapMode(8).SetWindowOrg(1000, 1000).SetWindowExt(2000, 1000);
  w.Rectangle(1000, 1000, 2000, 1500);
  const auto calls = Record(w.Placeable(0, 0, 200, 100, 96));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].kind, "shape");
  ASSERT_FALSE(calls[0].points.empty());
  EXPECT_DOUBLE_EQ(calls[0].points[0].x, 0);
  EXPECT_DOUBLE_EQ(calls[0].points[0].y, 0);
  EXPECT_DOUBLE_EQ(calls[0].points[2].x, 100);  // the outline lies on the right edge
  EXPECT_DOUBLE_EQ(calls[0].points[2].y, 50);
  EXPECT_EQ(calls[0].style.brush.color, 0xFFFFFFu);
}

TEST(Mapping, ScaleAndOffsetRecords) {
  WmfWriter w;
  w.SetMapMode(8).SetWindowExt(100, 100);
  w.Record(wmfw::kScaleWindowExt, {1, 2, 1, 2});  // window extent doubles: half the scale
  w.Record(wmfw::kOffsetViewportOrg, {10, 20});   // y 10, x 20
  w.SetPixel(10, 10, Rgb(0, 0, 255));
  const auto calls = Record(w.Placeable(0, 0, 100, 100, 96));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_DOUBLE_EQ(calls[0].points[0].x, 25);
  EXPECT_DOUBLE_EQ(calls[0].points[0].y, 15);
}

TEST(SaveRestore, RelativeAndAbsoluteLevels) {
  WmfWriter w = RedFill();
  w.CreateBrush(0, Rgb(0, 0, 255));  // slot 2
  w.SaveDC();                        // level 1: red
  w.SelectObject(2).SaveDC();        // level 2: blue
  w.CreateBrush(0, Rgb(0, 255, 0)).SelectObject(3).SaveDC();  // level 3: green
  w.RestoreDC(-1).Rectangle(0, 0, 11, 11);                    // green
  w.RestoreDC(1).Rectangle(20, 0, 31, 11);                    // red, levels 1..3 gone
  w.RestoreDC(-1).Rectangle(40, 0, 51, 11);                   // nothing left to restore: still red
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 5, 5), kGreen);
  EXPECT_EQ(At(p, 25, 5), kRed);
  EXPECT_EQ(At(p, 45, 5), kRed);
}

TEST(SaveRestore, ClipIsRestored) {
  WmfWriter w = RedFill();
  w.SaveDC().IntersectClipRect(0, 0, 10, 10).RestoreDC(-1);
  w.Rectangle(0, 0, 51, 51);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 40, 40), kRed);
}

TEST(Clipping, IntersectAndExcludeRectangles) {
  WmfWriter w = RedFill();
  w.IntersectClipRect(10, 10, 50, 50).ExcludeClipRect(20, 20, 30, 30);
  w.Rectangle(0, 0, 101, 101);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 9, 20), kWhite);
  EXPECT_EQ(At(p, 10, 20), kRed);
  EXPECT_EQ(At(p, 49, 20), kRed);
  EXPECT_EQ(At(p, 50, 20), kWhite);
  EXPECT_EQ(At(p, 25, 25), kWhite);
  EXPECT_EQ(At(p, 30, 25), kRed);
  EXPECT_EQ(Count(p, kRed), 40 * 40 - 10 * 10);
}

TEST(Clipping, SelectClipRegionAndOffset) {
  WmfWriter w = RedFill();
  w.CreateRegion({{10, 10, 20, 20}, {30, 10, 40, 20}});  // slot 2
  w.SelectClipRegion(2);
  w.Record(wmfw::kOffsetClipRgn, {5, 5});
  w.Rectangle(0, 0, 101, 101);
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kRed), 200);
  EXPECT_EQ(At(p, 15, 15), kRed);
  EXPECT_EQ(At(p, 14, 15), kWhite);
  EXPECT_EQ(At(p, 44, 24), kRed);
  EXPECT_EQ(At(p, 25, 15), kWhite);
  // Selecting no region removes the clip.
  WmfWriter again = RedFill();
  again.CreateRegion({{10, 10, 20, 20}}).SelectClipRegion(2).SelectClipRegion(0).Rectangle(0, 0, 101, 101);
  EXPECT_EQ(Count(Draw(again), kRed), 100 * 100);
}

TEST(Regions, FillFrameInvertPaint) {
  WmfWriter w = RedFill();
  w.CreateRegion({{10, 10, 30, 30}});      // slot 2
  w.CreateBrush(0, Rgb(0, 0, 255));        // slot 3
  w.CreateRegion({{50, 50, 60, 60}});      // slot 4
  w.CreateRegion({{70, 70, 80, 80}});      // slot 5
  w.FillRegion(2, 3);
  w.FrameRegion(2, 1, 2, 2);
  w.InvertRegion(4);
  w.PaintRegion(5);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 10, 10), kRed);
  EXPECT_EQ(At(p, 11, 20), kRed);
  EXPECT_EQ(At(p, 12, 20), kBlue);
  EXPECT_EQ(At(p, 29, 20), kRed);
  EXPECT_EQ(At(p, 30, 20), kWhite);
  EXPECT_EQ(At(p, 55, 55), kBlack);
  EXPECT_EQ(At(p, 75, 75), kRed);
  EXPECT_EQ(At(p, 80, 75), kWhite);
}

// A region of several rectangles is framed along its outline: the seam between an L's
// two rectangles gets no frame, the edges of each arm do.
TEST(Regions, FrameFollowsTheOutlineOfAMultiRectangleRegion) {
  WmfWriter w;
  w.CreateBrush(0, Rgb(0, 0, 255));                    // slot 0
  w.CreateRegion({{10, 10, 30, 20}, {10, 20, 20, 30}});  // slot 1: an L
  w.FrameRegion(1, 0, 2, 1);                           // two pixels wide, one high
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 15, 19), kWhite);  // above the seam
  EXPECT_EQ(At(p, 15, 20), kWhite);  // below the seam
  EXPECT_EQ(At(p, 25, 19), kBlue);   // bottom edge of the upper arm
  EXPECT_EQ(At(p, 25, 18), kWhite);
  EXPECT_EQ(At(p, 18, 25), kBlue);   // right edge of the lower arm, two wide
  EXPECT_EQ(At(p, 16, 25), kWhite);
  EXPECT_EQ(At(p, 10, 25), kBlue);   // left edge, shared by both arms
  EXPECT_EQ(At(p, 12, 15), kWhite);
  EXPECT_EQ(At(p, 15, 10), kBlue);   // top edge
  EXPECT_EQ(At(p, 15, 29), kBlue);   // bottom edge
}

TEST(Objects, DeletedSlotIsReusedAndUnknownSlotsIgnored) {
  WmfWriter w = RedFill();
  w.CreateBrush(0, Rgb(0, 0, 255));  // slot 2
  w.DeleteObject(1);
  w.CreateBrush(0, Rgb(0, 255, 0));  // takes slot 1
  w.SelectObject(1).SelectObject(999).SelectObject(40);
  w.Rectangle(0, 0, 11, 11);
  w.SelectObject(2).Rectangle(20, 0, 31, 11);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 5, 5), kGreen);
  EXPECT_EQ(At(p, 25, 5), kBlue);
}

}  // namespace

namespace {

// A palette-index colour (high byte 1) takes the default palette's entry on a true-colour
// canvas, even when the file selects a logical palette of its own.
TEST(Colors, PaletteIndexUsesTheDefaultPalette) {
  WmfWriter w;
  w.CreatePen(kNullPen, 0, 0).SelectObject(0);
  w.Record(wmfw::kCreatePalette, {0x300, 1, int16_t(0x00FF), 0});  // one entry: pure red
  w.Record(wmfw::kSelectPalette, {1});
  w.CreateBrush(0, 0x01000002).SelectObject(2).Rectangle(0, 0, 11, 11);
  w.CreateBrush(0, 0x0100000D).SelectObject(3).Rectangle(20, 0, 31, 11);
  w.CreateBrush(0, 0x01000400).SelectObject(4).Rectangle(40, 0, 51, 11);
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 5, 5), 0x008000u);
  EXPECT_EQ(At(p, 25, 5), kRed);
  EXPECT_EQ(At(p, 45, 5), kBlack);
}

}  // namespace

namespace {

// A viewport the file sets itself is in device pixels, not in the box's units: here the
// window of 1440 units spans 1440 pixels instead of the box's 96.
TEST(Mapping, ExplicitViewportIsInDevicePixels) {
  WmfWriter w = RedFill();
  w.SetMapMode(8).SetWindowExt(1440, 1440);
  w.Rectangle(0, 0, 7, 7);
  EXPECT_EQ(Count(Render(w.Placeable(0, 0, 1440, 1440, 1440)), kRed), 0);  // under half a pixel
  w.SetViewportExt(1440, 1440).Rectangle(0, 0, 7, 7);
  EXPECT_EQ(Count(Render(w.Placeable(0, 0, 1440, 1440, 1440)), kRed), 6 * 6);  // no pen: 0 to 5
}

}  // namespace

namespace {

// The box is recorded in whole hundredths of a millimetre and its viewport in whole
// device pixels, and that frame is then stretched onto the box's pixels: 608 units at
// 2305 per inch are 670 hundredths of a millimetre, 25.32 pixels, a viewport of 25,
// stretched by 25 / 25.32 onto a 25-pixel box. Unit 600 lands at 24.35, not 24.67.
TEST(Mapping, FrameRoundingOfSmallPictures) {
  WmfWriter w;
  w.SetPixel(600, 0, Rgb(0, 0, 255));
  const auto calls = Record(w.Placeable(0, 0, 608, 512, 2305));
  ASSERT_EQ(calls.size(), 1u);
  const double framePixels = 670 * 96.0 / 2540;
  EXPECT_NEAR(600 * 25.0 / 608 * 25.0 / framePixels, 24.35, 0.01);
  EXPECT_DOUBLE_EQ(calls[0].points[0].x, 24);
}

}  // namespace
