// Packing of 32-bit pixels (blue, green, red, alpha in memory) into 24-bit ones.
#pragma once

#include <FreeImage.h>

#include "engine/bitmap.h"

namespace vecrast {

// Writes the first three bytes of each of `width` 4-byte pixels of `from` to `to`, packed.
void DropAlphaFromLine(const BYTE* from, BYTE* to, unsigned width);

// A 24-bit copy of a standard 32-bit bitmap with the pixels, metadata and resolution that
// FreeImage_ConvertTo24Bits gives, in a tighter loop; null when allocation fails.
Bitmap DropAlpha(const Bitmap& bitmap);

}  // namespace vecrast
