// The back end that paints into the canvas: each figure is rasterised without
// anti-aliasing into coverage masks over its own bounding box, which are then combined with
// the canvas pixel by pixel through the ROP2 code and the clip.
#pragma once

#include <cstddef>

#include "metafile/backend.h"
#include "metafile/canvas.h"
#include "metafile/shape_masks.h"
#include "metafile/work_budget.h"

namespace metafile {

class RasterBackend : public Backend {
 public:
  // Every painting pays for its work from `budgetUnits` (work_budget.h) first; once the
  // budget is spent nothing more is painted, so no file can keep playback busy for long.
  explicit RasterBackend(Canvas& canvas, int64_t budgetUnits = WorkBudget::kDefaultUnits)
      : canvas_(canvas), budget_(budgetUnits) {}

  void DrawShape(const Shape& shape, const DrawStyle& style) override;
  void SetPixel(int x, int y, ColorRef color, const DrawStyle& style) override;
  void FloodFill(int x, int y, ColorRef color, bool surface, const DrawStyle& style) override;
  void FillRegion(const Region& region, const Brush& brush, const DrawStyle& style) override;
  void InvertRegion(const Region& region, const DrawStyle& style) override;
  void PaintCoverage(const CoverageMask& mask, ColorRef color, const DrawStyle& style) override;
  Canvas* RasterCanvas() override { return Exhausted() ? nullptr : &canvas_; }
  bool Charge(int64_t units) override { return budget_.Spend(units); }
  bool BudgetSpent() const override { return budget_.Spent(); }

  bool Exhausted() const { return budget_.Spent(); }
  int64_t BudgetLeft() const { return budget_.Left(); }
  // Figures left out because memory for their masks ran out.
  size_t FiguresWithoutMemory() const { return figuresWithoutMemory_; }

 private:
  bool DrawPlainLines(const Shape& shape, const DrawStyle& style);
  void FillRects(const Region& region, const PaintSource& source, int rop2, const DrawStyle& style);

  Canvas& canvas_;
  WorkBudget budget_;
  size_t figuresWithoutMemory_ = 0;
  // Masks reused from figure to figure (and by flood fills).
  ShapeMasks masks_;
};

}  // namespace metafile
