// Turning a whole image by any angle in one bilinear pass: the library's three-shear and
// B-spline rotations cost twenty to a hundred times a JPEG encoding on large pictures.
#pragma once

#include "engine/bitmap.h"
#include "engine/parse_color.h"
#include "engine/row_split.h"
#include "engine/turned_canvas.h"

namespace vecrast {

enum class RotationCanvas {
  kGrow,  // the library's canvas (LibraryTurnedCanvas); the uncovered corners get the background
  kKeep,  // the canvas keeps its size; the turned image is mirrored into the uncovered parts
};

// The 32-bit standard bitmap turned counter-clockwise by `degrees` about its centre, as a
// new opaque 32-bit bitmap (the image's own alpha is not used). Null for any other kind of
// bitmap, or when the new bitmap cannot be made. `threads` as for RowThreads; the result
// is the same whatever the number.
Bitmap TurnImage(FIBITMAP* image, double degrees, RotationCanvas canvas, RgbaColor background,
                 int threads = kAutomaticThreads);

}  // namespace vecrast
