// The colour-depth reduction behind the last pipeline step, with its inputs explicit.
#pragma once

#include <string_view>

#include "engine/bitmap.h"

namespace vecrast {

// Converts the bitmap to targetBpp bits per pixel the way the output format of `extension`
// wants it (8 bits: greyscale for the JPEG family, a Wu-quantized palette otherwise;
// 16 bits: 5-5-5 for ico and tga, 5-6-5 otherwise; 1 bit: Floyd-Steinberg dither).
// Null in gives null out; an unsupported target (0 included) releases the bitmap and
// gives null, so the save fails.
Bitmap ReduceColorDepthTo(Bitmap bitmap, int targetBpp, std::string_view extension);

}  // namespace vecrast
