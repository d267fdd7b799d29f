// Blending a 32-bit overlay with straight alpha over a 24-bit image.
#pragma once

#include "engine/bitmap.h"

namespace vecrast {

// Blends the 32-bit overlay over the 24-bit image in place, the overlay's top-left pixel
// at (left, top) of the image, y counting down from the top edge. Returns false and leaves
// the image untouched when either bitmap has the wrong depth or the overlay does not lie
// wholly inside the image.
bool BlendOverlay(FIBITMAP* image, FIBITMAP* overlay, int left, int top);

// The image itself when it is a 24-bit standard bitmap, otherwise its 24-bit conversion
// (the old bitmap released); null stays null, and so does a failed conversion.
Bitmap To24Bits(Bitmap bitmap);

}  // namespace vecrast
