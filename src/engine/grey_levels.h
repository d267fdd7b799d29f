// Fast greyscale and threshold conversions of 24- and 32-bit images, giving exactly the
// pixels of FreeImage_ConvertToGreyscale and FreeImage_Threshold (Rec. 709 luma rounded
// to the nearest level) at a fraction of their cost.
#pragma once

#include "engine/bitmap.h"

namespace vecrast {

// An 8-bit grey image of a 24- or 32-bit standard bitmap; null for any other kind of
// bitmap (the caller then uses the library) or when the allocation fails.
Bitmap GreyLevels(FIBITMAP* image);

// A 1-bit black-and-white image, white where the grey level is at least `level`, of a 24-
// or 32-bit standard bitmap or an 8-bit grey one; null for any other kind of bitmap or
// when the allocation fails.
Bitmap BlackAndWhite(FIBITMAP* image, BYTE level);

}  // namespace vecrast
