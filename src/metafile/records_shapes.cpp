// Drawing records: lines, polylines, polygons, rectangles, ellipses and the arc family,
// pixels and flood fills.
#include <algorithm>
#include <cmath>
#include <vector>

#include "metafile/ellipse_pixels.h"
#include "metafile/record_table.h"
#include "metafile/shape_geometry.h"

namespace metafile {

namespace {

enum : uint16_t {
  kLineTo = 0x0213, kMoveTo = 0x0214, kPolygon = 0x0324, kPolyline = 0x0325, kEllipse = 0x0418,
  kFloodFill = 0x0419, kRectangle = 0x041B, kSetPixel = 0x041F, kPolyPolygon = 0x0538,
  kExtFloodFill = 0x0548, kRoundRect = 0x061C, kArc = 0x0817, kPie = 0x081A, kChord = 0x0830,
};

// Points and counts are bounded by the record itself; this caps the work one
// poly-polygon can ask for.
constexpr size_t kMaxPolygons = 65535;

DevicePoint MapToPixel(const Transform& t, int x, int y) {
  const DevicePoint d = t.Apply(x, y);
  return {double(RoundToPixel(d.x)), double(RoundToPixel(d.y))};
}

// `count` points (x, y pairs) from word `first`.
std::vector<DevicePoint> ReadPoints(const Record& r, size_t first, size_t count, const Transform& t) {
  std::vector<DevicePoint> points;
  points.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    points.push_back(MapToPixel(t, r.S16(first + 2 * i), r.S16(first + 2 * i + 1)));
  }
  return points;
}

// Records store a box as bottom, right, top, left from word `first`.
PixelBox ReadBox(const Player& p, const Record& r, size_t first) {
  const IntRect rect = p.MapRect(r.S16(first + 3), r.S16(first + 2), r.S16(first + 1), r.S16(first));
  return {rect.left, rect.top, rect.right, rect.bottom};
}

double InsideFrameInset(const DrawStyle& style) {
  if ((style.pen.style & kPenStyleMask) != kPenInsideFrame || style.penWidth <= 1.5) return 0;
  return (std::round(style.penWidth) - 1) / 2;
}

void Draw(Player& p, const Shape& shape, const DrawStyle& style) { p.backend.DrawShape(shape, style); }

void MoveTo(Player& p, const Record& r) {
  if (r.Has(2)) p.dc.position = {r.S16(1), r.S16(0)};
}

void LineTo(Player& p, const Record& r) {
  if (!r.Has(2)) return;
  const LogicalPoint to{r.S16(1), r.S16(0)};
  const Transform t = p.ToCanvas();
  Shape shape;
  shape.outline.push_back({{MapToPixel(t, p.dc.position.x, p.dc.position.y), MapToPixel(t, to.x, to.y)}, false});
  p.dc.position = to;
  Draw(p, shape, p.Style());
}

void PolylineRecord(Player& p, const Record& r) {
  if (!r.Has(1)) return;
  const size_t count = r.U16(0);
  if (!r.Has(1 + 2 * count)) return p.NoteBadRecord();
  if (count < 2) return;
  Shape shape;
  shape.outline.push_back({ReadPoints(r, 1, count, p.ToCanvas()), false});
  Draw(p, shape, p.Style());
}

void PolygonRecord(Player& p, const Record& r) {
  if (!r.Has(1)) return;
  const size_t count = r.U16(0);
  if (!r.Has(1 + 2 * count)) return p.NoteBadRecord();
  if (count < 2) return;
  std::vector<DevicePoint> points = ReadPoints(r, 1, count, p.ToCanvas());
  Shape shape;
  shape.fill.push_back(points);
  shape.outline.push_back({std::move(points), true});
  Draw(p, shape, p.Style());
}

void PolyPolygon(Player& p, const Record& r) {
  if (!r.Has(1)) return;
  const size_t polygons = r.U16(0);
  if (polygons > kMaxPolygons || !r.Has(1 + polygons)) return p.NoteBadRecord();
  size_t total = 0;
  for (size_t i = 0; i < polygons; ++i) total += r.U16(1 + i);
  if (!r.Has(1 + polygons + 2 * total)) return p.NoteBadRecord();
  const Transform t = p.ToCanvas();
  Shape shape;
  size_t at = 1 + polygons;
  for (size_t i = 0; i < polygons; ++i) {
    const size_t count = r.U16(1 + i);
    std::vector<DevicePoint> points = ReadPoints(r, at, count, t);
    at += 2 * count;
    if (count < 2) continue;
    shape.fill.push_back(points);
    shape.outline.push_back({std::move(points), true});
  }
  Draw(p, shape, p.Style());
}

// The box of a rectangle, ellipse or round rectangle as GDI plays it: its right and bottom
// edges (on the canvas) are taken one logical unit in before mapping, so at fractional
// scales they round differently from the other edges. Box words: bottom, right, top, left from
// word `first`.
PixelBox FigureBox(const Player& p, const Record& r, size_t first) {
  int left = r.S16(first + 3), top = r.S16(first + 2), right = r.S16(first + 1), bottom = r.S16(first);
  const Transform t = p.ToCanvas();
  // The logical edge that lands on the canvas's right (bottom) moves towards the other.
  if (left != right) {
    int& rightEdge = (t.scaleX >= 0) == (right > left) ? right : left;
    rightEdge += rightEdge == std::max(left, right) ? -1 : 1;
  }
  if (top != bottom) {
    int& bottomEdge = (t.scaleY >= 0) == (bottom > top) ? bottom : top;
    bottomEdge += bottomEdge == std::max(top, bottom) ? -1 : 1;
  }
  const IntRect rect = p.MapRect(left, top, right, bottom);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

void Rectangle(Player& p, const Record& r) {
  if (!r.Has(4)) return p.NoteBadRecord();
  const DrawStyle style = p.Style();
  // The box ends one logical unit short of its right and bottom edges; the figure then
  // includes the mapped ends. At 1:1 a rectangle from 10 to 20 has its one-pixel frame on
  // pixels 10 and 19, and without a pen fills 10 to 18, as GDI draws it.
  PixelBox box = FigureBox(p, r, 0);
  ++box.right;
  ++box.bottom;
  Draw(p, RectangleShape(box, InsideFrameInset(style)), style);
}

bool NullPen(const DrawStyle& style) { return (style.pen.style & kPenStyleMask) == kPenNull; }

// Ellipses come with GDI's own pixels; without a pen the figure is one pixel smaller.
void Ellipse(Player& p, const Record& r) {
  if (!r.Has(4)) return p.NoteBadRecord();
  const DrawStyle style = p.Style();
  const PixelBox box = FigureBox(p, r, 0);
  // Nothing of an ellipse wholly off the canvas can show, however wide its pen.
  const int reach = int(std::min(style.penWidth, kMaxCanvasCoordinate)) + 1;
  const IntRect extent{box.left - reach, box.top - reach, box.right + reach, box.bottom + reach};
  if (Intersect(extent, p.CanvasBounds()).Empty()) return;
  Shape shape = EllipseShape(box, InsideFrameInset(style));
  const int shrink = NullPen(style) ? 2 : 1;
  shape.pixels = EllipsePixels(box.left, box.top, box.right - shrink, box.bottom - shrink);
  Draw(p, shape, style);
}

// Corner ellipse height, width, then the box.
void RoundRect(Player& p, const Record& r) {
  if (!r.Has(6)) return p.NoteBadRecord();
  const DrawStyle style = p.Style();
  const Transform t = p.ToCanvas();
  const double w = std::fabs(r.S16(1) * t.scaleX);
  const double h = std::fabs(r.S16(0) * t.scaleY);
  Draw(p, RoundRectShape(FigureBox(p, r, 2), w, h, InsideFrameInset(style)), style);
}

// End point, start point (each y then x), then the box.
void ArcFamily(Player& p, const Record& r, ArcKind kind) {
  if (!r.Has(8)) return p.NoteBadRecord();
  const DrawStyle style = p.Style();
  const Transform t = p.ToCanvas();
  const DevicePoint end = t.Apply(r.S16(1), r.S16(0));
  const DevicePoint start = t.Apply(r.S16(3), r.S16(2));
  // Arcs run counter-clockwise in logical space; a mirrored mapping turns that round.
  const bool clockwise = t.scaleX * t.scaleY < 0;
  Draw(p, ArcShape(ReadBox(p, r, 4), start, end, kind, clockwise, InsideFrameInset(style)), style);
}
void Arc(Player& p, const Record& r) { ArcFamily(p, r, ArcKind::kArc); }
void Chord(Player& p, const Record& r) { ArcFamily(p, r, ArcKind::kChord); }
void Pie(Player& p, const Record& r) { ArcFamily(p, r, ArcKind::kPie); }

// Colour, then y, x.
void SetPixel(Player& p, const Record& r) {
  if (!r.Has(4)) return p.NoteBadRecord();
  const DevicePoint d = MapToPixel(p.ToCanvas(), r.S16(3), r.S16(2));
  p.backend.SetPixel(int(d.x), int(d.y), p.ResolveColor(r.U32(0)), p.Style());
}

void FloodFill(Player& p, const Record& r) {
  if (!r.Has(4)) return p.NoteBadRecord();
  const DevicePoint d = MapToPixel(p.ToCanvas(), r.S16(3), r.S16(2));
  p.backend.FloodFill(int(d.x), int(d.y), p.ResolveColor(r.U32(0)), false, p.Style());
}

// Mode (0 border, 1 surface), colour, y, x.
void ExtFloodFill(Player& p, const Record& r) {
  if (!r.Has(5)) return p.NoteBadRecord();
  const DevicePoint d = MapToPixel(p.ToCanvas(), r.S16(4), r.S16(3));
  p.backend.FloodFill(int(d.x), int(d.y), p.ResolveColor(r.U32(1)), r.U16(0) == 1, p.Style());
}

}  // namespace

void RegisterShapeRecords(RecordTable& table) {
  table.Add(kMoveTo, MoveTo);
  table.Add(kLineTo, LineTo);
  table.Add(kPolyline, PolylineRecord);
  table.Add(kPolygon, PolygonRecord);
  table.Add(kPolyPolygon, PolyPolygon);
  table.Add(kRectangle, Rectangle);
  table.Add(kRoundRect, RoundRect);
  table.Add(kEllipse, Ellipse);
  table.Add(kArc, Arc);
  table.Add(kChord, Chord);
  table.Add(kPie, Pie);
  table.Add(kSetPixel, SetPixel);
  table.Add(kFloodFill, FloodFill);
  table.Add(kExtFloodFill, ExtFloodFill);
}

}  // namespace metafile
