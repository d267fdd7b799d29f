// Italics a face does not have are synthesised by slanting its upright glyphs.
#include <gtest/gtest.h>

#include "render_helpers.h"

namespace {

using metafile_test::At;
using metafile_test::Render;
using wmfw::WmfWriter;

metafile::Picture DrawBar(bool italic) {
  WmfWriter w;
  w.SetBkMode(1).CreateFont(-160, "Symbol", 400, italic, false, false, 2).SelectObject(0);
  w.TextOut(60, 10, "|");
  return Render(w.Placeable(0, 0, 300, 200, 96));
}

// Leftmost dark pixel of each row, -1 where the row has none.
std::vector<int> LeftEdges(const metafile::Picture& p) {
  std::vector<int> edges(size_t(p.height), -1);
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      if ((At(p, x, y) & 0xFF) < 128) {
        edges[size_t(y)] = x;
        break;
      }
    }
  }
  return edges;
}

TEST(TextItalic, SynthesisedItalicLeansAQuarterPixelPerRow) {
  const std::vector<int> upright = LeftEdges(DrawBar(false));
  const std::vector<int> italic = LeftEdges(DrawBar(true));
  // Rows where both bars have ink: the upright bar's edge is straight, the slanted one
  // moves right by a quarter of the rows it climbs.
  int top = -1, bottom = -1;
  for (size_t y = 0; y < upright.size(); ++y) {
    if (upright[y] < 0 || italic[y] < 0) continue;
    if (top < 0) top = int(y);
    bottom = int(y);
  }
  ASSERT_GT(bottom - top, 80);
  EXPECT_NEAR(upright[size_t(top)], upright[size_t(bottom)], 1);
  const double climb = bottom - top;
  const double lean = italic[size_t(top)] - italic[size_t(bottom)];
  EXPECT_NEAR(lean / climb, 0.25, 0.02);
}

}  // namespace
