#include "metafile/wide_pen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "metafile/ellipse_pixels.h"
#include "metafile/gdi_objects.h"
#include "metafile/polygon_fill.h"
#include "metafile/work_budget.h"

namespace metafile {

namespace {

constexpr double kMiterLimit = 10.0;
// Rows of round caps and joins, summed, beyond which the figure is left to the caller.
constexpr double kMaxRoundRows = 4.0e6;

struct Vec {
  double x, y;
};

void MarkRow(CoverageMask& mask, int y, int from, int to) {  // to inclusive
  const IntRect& b = mask.bounds;
  if (y < b.top || y >= b.bottom) return;
  from = std::max(from, b.left);
  to = std::min(to + 1, b.right);
  if (from >= to) return;
  uint8_t* row = mask.alpha.data() + size_t(y - b.top) * size_t(mask.Stride());
  std::fill(row + (from - b.left), row + (to - b.left), uint8_t(255));
}

class OutlineBuilder {
 public:
  OutlineBuilder(double width, CoverageMask& mask) : half_(width / 2), diameter_(int(std::lround(width))), mask_(mask) {}

  void Polygon(std::vector<DevicePoint> points) {
    const std::vector<std::vector<DevicePoint>> one{std::move(points)};
    FillPolygons(one, true, mask_);
  }

  // GDI's ellipse of the pen's diameter centred on `p`.
  void Disc(const DevicePoint& p) {
    const int left = RoundToPixel(p.x) - diameter_ / 2;
    const int top = RoundToPixel(p.y) - diameter_ / 2;
    const IntRect& b = mask_.bounds;
    if (left > b.right || top > b.bottom || left + diameter_ < b.left || top + diameter_ < b.top) return;
    const PixelFigure disc = EllipsePixels(left, top, left + diameter_ - 1, top + diameter_ - 1);
    for (const PixelRow& row : disc.rows) MarkRow(mask_, row.y, row.left, row.right);
  }

  void Segment(const DevicePoint& a, const DevicePoint& b, const Vec& d, double startExtend, double endExtend) {
    const Vec n{-d.y * half_, d.x * half_};
    const DevicePoint s{a.x - d.x * startExtend, a.y - d.y * startExtend};
    const DevicePoint e{b.x + d.x * endExtend, b.y + d.y * endExtend};
    Polygon({{s.x + n.x, s.y + n.y}, {e.x + n.x, e.y + n.y}, {e.x - n.x, e.y - n.y}, {s.x - n.x, s.y - n.y}});
  }

  // The join at `p` between a segment arriving along `d1` and one leaving along `d2`.
  void Join(const DevicePoint& p, const Vec& d1, const Vec& d2, uint16_t join) {
    if (join != kJoinBevel && join != kJoinMiter) return Disc(p);
    const double cross = d1.x * d2.y - d1.y * d2.x;
    if (std::fabs(cross) < 1e-12) return;
    // The outer side is the one the path turns away from.
    const double side = cross > 0 ? -1.0 : 1.0;
    const DevicePoint p1{p.x - d1.y * half_ * side, p.y + d1.x * half_ * side};
    const DevicePoint p2{p.x - d2.y * half_ * side, p.y + d2.x * half_ * side};
    if (join == kJoinMiter) {
      const double cosHalf = std::sqrt(std::max(0.0, (1 + d1.x * d2.x + d1.y * d2.y) / 2));
      if (cosHalf > 1 / kMiterLimit) {
        // The miter tip lies on the bisector of the two outer normals.
        const Vec bis{(p1.x + p2.x) / 2 - p.x, (p1.y + p2.y) / 2 - p.y};
        const double len = std::hypot(bis.x, bis.y);
        if (len > 1e-12) {
          const double reach = half_ / cosHalf / len;
          Polygon({p, p1, {p.x + bis.x * reach, p.y + bis.y * reach}, p2});
          return;
        }
      }
    }
    Polygon({p, p1, p2});
  }

