#include "metafile/shape_masks.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "metafile/allocation.h"
#include "metafile/cosmetic_line.h"
#include "metafile/mapping.h"
#include "metafile/polygon_fill.h"
#include "metafile/wide_pen.h"
#include "metafile/work_budget.h"

namespace metafile {

namespace {

constexpr double kCosmeticWidth = 1.0;

int64_t Area(const IntRect& r) { return r.Empty() ? 0 : int64_t(r.right - r.left) * (r.bottom - r.top); }

// A clear mask over `bounds`; false when memory for it runs out.
bool ClearMask(const IntRect& bounds, CoverageMask& mask) {
  mask.bounds = bounds;
  return TryAssign(mask.alpha, size_t(Area(bounds)), uint8_t(0));
}

bool PenVisible(const Shape& shape, const DrawStyle& style) {
  return (style.pen.style & kPenStyleMask) != kPenNull && !shape.outline.empty();
}

bool BrushVisible(const Shape& shape, const DrawStyle& style) {
  return shape.fillWithBrush && style.brush.style != kBrushNull && !shape.fill.empty();
}

double Clamp(double v) {
  if (!(v == v)) return 0;
  return std::clamp(v, -kMaxCanvasCoordinate, kMaxCanvasCoordinate);
}

// A cairo A8 surface drawing over `bounds`; the caller paints, then CopyOut takes the bits.
class MaskSurface {
 public:
  explicit MaskSurface(const IntRect& bounds) : bounds_(bounds) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_A8, bounds.right - bounds.left, bounds.bottom - bounds.top);
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_translate(cr_, -bounds.left, -bounds.top);
  }
  ~MaskSurface() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }
  MaskSurface(const MaskSurface&) = delete;
  MaskSurface& operator=(const MaskSurface&) = delete;

  cairo_t* Context() { return cr_; }
  bool Ok() const { return cairo_status(cr_) == CAIRO_STATUS_SUCCESS; }

  void CopyOut(CoverageMask& mask) {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const int width = bounds_.right - bounds_.left;
    if (!data) return;
    for (int y = 0; y < bounds_.bottom - bounds_.top; ++y) {
      std::memcpy(mask.alpha.data() + size_t(y) * size_t(width), data + size_t(y) * size_t(stride), size_t(width));
    }
  }

 private:
  IntRect bounds_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Our integer points are pixel centres; cairo's pixel centres are at .5.
void AddPolygon(cairo_t* cr, const std::vector<DevicePoint>& points, bool close) {
  bool first = true;
  for (const DevicePoint& p : points) {
    if (first) {
      cairo_move_to(cr, Clamp(p.x) + 0.5, Clamp(p.y) + 0.5);
      first = false;
    } else {
      cairo_line_to(cr, Clamp(p.x) + 0.5, Clamp(p.y) + 0.5);
    }
  }
  if (close && !first) cairo_close_path(cr);
}

void Mark(CoverageMask& mask, int x, int y) {
  const IntRect& b = mask.bounds;
  if (x < b.left || x >= b.right || y < b.top || y >= b.bottom) return;
  mask.alpha[size_t(y - b.top) * size_t(mask.Stride()) + size_t(x - b.left)] = 255;
}

void RasteriseFill(const Shape& shape, const DrawStyle& style, CoverageMask& out) {
  if (shape.pixels.Empty()) {
    FillPolygons(shape.fill, style.polyFillMode == 2, out);
    return;
  }
  const IntRect& b = out.bounds;
  for (const PixelRow& row : shape.pixels.rows) {
    if (row.y < b.top || row.y >= b.bottom) continue;
    const int from = std::max(row.left, b.left);
    const int to = std::min(row.right + 1, b.right);
    if (from >= to) continue;
    uint8_t* line = out.alpha.data() + size_t(row.y - b.top) * size_t(out.Stride());
    std::fill(line + (from - b.left), line + (to - b.left), uint8_t(255));
  }
}

void RasteriseWidePen(const Shape& shape, const DrawStyle& style, const IntRect& bounds, CoverageMask& out) {
  if (FillWidePenOutline(shape, style.penWidth, style.pen.style, out)) return;
  MaskSurface surface(bounds);
  if (!surface.Ok()) return;
  cairo_t* cr = surface.Context();
  cairo_set_line_width(cr, std::max(1.0, style.penWidth));
  const uint16_t cap = style.pen.style & kCapMask;
  const uint16_t join = style.pen.style & kJoinMask;
  cairo_set_line_cap(cr, cap == kEndCapSquare ? CAIRO_LINE_CAP_SQUARE
                         : cap == kEndCapFlat ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, join == kJoinBevel ? CAIRO_LINE_JOIN_BEVEL
                          : join == kJoinMiter ? CAIRO_LINE_JOIN_MITER : CAIRO_LINE_JOIN_ROUND);
  for (const Polyline& line : shape.outline) AddPolygon(cr, line.points, line.closed);
  cairo_stroke(cr);
  surface.CopyOut(out);
}

