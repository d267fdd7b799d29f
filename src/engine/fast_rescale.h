// Resampling of true-colour images with the library's filter kernels and weights, in
// fixed point: the pixels of FreeImage_Rescale within a level, at a fraction of its cost.
#pragma once

#include "engine/bitmap.h"
#include "engine/row_split.h"

namespace vecrast {

// The 24- or 32-bit standard bitmap resampled to width x height (both positive) with the
// filter, as a new bitmap of the same depth. Null (the caller then uses the library) for
// any other kind of bitmap, an unknown filter, a reduction beyond 64 times, or when memory
// runs out. `threads` as for RowThreads; the result is the same whatever the number.
Bitmap Resample(FIBITMAP* image, int width, int height, FREE_IMAGE_FILTER filter,
                int threads = kAutomaticThreads);

}  // namespace vecrast
