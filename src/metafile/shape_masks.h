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
};

// The canvas pixels a shape can touch, limited to `limit`.
IntRect ShapeBounds(const Shape& shape, double penWidth, const IntRect& limit);

// Fills `masks` over `bounds`; false when there is nothing to paint.
bool RasteriseShape(const Shape& shape, const DrawStyle& style, const IntRect& bounds, ShapeMasks& masks);

}  // namespace metafile
