#include "metafile/polygon_fill.h"

#include <algorithm>
#include <cstdint>

#include "metafile/work_budget.h"

namespace metafile {

namespace {

struct Edge {
  int64_t x1, y1, x2, y2;  // y1 < y2
  int direction;           // +1 drawn downwards, -1 upwards
};

int64_t CeilDiv(int64_t a, int64_t b) {  // b > 0
  return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

struct Crossing {
  int64_t x;
  int direction;
};

std::vector<Edge> EdgesOf(const std::vector<std::vector<DevicePoint>>& polygons) {
  std::vector<Edge> edges;
  for (const auto& polygon : polygons) {
    const size_t n = polygon.size();
    if (n < 3) continue;
    for (size_t i = 0; i < n; ++i) {
      const DevicePoint& a = polygon[i];
      const DevicePoint& b = polygon[(i + 1) % n];
      const int64_t ax = RoundToPixel(a.x), ay = RoundToPixel(a.y);
      const int64_t bx = RoundToPixel(b.x), by = RoundToPixel(b.y);
      if (ay == by) continue;
      if (ay < by) {
        edges.push_back({ax, ay, bx, by, 1});
      } else {
        edges.push_back({bx, by, ax, ay, -1});
      }
    }
  }
  return edges;
}

void MarkSpan(CoverageMask& mask, int y, int64_t from, int64_t to) {
  const IntRect& b = mask.bounds;
  from = std::max<int64_t>(from, b.left);
  to = std::min<int64_t>(to, b.right);
  if (from >= to) return;
  uint8_t* row = mask.alpha.data() + size_t(y - b.top) * size_t(mask.Stride());
  std::fill(row + (from - b.left), row + (to - b.left), uint8_t(255));
}

}  // namespace

void FillPolygons(const std::vector<std::vector<DevicePoint>>& polygons, bool winding, CoverageMask& mask) {
  std::vector<Edge> edges = EdgesOf(polygons);
  if (edges.empty() || mask.bounds.Empty()) return;
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.y1 < b.y1; });
  std::vector<const Edge*> active;
  std::vector<Crossing> crossings;
  size_t next = 0;
  // Rows above the first edge cross nothing; start at the first row that matters.
  const int firstRow = int(std::clamp<int64_t>(edges.front().y1, mask.bounds.top, mask.bounds.bottom));
  for (int y = firstRow; y < mask.bounds.bottom; ++y) {
    while (next < edges.size() && edges[next].y1 <= y) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const Edge* e) { return e->y2 <= y; });
    if (active.empty()) {
      if (next >= edges.size()) break;
      continue;
    }
    crossings.clear();
    for (const Edge* e : active) {
      const int64_t x = e->x1 + CeilDiv((y - e->y1) * (e->x2 - e->x1), e->y2 - e->y1);
      crossings.push_back({x, e->direction});
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    if (winding) {
      int count = 0;
      for (size_t i = 0; i + 1 < crossings.size(); ++i) {
        count += crossings[i].direction;
        if (count != 0) MarkSpan(mask, y, crossings[i].x, crossings[i + 1].x);
      }
    } else {
      for (size_t i = 0; i + 1 < crossings.size(); i += 2) MarkSpan(mask, y, crossings[i].x, crossings[i + 1].x);
    }
  }
}

int64_t ScanConversionCost(const std::vector<std::vector<DevicePoint>>& polygons, const IntRect& bounds) {
  int64_t rows = 0;
  int64_t first = bounds.bottom, last = bounds.top;
  for (const Edge& e : EdgesOf(polygons)) {
    const int64_t top = std::max<int64_t>(e.y1, bounds.top);
    const int64_t bottom = std::min<int64_t>(e.y2, bounds.bottom);
    // Sorting and the active list touch every edge, whether it crosses rows or not.
    rows += 1 + std::max<int64_t>(0, bottom - top);
    first = std::min(first, top);
    last = std::max(last, bottom);
  }
  const int64_t crossedRows = std::max<int64_t>(1, last - first);
  int64_t doublings = 2;
  for (int64_t together = rows / crossedRows; together > 1; together /= 2) ++doublings;
  return crossedRows * cost::kPolygonRow + rows * doublings * cost::kEdgeRow;
}

}  // namespace metafile
