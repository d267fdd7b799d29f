// Device-dependent bitmaps (BITMAP16) of the old blit and pattern-brush records: type,
// width, height, bytes per row, planes, bits per pixel, then rows top first. Monochrome
// bitmaps become `monochromeDdb` images (black for clear bits, white for set bits).
#pragma once

#include <cstddef>
#include <cstdint>

#include "metafile/bitmap_image.h"

namespace metafile {

constexpr size_t kBitmap16HeaderBytes = 10;

// `data` starts at the BITMAP16 header; the rows start `bitsOffset` bytes after it. False
// for unusable data, a size `gate` refuses, or when memory runs out.
bool DecodeBitmap16(const uint8_t* data, size_t size, size_t bitsOffset, BitmapImage& image,
                    const DecodeGate& gate = {});

}  // namespace metafile