void RasteriseCosmeticPen(const Shape& shape, const DrawStyle& style, ShapeMasks& masks) {
  if (!shape.pixels.Empty()) {
    for (const auto& [x, y] : shape.pixels.outline) Mark(masks.pen, x, y);
    return;
  }
  for (const Polyline& line : shape.outline) {
    if (line.points.empty()) continue;
    LineStyler styler(style.pen.style);
    std::vector<std::pair<int, int>> pts;
    pts.reserve(line.points.size() + 1);
    for (const DevicePoint& p : line.points) pts.emplace_back(RoundToPixel(p.x), RoundToPixel(p.y));
    if (line.closed) pts.push_back(pts.front());
    for (size_t i = 1; i < pts.size(); ++i) {
      DrawCosmeticSegment(pts[i - 1].first, pts[i - 1].second, pts[i].first, pts[i].second, styler, masks.pen,
                          masks.gap);
    }
  }
  masks.hasGap = !LineStyler(style.pen.style).Solid();
}

}  // namespace

IntRect ShapeBounds(const Shape& shape, double penWidth, const IntRect& limit) {
  double minX = kMaxCanvasCoordinate, minY = kMaxCanvasCoordinate;
  double maxX = -kMaxCanvasCoordinate, maxY = -kMaxCanvasCoordinate;
  auto take = [&](const DevicePoint& p) {
    minX = std::min(minX, Clamp(p.x));
    minY = std::min(minY, Clamp(p.y));
    maxX = std::max(maxX, Clamp(p.x));
    maxY = std::max(maxY, Clamp(p.y));
  };
  for (const auto& polygon : shape.fill) for (const DevicePoint& p : polygon) take(p);
  for (const Polyline& line : shape.outline) for (const DevicePoint& p : line.points) take(p);
  if (minX > maxX) return {};
  const double margin = std::max(penWidth, 1.0) + 2;
  const IntRect box{int(std::floor(minX - margin)), int(std::floor(minY - margin)), int(std::ceil(maxX + margin)),
                    int(std::ceil(maxY + margin))};
  return Intersect(box, limit);
}

bool RasteriseShape(const Shape& shape, const DrawStyle& style, const IntRect& bounds, ShapeMasks& masks) {
  masks.Reset();
  if (bounds.Empty()) return false;
  const bool penVisible = PenVisible(shape, style);
  const bool brushVisible = BrushVisible(shape, style);
  if (!penVisible && !brushVisible) return false;
  const bool cosmetic = style.penWidth <= kCosmeticWidth;
  if ((brushVisible && !ClearMask(bounds, masks.fill)) || (penVisible && !ClearMask(bounds, masks.pen)) ||
      (penVisible && cosmetic && !ClearMask(bounds, masks.gap))) {
    masks.outOfMemory = true;
    return false;
  }
  if (brushVisible) {
    RasteriseFill(shape, style, masks.fill);
    masks.hasFill = true;
  }
  if (penVisible) {
    masks.hasPen = true;
    if (cosmetic) {
      RasteriseCosmeticPen(shape, style, masks);
    } else {
      RasteriseWidePen(shape, style, bounds, masks.pen);
    }
  }
  // Each pixel is painted once: the pen's pixels (and its gaps) are taken out of the fill,
  // and the gaps out of the pen.
  if (masks.hasFill && masks.hasPen) {
    for (size_t i = 0; i < masks.fill.alpha.size(); ++i) {
      if (masks.pen.alpha[i] || (masks.hasGap && masks.gap.alpha[i])) masks.fill.alpha[i] = 0;
    }
  }
  return true;
}

int64_t RasterisingCost(const Shape& shape, const DrawStyle& style, const IntRect& bounds, const ShapeMasks& masks) {
  if (bounds.Empty()) return 0;
  const bool penVisible = PenVisible(shape, style);
  const bool brushVisible = BrushVisible(shape, style);
  const bool cosmetic = style.penWidth <= kCosmeticWidth;
  auto maskCost = [&](const CoverageMask& mask) {
    const int64_t growth = std::max<int64_t>(0, Area(bounds) - int64_t(mask.alpha.capacity()));
    return Area(bounds) * cost::kMaskPixel + growth * cost::kFreshMaskByte;
  };
  int64_t work = (brushVisible ? maskCost(masks.fill) : 0) + (penVisible ? maskCost(masks.pen) : 0) +
                 (penVisible && cosmetic ? maskCost(masks.gap) : 0);
  if (brushVisible) {
    work += shape.pixels.Empty() ? ScanConversionCost(shape.fill, bounds)
                                 : int64_t(shape.pixels.rows.size()) * cost::kPolygonRow;
  }
  if (penVisible && cosmetic) {
    int64_t pixels = int64_t(shape.pixels.outline.size());
    if (shape.pixels.Empty()) {
      for (const Polyline& line : shape.outline) pixels += LinePixels(line.points, line.closed, bounds);
    }
    work += pixels * cost::kLinePixel;
  } else if (penVisible) {
    work += WidePenCost(shape, style.penWidth, bounds);
  }
  return work;
}

}  // namespace metafile
