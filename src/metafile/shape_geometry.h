// The outlines of GDI's figures in canvas pixel coordinates, where an integer point is a
// pixel's centre: rectangles, rounded rectangles, ellipses and the arc family, with the
// pixel rules GDI applies (right and bottom edges excluded).
#pragma once

#include <vector>

#include "metafile/backend.h"
#include "metafile/mapping.h"

namespace metafile {

// A rectangle of canvas pixels with integer corners, ordered, right and bottom exclusive.
struct PixelBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

enum class ArcKind { kArc, kChord, kPie };

// `inset` shrinks the figure on every side (an inside-frame pen).
Shape RectangleShape(const PixelBox& box, double inset);
Shape EllipseShape(const PixelBox& box, double inset);
Shape RoundRectShape(const PixelBox& box, double cornerWidth, double cornerHeight, double inset);
// The arc runs counter-clockwise on the canvas from the ray through `start` to the ray
// through `end` (clockwise when `clockwise`).
Shape ArcShape(const PixelBox& box, DevicePoint start, DevicePoint end, ArcKind kind, bool clockwise,
               double inset);

}  // namespace metafile
