// A wide geometric pen as GDI paints it: the union of one rectangle of the pen's width per
// segment, the end caps and the joins, filled with the aliased polygon rule; round caps and
// joins are whole-pixel ellipses of the pen's diameter centred on the points.
#pragma once

#include <cstdint>

#include "metafile/backend.h"
#include "metafile/canvas.h"

namespace metafile {

// Marks the pen's pixels in `mask`; false (nothing marked) when the figure is too costly to
// build this way, or is an inside-frame outline, and the caller should stroke it otherwise.
bool FillWidePenOutline(const Shape& shape, double width, uint16_t penStyle, CoverageMask& mask);

// The work of a wide pen's outline within `bounds`, in work-budget units: the rows of each
// segment's rectangle and of each cap and join.
int64_t WidePenCost(const Shape& shape, double width, const IntRect& bounds);

}  // namespace metafile
