#include "metafile/shape_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace metafile {

namespace {

// The figure's outline runs through the centres of its outermost pixels: from left to
// right - 1 and top to bottom - 1.
struct Outline {
  double left, top, right, bottom;
  double CenterX() const { return (left + right) / 2; }
  double CenterY() const { return (top + bottom) / 2; }
  double RadiusX() const { return (right - left) / 2; }
  double RadiusY() const { return (bottom - top) / 2; }
};

Outline OutlineOf(const PixelBox& box, double inset) {
  Outline o{box.left + inset, box.top + inset, box.right - 1 - inset, box.bottom - 1 - inset};
  if (o.right < o.left) o.left = o.right = (o.left + o.right) / 2;
  if (o.bottom < o.top) o.top = o.bottom = (o.top + o.bottom) / 2;
  return o;
}

// Enough segments that a chord is never more than a fraction of a pixel off the curve.
int SegmentsFor(double rx, double ry, double sweep) {
  const double r = std::max(std::fabs(rx), std::fabs(ry));
  const int full = int(std::clamp(std::ceil(std::sqrt(r) * 8), 8.0, 1024.0));
  return std::max(2, int(std::ceil(full * sweep / (2 * std::numbers::pi))));
}

// Points on the ellipse from angle a0 over `sweep` (radians, y up as on paper).
void AppendArc(const Outline& o, double a0, double sweep, std::vector<DevicePoint>& out) {
  const int n = SegmentsFor(o.RadiusX(), o.RadiusY(), std::fabs(sweep));
  for (int i = 0; i <= n; ++i) {
    const double a = a0 + sweep * i / n;
    out.push_back({o.CenterX() + o.RadiusX() * std::cos(a), o.CenterY() - o.RadiusY() * std::sin(a)});
  }
}

Shape Closed(std::vector<DevicePoint> points) {
  Shape s;
  s.fill.push_back(points);
  s.outline.push_back({std::move(points), true});
  return s;
}

}  // namespace

Shape RectangleShape(const PixelBox& box, double inset) {
  const Outline o = OutlineOf(box, inset);
  return Closed({{o.left, o.top}, {o.right, o.top}, {o.right, o.bottom}, {o.left, o.bottom}});
}

Shape EllipseShape(const PixelBox& box, double inset) {
  const Outline o = OutlineOf(box, inset);
  std::vector<DevicePoint> points;
  AppendArc(o, 0, 2 * std::numbers::pi, points);
  points.pop_back();
  return Closed(std::move(points));
}

Shape RoundRectShape(const PixelBox& box, double cornerWidth, double cornerHeight, double inset) {
  const Outline o = OutlineOf(box, inset);
  const double rx = std::min(std::fabs(cornerWidth) / 2, o.RadiusX());
  const double ry = std::min(std::fabs(cornerHeight) / 2, o.RadiusY());
  if (rx <= 0 || ry <= 0) return RectangleShape(box, inset);
  std::vector<DevicePoint> points;
  const double half = std::numbers::pi / 2;
  // Corners counter-clockwise from the top right, each a quarter ellipse.
  const Outline corners[4] = {{o.right - 2 * rx, o.top, o.right, o.top + 2 * ry},
                              {o.left, o.top, o.left + 2 * rx, o.top + 2 * ry},
                              {o.left, o.bottom - 2 * ry, o.left + 2 * rx, o.bottom},
                              {o.right - 2 * rx, o.bottom - 2 * ry, o.right, o.bottom}};
  for (int i = 0; i < 4; ++i) AppendArc(corners[i], half * i, half, points);
  return Closed(std::move(points));
}

Shape ArcShape(const PixelBox& box, DevicePoint start, DevicePoint end, ArcKind kind, bool clockwise,
               double inset) {
  const Outline o = OutlineOf(box, inset);
  const double cx = o.CenterX(), cy = o.CenterY();
  // Angles of the rays on a circle scaled to the ellipse, y up.
  auto angle = [&](DevicePoint p) {
    const double rx = std::max(o.RadiusX(), 1e-9), ry = std::max(o.RadiusY(), 1e-9);
    return std::atan2(-(p.y - cy) / ry, (p.x - cx) / rx);
  };
  const double a0 = angle(start);
  double sweep = angle(end) - a0;
  const double full = 2 * std::numbers::pi;
  if (clockwise) {
    while (sweep >= 0) sweep -= full;
  } else {
    while (sweep <= 0) sweep += full;
  }
  std::vector<DevicePoint> points;
  AppendArc(o, a0, sweep, points);
  Shape s;
  switch (kind) {
    case ArcKind::kArc:
      s.outline.push_back({std::move(points), false});
      break;
    case ArcKind::kChord:
      s = Closed(std::move(points));
      break;
    case ArcKind::kPie:
      points.push_back({cx, cy});
      s = Closed(std::move(points));
      break;
  }
  return s;
}

}  // namespace metafile
