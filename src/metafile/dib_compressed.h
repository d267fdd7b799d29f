// DIBs whose bits are a whole JPEG or PNG file (BI_JPEG, BI_PNG).
#pragma once

#include <cstddef>
#include <cstdint>

#include "metafile/bitmap_image.h"

namespace metafile {

// Decode into an opaque image; false for broken data or a picture of more than
// `maxPixels` (checked before any pixel buffer is allocated).
bool DecodeJpegImage(const uint8_t* data, size_t size, uint64_t maxPixels, BitmapImage& image);
bool DecodePngImage(const uint8_t* data, size_t size, uint64_t maxPixels, BitmapImage& image);

}  // namespace metafile
