// DIBs whose bits are a whole JPEG or PNG file (BI_JPEG, BI_PNG).
#pragma once

#include <cstddef>
#include <cstdint>

#include "metafile/bitmap_image.h"

namespace metafile {

// Decode into an opaque image; false for broken data, for a picture that BitmapSizeAllowed
// or `gate` refuses (asked with its declared size before anything is decoded), or when
// memory for it runs out.
bool DecodeJpegImage(const uint8_t* data, size_t size, const DecodeGate& gate, BitmapImage& image);
bool DecodePngImage(const uint8_t* data, size_t size, const DecodeGate& gate, BitmapImage& image);

}  // namespace metafile
