#include "metafile/raster_backend.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "metafile/cosmetic_line.h"
#include "metafile/dc_state.h"
#include "metafile/shape_masks.h"

namespace metafile {

PaintSource BrushSource(const Brush& brush, const DrawStyle& style) {
  PaintSource s;
  switch (brush.style) {
    case kBrushHatched:
      s.kind = PaintSource::Kind::kHatch;
      s.color = ColorRefToRgb(brush.color);
      s.hatch = brush.hatch;
      s.background = ColorRefToRgb(style.bkColor);
      s.opaqueBackground = style.bkMode == kOpaque;
      break;
    case kBrushPattern:
    case kBrushDibPattern:
    case kBrushDibPatternPt:
      if (brush.pattern) {
        s.kind = PaintSource::Kind::kPattern;
        s.pattern = brush.pattern.get();
        s.foreground = ColorRefToRgb(style.textColor);
        s.background = ColorRefToRgb(style.bkColor);
        break;
      }
      s.color = ColorRefToRgb(brush.color);
      break;
    default:
      s.color = ColorRefToRgb(brush.color);
      break;
  }
  return s;
}

namespace {

IntRect ClipBounds(const Canvas& canvas, const DrawStyle& style) {
  return style.clip ? Intersect(style.clip->Bounds(), canvas.Bounds()) : canvas.Bounds();
}

int64_t Area(const IntRect& r) { return r.Empty() ? 0 : int64_t(r.right - r.left) * (r.bottom - r.top); }

}  // namespace

RasterBackend::RasterBackend(Canvas& canvas)
    : canvas_(canvas), budget_(std::max(kMinBudget, kBudgetCanvases * Area(canvas.Bounds()))) {}

bool RasterBackend::Spend(const IntRect& area) {
  return SpendPixels(std::max<int64_t>(1, Area(Intersect(area, canvas_.Bounds()))));
}

bool RasterBackend::SpendPixels(int64_t pixels) {
  if (budget_ < 0) return false;
  budget_ -= pixels;
  return budget_ >= 0;
}

namespace {

// Pen pixels straight into the canvas, for one-pixel lines copied in one colour: no masks.
class CanvasSink : public PixelSink {
 public:
  CanvasSink(Canvas& canvas, const DrawStyle& style)
      : canvas_(canvas),
        clip_(style.clip),
        pen_(0xFF000000u | ColorRefToRgb(style.pen.color)),
        gap_(0xFF000000u | ColorRefToRgb(style.bkColor)),
        paintGaps_(style.bkMode == kOpaque) {}
  void Put(int x, int y, bool on) override {
    if (!on && !paintGaps_) return;
    if (clip_ && !clip_->Contains(x, y)) return;
    canvas_.Row(y)[x] = on ? pen_ : gap_;
  }

