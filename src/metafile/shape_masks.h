// Rasterising a figure into coverage masks: the brush's area and the pen's pixels (and
// the gaps of a dashed pen), all over one bounding box.
#pragma once

#include "metafile/backend.h"
#include "metafile/canvas.h"

namespace metafile {

struct ShapeMasks {
  CoverageMask fill;
  CoverageMask pen;
  CoverageMask gap;
  bool hasFill = false;
  bool hasPen = false;
  bool hasGap = false;
  bool outOfMemory = false;  // a mask could not be allocated; nothing is painted

  // Clears the flags; the masks keep their memory for the next figure, so that a picture
  // of many large figures does not touch fresh memory for each.
  void Reset() { hasFill = hasPen = hasGap = outOfMemory = false; }
};

// The canvas pixels a shape can touch, limited to `limit`.
IntRect ShapeBounds(const Shape& shape, double penWidth, const IntRect& limit);

// Fills `masks` over `bounds` (reusing their memory); false when there is nothing to
// paint, or when memory for the masks runs out (masks.outOfMemory).
bool RasteriseShape(const Shape& shape, const DrawStyle& style, const IntRect& bounds, ShapeMasks& masks);

// What RasteriseShape costs with `masks` as they are, in work-budget units: the masks it
// builds over `bounds` (more where they must grow) and the scan conversion of the fill and
// the outline.
int64_t RasterisingCost(const Shape& shape, const DrawStyle& style, const IntRect& bounds, const ShapeMasks& masks);

}  // namespace metafile
