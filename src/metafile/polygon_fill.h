// Polygon interiors by GDI's scan-conversion rule: on each pixel row y, an edge from
// (x1, y1) to (x2, y2) with y1 < y2 crosses at x1 + ceil((y - y1)(x2 - x1) / (y2 - y1)) for
// y1 <= y < y2, and a span covers [left crossing, right crossing). Vertices are whole
// pixels; horizontal edges add nothing. This keeps left and top edges and drops right and
// bottom ones exactly, which a general-purpose rasteriser does only approximately.
#pragma once

#include <vector>

#include <cstdint>

#include "metafile/canvas.h"
#include "metafile/mapping.h"

namespace metafile {

// Marks the interior of the polygons in `mask` (over mask.bounds); `winding` selects the
// non-zero rule, otherwise alternate (even-odd).
void FillPolygons(const std::vector<std::vector<DevicePoint>>& polygons, bool winding, CoverageMask& mask);

// What FillPolygons costs over `bounds`, in work-budget units: every row from the first
// edge to the last, and every row each edge crosses, at a cost that grows with the
// logarithm of the edges crossing a row together (their crossings are sorted on each row).
int64_t ScanConversionCost(const std::vector<std::vector<DevicePoint>>& polygons, const IntRect& bounds);

}  // namespace metafile