 private:
  double half_;
  int diameter_;
  CoverageMask& mask_;
};

std::vector<DevicePoint> DistinctPoints(const Polyline& line) {
  std::vector<DevicePoint> pts;
  for (const DevicePoint& p : line.points) {
    if (!(p.x == p.x) || !(p.y == p.y)) continue;
    const DevicePoint q{std::clamp(p.x, -kMaxCanvasCoordinate, kMaxCanvasCoordinate),
                        std::clamp(p.y, -kMaxCanvasCoordinate, kMaxCanvasCoordinate)};
    if (pts.empty() || pts.back().x != q.x || pts.back().y != q.y) pts.push_back(q);
  }
  if (line.closed && pts.size() > 1 && pts.front().x == pts.back().x && pts.front().y == pts.back().y) pts.pop_back();
  return pts;
}

Vec Direction(const DevicePoint& a, const DevicePoint& b) {
  const double len = std::hypot(b.x - a.x, b.y - a.y);
  return {(b.x - a.x) / len, (b.y - a.y) / len};
}

void StrokeLine(OutlineBuilder& out, const std::vector<DevicePoint>& pts, bool closed, uint16_t penStyle, double half) {
  const uint16_t cap = penStyle & kCapMask;
  const uint16_t join = penStyle & kJoinMask;
  if (pts.size() == 1) {
    if (cap != kEndCapSquare && cap != kEndCapFlat) out.Disc(pts.front());
    return;
  }
  const bool isClosed = closed && pts.size() > 2;
  const size_t segments = isClosed ? pts.size() : pts.size() - 1;
  const double capExtend = cap == kEndCapSquare ? half : 0;
  for (size_t i = 0; i < segments; ++i) {
    const DevicePoint& a = pts[i];
    const DevicePoint& b = pts[(i + 1) % pts.size()];
    const bool first = !isClosed && i == 0;
    const bool last = !isClosed && i + 1 == segments;
    out.Segment(a, b, Direction(a, b), first ? capExtend : 0, last ? capExtend : 0);
  }
  if (!isClosed && cap != kEndCapSquare && cap != kEndCapFlat) {
    out.Disc(pts.front());
    out.Disc(pts.back());
  }
  const size_t n = pts.size();
  for (size_t i = isClosed ? 0 : 1; i < (isClosed ? n : n - 1); ++i) {
    const DevicePoint& prev = pts[(i + n - 1) % n];
    const DevicePoint& next = pts[(i + 1) % n];
    out.Join(pts[i], Direction(prev, pts[i]), Direction(pts[i], next), join);
  }
}

}  // namespace

int64_t WidePenCost(const Shape& shape, double width, const IntRect& bounds) {
  const int64_t rowsHigh = std::max(0, bounds.bottom - bounds.top);
  const int64_t penRows = int64_t(std::min(std::max(width, 1.0), double(rowsHigh))) + 2;
  int64_t rows = 0;
  for (const Polyline& line : shape.outline) {
    for (size_t i = 0; i < line.points.size(); ++i) {
      const DevicePoint& a = line.points[i];
      const DevicePoint& b = line.points[(i + 1) % line.points.size()];
      const int64_t dy = std::llabs(int64_t(RoundToPixel(b.y)) - RoundToPixel(a.y));
      // The rows of a segment's rectangle, and of the join or cap at its point.
      rows += std::min(dy, rowsHigh) + 2 * penRows;
    }
  }
  return rows * (cost::kPolygonRow + 8 * cost::kEdgeRow);
}

bool FillWidePenOutline(const Shape& shape, double width, uint16_t penStyle, CoverageMask& mask) {
  if (!(width > 1) || width > kMaxPixelEllipse) return false;
  // Inside-frame outlines still match the reference better when stroked the other way.
  if ((penStyle & kPenStyleMask) == kPenInsideFrame) return false;
  std::vector<std::vector<DevicePoint>> lines;
  double roundRows = 0;
  for (const Polyline& line : shape.outline) {
    lines.push_back(DistinctPoints(line));
    roundRows += double(lines.back().size() + 2) * width;
  }
  if (roundRows > kMaxRoundRows) return false;
  OutlineBuilder out(width, mask);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].empty()) StrokeLine(out, lines[i], shape.outline[i].closed, penStyle, width / 2);
  }
  return true;
}

}  // namespace metafile
