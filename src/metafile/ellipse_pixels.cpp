#include "metafile/ellipse_pixels.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace metafile {

PixelFigure EllipsePixels(int left, int top, int right, int bottom) {
  PixelFigure figure;
  if (right < left || bottom < top) return figure;
  if (int64_t(right) - left > kMaxPixelEllipse || int64_t(bottom) - top > kMaxPixelEllipse) return figure;
  int64_t a = right - left;
  int64_t b = bottom - top;
  const int64_t b1 = b & 1;
  // Error terms of the implicit ellipse equation, stepped from the rightmost point of the
  // middle rows towards the top and bottom.
  int64_t dx = 4 * (1 - a) * b * b;
  int64_t dy = 4 * (b1 + 1) * a * a;
  int64_t err = dx + dy + b1 * a * a;
  int64_t x0 = left, x1 = right;
  int64_t y0 = top + (b + 1) / 2;
  int64_t y1 = y0 - b1;
  const int64_t aStep = 8 * a * a;
  const int64_t bStep = 8 * b * b;
  // Leftmost and rightmost pixel of each row; the flat tips may reach one row beyond the box.
  const int64_t firstRow = top - 1;
  std::vector<std::pair<int64_t, int64_t>> extent(size_t(b + 3), {INT64_MAX, INT64_MIN});
  figure.outline.reserve(size_t(4 * (a + b + 2)));
  auto plot = [&](int64_t x, int64_t y) {
    figure.outline.emplace_back(int(x), int(y));
    auto& [from, to] = extent[size_t(y - firstRow)];
    from = std::min(from, x);
    to = std::max(to, x);
  };
  do {
    plot(x1, y0);
    plot(x0, y0);
    plot(x0, y1);
    plot(x1, y1);
    const int64_t e2 = 2 * err;
    if (e2 <= dy) {
      ++y0;
      --y1;
      err += dy += aStep;
    }
    if (e2 >= dx || 2 * err > dy) {
      ++x0;
      --x1;
      err += dx += bStep;
    }
  } while (x0 <= x1);
  // Very flat ellipses: finish the tips at the top and bottom.
  while (y0 - y1 <= b) {
    plot(x0 - 1, y0);
    plot(x1 + 1, y0++);
    plot(x0 - 1, y1);
    plot(x1 + 1, y1--);
  }
  for (size_t row = 0; row < extent.size(); ++row) {
    const auto& [from, to] = extent[row];
    if (from <= to) figure.rows.push_back({int(firstRow + int64_t(row)), int(from), int(to)});
  }
  return figure;
}

}  // namespace metafile
