// The pixels of an ellipse as GDI's integer algorithm sets them: an incremental
// (midpoint-error) walk of the curve inscribed in a box of whole pixels.
#pragma once

#include "metafile/backend.h"

namespace metafile {

// Largest box side walked pixel by pixel; bigger ellipses fall back to polygons.
constexpr int kMaxPixelEllipse = 8192;

// The ellipse whose outermost pixels are columns left..right and rows top..bottom
// (inclusive). Empty when the box is empty or larger than kMaxPixelEllipse.
PixelFigure EllipsePixels(int left, int top, int right, int bottom);

}  // namespace metafile
