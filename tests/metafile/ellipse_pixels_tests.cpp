#include <gtest/gtest.h>

#include "metafile/ellipse_pixels.h"

namespace {

using metafile::EllipsePixels;

std::string RowsOf(const metafile::PixelFigure& f) {
  std::string s;
  for (const auto& r : f.rows) s += std::to_string(r.y) + ":" + std::to_string(r.left) + "-" + std::to_string(r.right) + " ";
  return s;
}

TEST(EllipsePixels, SmallFiguresRowByRow) {
  EXPECT_EQ(RowsOf(EllipsePixels(0, 0, 4, 4)), "0:1-3 1:0-4 2:0-4 3:0-4 4:1-3 ");
  EXPECT_EQ(RowsOf(EllipsePixels(0, 0, 8, 4)), "0:2-6 1:1-7 2:0-8 3:1-7 4:2-6 ");
  EXPECT_EQ(RowsOf(EllipsePixels(10, 20, 10, 20)), "20:10-10 ");
}

TEST(EllipsePixels, FillsItsBoxSymmetrically) {
  for (int w = 1; w < 40; w += 3) {
    for (int h = 1; h < 40; h += 5) {
      const auto f = EllipsePixels(0, 0, w - 1, h - 1);
      ASSERT_EQ(int(f.rows.size()), h) << w << "x" << h;
      int minX = w, maxX = -1;
      for (const auto& r : f.rows) {
        EXPECT_EQ(r.left, w - 1 - r.right) << w << "x" << h << " row " << r.y;
        minX = std::min(minX, r.left);
        maxX = std::max(maxX, r.right);
        const auto& mirror = f.rows[size_t(h - 1 - r.y)];
        EXPECT_EQ(r.left, mirror.left) << w << "x" << h << " row " << r.y;
      }
      EXPECT_EQ(minX, 0);
      EXPECT_EQ(maxX, w - 1);
    }
  }
}

TEST(EllipsePixels, EmptyAndOversizedBoxesGiveNothing) {
  EXPECT_TRUE(EllipsePixels(5, 5, 4, 10).Empty());
  EXPECT_TRUE(EllipsePixels(0, 0, metafile::kMaxPixelEllipse + 1, 10).Empty());
}

}  // namespace
