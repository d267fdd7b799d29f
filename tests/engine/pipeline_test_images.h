// Small images for the pipeline step tests: filled bitmaps and pixel reads with y
// counting down from the top edge.
#pragma once

#include <cstdint>

#include "engine/bitmap.h"
#include "engine/parse_color.h"

namespace vecrast::testing {

// A standard bitmap of the given depth (24 or 32), every pixel the colour (alpha 255).
inline Bitmap FilledImage(int width, int height, unsigned bpp, std::uint8_t red, std::uint8_t green,
                          std::uint8_t blue, std::uint8_t alpha = 255) {
  Bitmap image = Adopt(FreeImage_Allocate(width, height, static_cast<int>(bpp), 0, 0, 0));
  const unsigned bytes = bpp / 8;
  for (int y = 0; y < height; ++y) {
    BYTE* pixel = FreeImage_GetScanLine(image.get(), y);
    for (int x = 0; x < width; ++x, pixel += bytes) {
      pixel[FI_RGBA_RED] = red;
      pixel[FI_RGBA_GREEN] = green;
      pixel[FI_RGBA_BLUE] = blue;
      if (bytes == 4) pixel[FI_RGBA_ALPHA] = alpha;
    }
  }
  return image;
}

// The pixel at (x, y) of a 24- or 32-bit bitmap, y from the top; alpha 255 for 24 bits.
inline RgbaColor PixelAt(FIBITMAP* image, int x, int y) {
  const unsigned bytes = FreeImage_GetBPP(image) / 8;
  const int row = static_cast<int>(FreeImage_GetHeight(image)) - 1 - y;
  const BYTE* pixel = FreeImage_GetScanLine(image, row) + x * bytes;
  return {pixel[FI_RGBA_RED], pixel[FI_RGBA_GREEN], pixel[FI_RGBA_BLUE],
          bytes == 4 ? pixel[FI_RGBA_ALPHA] : std::uint8_t{255}};
}

inline void SetPixel(FIBITMAP* image, int x, int y, RgbaColor color) {
  const unsigned bytes = FreeImage_GetBPP(image) / 8;
  const int row = static_cast<int>(FreeImage_GetHeight(image)) - 1 - y;
  BYTE* pixel = FreeImage_GetScanLine(image, row) + x * bytes;
  pixel[FI_RGBA_RED] = color.red;
  pixel[FI_RGBA_GREEN] = color.green;
  pixel[FI_RGBA_BLUE] = color.blue;
  if (bytes == 4) pixel[FI_RGBA_ALPHA] = color.alpha;
}

inline int Width(FIBITMAP* image) { return static_cast<int>(FreeImage_GetWidth(image)); }
inline int Height(FIBITMAP* image) { return static_cast<int>(FreeImage_GetHeight(image)); }

}  // namespace vecrast::testing
