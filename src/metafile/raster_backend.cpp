#include "metafile/raster_backend.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "metafile/allocation.h"
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

int64_t ClipRects(const DrawStyle& style) { return style.clip ? int64_t(style.clip->Rects().size()) : 0; }

}  // namespace

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
  // Each pixel of a clipped line is tested against the clip's rectangles.
  const int64_t pixelCost = cost::kLinePixel + ClipRects(style) / cost::kClipTestsPerUnit;
  for (const Polyline& line : shape.outline) {
    if (line.points.empty()) continue;
    LineStyler styler(style.pen.style);
    const size_t n = line.points.size() + (line.closed ? 1 : 0);
    for (size_t i = 1; i < n; ++i) {
      const DevicePoint& a = line.points[i - 1];
      const DevicePoint& b = line.points[i % line.points.size()];
      const int x0 = RoundToPixel(a.x), y0 = RoundToPixel(a.y), x1 = RoundToPixel(b.x), y1 = RoundToPixel(b.y);
      if (!Charge(SegmentPixels(x0, y0, x1, y1, limit) * pixelCost)) return false;
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
  if (!Charge(cost::kFigure + RasterisingCost(shape, style, bounds, masks_))) return;
  ShapeMasks& masks = masks_;
  if (!RasteriseShape(shape, style, bounds, masks)) {
    if (masks.outOfMemory) ++figuresWithoutMemory_;
    return;
  }
  const PaintSource fill = BrushSource(style.brush, style);
  const PaintSource gap = PaintSource::Solid(ColorRefToRgb(style.bkColor));
  const PaintSource pen = PaintSource::Solid(ColorRefToRgb(style.pen.color));
  const bool paintGap = masks.hasGap && style.bkMode == kOpaque;
  // Only the pixels a mask covers are painted, which matters for the costly paints.
  auto compositing = [&](const CoverageMask& mask, const PaintSource& source) {
    const bool plainCopy = source.kind == PaintSource::Kind::kSolid && style.rop2 == kR2CopyPen;
    return CompositeCost(bounds, source, style.rop2, style.clip, plainCopy ? -1 : CoveredPixels(mask));
  };
  const int64_t painting = (masks.hasFill ? compositing(masks.fill, fill) : 0) +
                           (paintGap ? compositing(masks.gap, gap) : 0) + (masks.hasPen ? compositing(masks.pen, pen) : 0);
  if (!Charge(painting)) return;
  if (masks.hasFill) Composite(canvas_, masks.fill, fill, style.rop2, style.clip);
  if (paintGap) Composite(canvas_, masks.gap, gap, style.rop2, style.clip);
  if (masks.hasPen) Composite(canvas_, masks.pen, pen, style.rop2, style.clip);
}

void RasterBackend::SetPixel(int x, int y, ColorRef color, const DrawStyle& style) {
  if (!Charge(cost::kFigure + ClipRects(style) * cost::kClipRect)) return;
  CoverageMask mask;
  mask.bounds = {x, y, x + 1, y + 1};
  Composite(canvas_, mask, PaintSource::Solid(ColorRefToRgb(color)), kR2CopyPen, style.clip);
}

void RasterBackend::FloodFill(int x, int y, ColorRef color, bool surface, const DrawStyle& style) {
  const IntRect area = ClipBounds(canvas_, style);
  if (x < area.left || x >= area.right || y < area.top || y >= area.bottom) return;
  if (style.clip && !style.clip->Contains(x, y)) return;
  const PaintSource brush = BrushSource(style.brush, style);
  const int64_t growth = std::max<int64_t>(0, Area(area) - int64_t(masks_.fill.alpha.capacity()));
  if (!Charge(cost::kFigure + Area(area) * (cost::kFloodPixel + cost::kMaskPixel) + growth * cost::kFreshMaskByte +
              CompositeCost(area, brush, kR2CopyPen, style.clip))) {
    return;
  }
  const uint32_t target = ColorRefToRgb(color);
  auto inside = [&](int px, int py) {
    const bool same = (canvas_.Pixel(px, py) & 0xFFFFFF) == target;
    return surface ? same : !same;
  };
  if (!inside(x, y)) return;
  CoverageMask& mask = masks_.fill;
  mask.bounds = area;
  if (!TryAssign(mask.alpha, size_t(Area(area)), uint8_t(0))) {
    ++figuresWithoutMemory_;
    return;
  }
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
  Composite(canvas_, mask, brush, kR2CopyPen, style.clip);
}

void RasterBackend::FillRects(const Region& region, const PaintSource& source, int rop2, const DrawStyle& style) {
  for (const IntRect& r : region.Rects()) {
    const IntRect area = Intersect(r, canvas_.Bounds());
    if (!Charge(cost::kClipRect + CompositeCost(area, source, rop2, style.clip))) return;
    CoverageMask mask;
    mask.bounds = r;
    Composite(canvas_, mask, source, rop2, style.clip);
  }
}

void RasterBackend::FillRegion(const Region& region, const Brush& brush, const DrawStyle& style) {
  FillRects(region, BrushSource(brush, style), style.rop2, style);
}

void RasterBackend::InvertRegion(const Region& region, const DrawStyle& style) {
  FillRects(region, PaintSource::Solid(0), kR2Not, style);
}

void RasterBackend::PaintCoverage(const CoverageMask& mask, ColorRef color, const DrawStyle& style) {
  const PaintSource source = PaintSource::Solid(ColorRefToRgb(color));
  if (!Charge(CompositeCost(Intersect(mask.bounds, canvas_.Bounds()), source, style.rop2, style.clip))) return;
  Composite(canvas_, mask, source, style.rop2, style.clip);
}

}  // namespace metafile
