// Wide pens drawn as GDI fills them: a rectangle of the pen's width per segment and, for
// round caps and joins, the whole-pixel ellipse of the pen's diameter on each point.
#include <gtest/gtest.h>

#include <cmath>

#include "metafile/ellipse_pixels.h"
#include "render_helpers.h"

namespace {

using namespace metafile_test;
using wmfw::Rgb;
using wmfw::WmfWriter;

metafile::Picture DrawWide(int16_t width, const std::vector<wmfw::Point>& points) {
  WmfWriter w;
  w.CreatePen(0, width, Rgb(0, 0, 0)).SelectObject(0);
  w.Polyline(points);
  return Render(w.Placeable(0, 0, 100, 100, 96));
}

// Whether (x, y) is one of the disc's pixels.
bool InDisc(const metafile::PixelFigure& disc, int x, int y) {
  for (const metafile::PixelRow& row : disc.rows) {
    if (row.y == y) return x >= row.left && x <= row.right;
  }
  return false;
}

TEST(WidePen, RoundCapsAreTheEllipseOfThePenDiameter) {
  for (int16_t width : {int16_t(7), int16_t(8), int16_t(11)}) {
    const auto p = DrawWide(width, {{40, 50}, {70, 50}});
    const int left = 40 - width / 2;
    const auto disc = metafile::EllipsePixels(left, 50 - width / 2, left + width - 1, 50 - width / 2 + width - 1);
    for (int y = 35; y < 65; ++y) {
      for (int x = 25; x < 40; ++x) {
        EXPECT_EQ(At(p, x, y) == kBlack, InDisc(disc, x, y)) << "width " << width << " at " << x << "," << y;
      }
    }
  }
}

// A diagonal line covers the pixels whose centres lie within half the pen width of it,
// give or take the whole-pixel corners of its rectangle.
TEST(WidePen, DiagonalLineCoversItsBandOnly) {
  const double half = 4.5;
  const auto p = DrawWide(9, {{20, 30}, {70, 60}});
  const double dx = 50, dy = 30, len = std::hypot(dx, dy);
  for (int y = 10; y < 80; ++y) {
    for (int x = 25; x < 65; ++x) {
      const double along = ((x - 20) * dx + (y - 30) * dy) / len;
      if (along < 6 || along > len - 6) continue;  // away from the caps
      const double across = std::fabs((x - 20) * dy - (y - 30) * dx) / len;
      if (across < half - 1) {
        EXPECT_EQ(At(p, x, y), kBlack) << x << "," << y;
      } else if (across > half + 1) {
        EXPECT_EQ(At(p, x, y), kWhite) << x << "," << y;
      }
    }
  }
}

TEST(WidePen, RoundJoinBeyondTheSegmentsIsTheEllipse) {
  const int16_t width = 9;
  const auto p = DrawWide(width, {{20, 70}, {50, 30}, {80, 70}});
  const auto disc = metafile::EllipsePixels(46, 26, 54, 34);
  // Above the segments' outer corners only the join's ellipse reaches.
  for (int y = 20; y < 27; ++y) {
    for (int x = 35; x < 65; ++x) EXPECT_EQ(At(p, x, y) == kBlack, InDisc(disc, x, y)) << x << "," << y;
  }
  EXPECT_EQ(At(p, 50, 40), kWhite);  // inside the bend
}

}  // namespace
