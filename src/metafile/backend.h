// The narrow interface between the record handlers, which parse and map, and whatever
// paints. Everything here is already in canvas pixels. The raster back end draws into the
// picture; the recording back end (tests) keeps a log of what it was asked to draw.
#pragma once

#include <cstdint>
#include <vector>

#include "metafile/canvas.h"
#include "metafile/gdi_objects.h"
#include "metafile/mapping.h"
#include "metafile/region.h"

namespace metafile {

// The parts of the DC a painting needs, with the pen width already in canvas pixels.
struct DrawStyle {
  Pen pen;
  double penWidth = 1;  // canvas pixels; 1 or less draws a one-pixel (cosmetic) line
  Brush brush;
  ColorRef textColor = 0;
  ColorRef bkColor = 0xFFFFFF;
  int16_t bkMode = 2;
  int16_t polyFillMode = 1;
  int16_t rop2 = 13;
  const Region* clip = nullptr;  // null: the whole canvas
};

struct Polyline {
  std::vector<DevicePoint> points;
  bool closed = false;
};

// A figure given pixel by pixel: the rows it covers (outline included) and its one-pixel
// outline. Figures GDI rasterises with an integer algorithm of their own (ellipses) come
// with this besides their polygon, which then only serves wide pens.
struct PixelRow {
  int y = 0;
  int left = 0;   // inclusive
  int right = 0;  // inclusive
};
struct PixelFigure {
  std::vector<PixelRow> rows;
  std::vector<std::pair<int, int>> outline;
  bool Empty() const { return rows.empty(); }
};

// A figure as GDI paints it: the interior with the brush, then the outline with the pen.
// Either part may be empty.
struct Shape {
  std::vector<std::vector<DevicePoint>> fill;  // closed polygons, filled by the style's fill mode
  std::vector<Polyline> outline;
  bool fillWithBrush = true;  // false: the fill is skipped (null brush)
  PixelFigure pixels;         // when not empty: the exact fill and one-pixel outline
};

class Backend {
 public:
  virtual ~Backend() = default;
  virtual void DrawShape(const Shape& shape, const DrawStyle& style) = 0;
  virtual void SetPixel(int x, int y, ColorRef color, const DrawStyle& style) = 0;
  // Fills the area around (x, y): bounded by `color` (border fill), or made of `color`
  // (surface fill), with the style's brush.
  virtual void FloodFill(int x, int y, ColorRef color, bool surface, const DrawStyle& style) = 0;
  // Fills a region (canvas pixels) with `brush`, through the style's ROP2 and clip.
  virtual void FillRegion(const Region& region, const Brush& brush, const DrawStyle& style) = 0;
  virtual void InvertRegion(const Region& region, const DrawStyle& style) = 0;
  // Paints a coverage mask (text glyphs) in one colour.
  virtual void PaintCoverage(const CoverageMask& mask, ColorRef color, const DrawStyle& style) = 0;
  // Direct pixel access for raster records; null when the back end does not paint pixels
  // or its work budget is spent.
  virtual Canvas* RasterCanvas() { return nullptr; }
  // Work is paid for here before it is done, in the units of work_budget.h (the back end's
  // own painting pays for itself); false means the budget is spent and the work, and all
  // drawing after it, must be skipped.
  virtual bool Charge(int64_t) { return true; }
  virtual bool BudgetSpent() const { return false; }
};

// The paint source for a brush under a DC's colours and background mode.
PaintSource BrushSource(const Brush& brush, const DrawStyle& style);

}  // namespace metafile
