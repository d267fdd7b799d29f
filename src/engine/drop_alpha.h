// Packing of 32-bit pixels (blue, green, red, alpha in memory) into 24-bit ones.
#pragma once

#include <FreeImage.h>

namespace vecrast {

// Writes the first three bytes of each of `width` 4-byte pixels of `from` to `to`, packed.
void DropAlphaFromLine(const BYTE* from, BYTE* to, unsigned width);

}  // namespace vecrast
