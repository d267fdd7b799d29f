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

}  // namespace metafile