 private:
  Canvas& canvas_;
  const Region* clip_;
  uint32_t pen_;
  uint32_t gap_;
  bool paintGaps_;
};

bool IsPlainLine(const Shape& shape, const DrawStyle& style) {
  const bool fills = shape.fillWithBrush && style.brush.style != kBrushNull && !shape.fill.empty();
  return !fills && shape.pixels.Empty() && style.penWidth <= 1 && style.rop2 == kR2CopyPen &&
         (style.pen.style & kPenStyleMask) != kPenNull;
}

}  // namespace

bool RasterBackend::DrawPlainLines(const Shape& shape, const DrawStyle& style) {
  const IntRect limit = ClipBounds(canvas_, style);
  CanvasSink sink(canvas_, style);
  for (const Polyline& line : shape.outline) {
    if (line.points.empty()) continue;
    LineStyler styler(style.pen.style);
    const size_t n = line.points.size() + (line.closed ? 1 : 0);
    for (size_t i = 1; i < n; ++i) {
      const DevicePoint& a = line.points[i - 1];
      const DevicePoint& b = line.points[i % line.points.size()];
      const int x0 = RoundToPixel(a.x), y0 = RoundToPixel(a.y), x1 = RoundToPixel(b.x), y1 = RoundToPixel(b.y);
      const int64_t length = std::max(std::abs(int64_t(x1) - x0), std::abs(int64_t(y1) - y0)) + 1;
      if (!SpendPixels(length)) return false;
      WalkCosmeticSegment(x0, y0, x1, y1, styler, limit, sink);
    }
  }
  return true;
}

void RasterBackend::DrawShape(const Shape& shape, const DrawStyle& style) {
  if (IsPlainLine(shape, style)) {
    DrawPlainLines(shape, style);
    return;
  }
  const IntRect bounds = ShapeBounds(shape, style.penWidth, ClipBounds(canvas_, style));
  if (!Spend(bounds)) return;
  ShapeMasks masks;
  if (!RasteriseShape(shape, style, bounds, masks)) return;
  if (masks.hasFill) Composite(canvas_, masks.fill, BrushSource(style.brush, style), style.rop2, style.clip);
  if (masks.hasGap && style.bkMode == kOpaque) {
    Composite(canvas_, masks.gap, PaintSource::Solid(ColorRefToRgb(style.bkColor)), style.rop2, style.clip);
  }
  if (masks.hasPen) {
    Composite(canvas_, masks.pen, PaintSource::Solid(ColorRefToRgb(style.pen.color)), style.rop2, style.clip);
  }
}

void RasterBackend::SetPixel(int x, int y, ColorRef color, const DrawStyle& style) {
  if (!Spend({x, y, x + 1, y + 1})) return;
  CoverageMask mask;
  mask.bounds = {x, y, x + 1, y + 1};
  Composite(canvas_, mask, PaintSource::Solid(ColorRefToRgb(color)), kR2CopyPen, style.clip);
}

void RasterBackend::FloodFill(int x, int y, ColorRef color, bool surface, const DrawStyle& style) {
  const IntRect area = ClipBounds(canvas_, style);
  if (x < area.left || x >= area.right || y < area.top || y >= area.bottom) return;
  if (style.clip && !style.clip->Contains(x, y)) return;
  if (!Spend(area)) return;
  const uint32_t target = ColorRefToRgb(color);
  auto inside = [&](int px, int py) {
    const bool same = (canvas_.Pixel(px, py) & 0xFFFFFF) == target;
    return surface ? same : !same;
  };
  if (!inside(x, y)) return;
  CoverageMask mask;
  mask.bounds = area;
  mask.alpha.assign(size_t(area.right - area.left) * size_t(area.bottom - area.top), 0);
  auto at = [&](int px, int py) -> uint8_t& {
    return mask.alpha[size_t(py - area.top) * size_t(mask.Stride()) + size_t(px - area.left)];
  };
  // Scanline fill: each pushed seed fills its whole run and queues the rows above and below.
  std::vector<std::pair<int, int>> seeds{{x, y}};
  while (!seeds.empty()) {
    auto [sx, sy] = seeds.back();
    seeds.pop_back();
    if (at(sx, sy) || !inside(sx, sy)) continue;
    int left = sx;
    while (left > area.left && !at(left - 1, sy) && inside(left - 1, sy)) --left;
    int right = sx;
    while (right + 1 < area.right && !at(right + 1, sy) && inside(right + 1, sy)) ++right;
    for (int px = left; px <= right; ++px) at(px, sy) = 255;
    for (int ny : {sy - 1, sy + 1}) {
      if (ny < area.top || ny >= area.bottom) continue;
      bool inRun = false;
      for (int px = left; px <= right; ++px) {
        const bool open = !at(px, ny) && inside(px, ny);
        if (open && !inRun) seeds.emplace_back(px, ny);
        inRun = open;
      }
    }
  }
  Composite(canvas_, mask, BrushSource(style.brush, style), kR2CopyPen, style.clip);
}

void RasterBackend::FillRegion(const Region& region, const Brush& brush, const DrawStyle& style) {
  const PaintSource source = BrushSource(brush, style);
  for (const IntRect& r : region.Rects()) {
    if (!Spend(r)) return;
    CoverageMask mask;
    mask.bounds = r;
    Composite(canvas_, mask, source, style.rop2, style.clip);
  }
}

void RasterBackend::InvertRegion(const Region& region, const DrawStyle& style) {
  for (const IntRect& r : region.Rects()) {
    if (!Spend(r)) return;
    CoverageMask mask;
    mask.bounds = r;
    Composite(canvas_, mask, PaintSource::Solid(0), kR2Not, style.clip);
  }
}

void RasterBackend::PaintCoverage(const CoverageMask& mask, ColorRef color, const DrawStyle& style) {
  if (!Spend(mask.bounds)) return;
  Composite(canvas_, mask, PaintSource::Solid(ColorRefToRgb(color)), style.rop2, style.clip);
}

}  // namespace metafile
