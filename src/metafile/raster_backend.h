// The back end that paints into the canvas: each figure is rasterised without
// anti-aliasing into coverage masks over its own bounding box, which are then combined with
// the canvas pixel by pixel through the ROP2 code and the clip.
#pragma once

#include "metafile/backend.h"
#include "metafile/canvas.h"

namespace metafile {

class RasterBackend : public Backend {
 public:
  // Work is bounded: every painting spends the area it covers from a budget of pixel
  // visits (a few seconds' worth, and at least kBudgetCanvases times the canvas); once it
  // is spent, further paintings are skipped, so a file repeating huge figures cannot hang.
  static constexpr int64_t kMinBudget = int64_t(1) << 31;
  static constexpr int64_t kBudgetCanvases = 32;

  explicit RasterBackend(Canvas& canvas);
  RasterBackend(Canvas& canvas, int64_t budget) : canvas_(canvas), budget_(budget) {}

  void DrawShape(const Shape& shape, const DrawStyle& style) override;
  void SetPixel(int x, int y, ColorRef color, const DrawStyle& style) override;
  void FloodFill(int x, int y, ColorRef color, bool surface, const DrawStyle& style) override;
  void FillRegion(const Region& region, const Brush& brush, const DrawStyle& style) override;
  void InvertRegion(const Region& region, const DrawStyle& style) override;
  void PaintCoverage(const CoverageMask& mask, ColorRef color, const DrawStyle& style) override;
  Canvas* RasterCanvas() override { return Exhausted() ? nullptr : &canvas_; }
  bool Charge(const IntRect& area) override { return Spend(area); }

  bool Exhausted() const { return budget_ < 0; }

 private:
  bool Spend(const IntRect& area);
  bool SpendPixels(int64_t pixels);
  bool DrawPlainLines(const Shape& shape, const DrawStyle& style);

  Canvas& canvas_;
  int64_t budget_;
};

}  // namespace metafile
