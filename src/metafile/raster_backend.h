// The back end that paints into the canvas: each figure is rasterised without
// anti-aliasing into coverage masks over its own bounding box, which are then combined with
// the canvas pixel by pixel through the ROP2 code and the clip.
#pragma once

#include "metafile/backend.h"
#include "metafile/canvas.h"

namespace metafile {

class RasterBackend : public Backend {
 public:
  explicit RasterBackend(Canvas& canvas) : canvas_(canvas) {}

  void DrawShape(const Shape& shape, const DrawStyle& style) override;
  void SetPixel(int x, int y, ColorRef color, const DrawStyle& style) override;
  void FloodFill(int x, int y, ColorRef color, bool surface, const DrawStyle& style) override;
  void FillRegion(const Region& region, const Brush& brush, const DrawStyle& style) override;
  void InvertRegion(const Region& region, const DrawStyle& style) override;
  void PaintCoverage(const CoverageMask& mask, ColorRef color, const DrawStyle& style) override;
  Canvas* RasterCanvas() override { return &canvas_; }

 private:
  Canvas& canvas_;
};

}  // namespace metafile
