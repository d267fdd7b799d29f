#include <algorithm>
#include <cstdint>
#include <cstring>

#include "engine/pipeline.h"
#include "settings/settings.h"

namespace vecrast {
namespace {

// Mirrors each row of a 24- or 32-bit image in place, whole pixels at a time: the
// library's version goes through a copy of every row and costs several times more.
bool MirrorTrueColour(FIBITMAP* image) {
  const unsigned bpp = FreeImage_GetBPP(image);
  if (FreeImage_GetImageType(image) != FIT_BITMAP || (bpp != 24 && bpp != 32)) return false;
  const unsigned width = FreeImage_GetWidth(image);
  for (unsigned y = 0; y < FreeImage_GetHeight(image); ++y) {
    BYTE* row = FreeImage_GetScanLine(image, static_cast<int>(y));
    if (bpp == 32) {
      auto* pixels = reinterpret_cast<std::uint32_t*>(row);
      std::reverse(pixels, pixels + width);
      continue;
    }
    for (BYTE *left = row, *right = row + (width - 1) * 3; left < right; left += 3, right -= 3) {
      BYTE held[3];
      std::memcpy(held, left, 3);
      std::memcpy(left, right, 3);
      std::memcpy(right, held, 3);
    }
  }
  return true;
}

}  // namespace

// Both flips work in place and may both apply, horizontal first.
Bitmap FlipImage(Bitmap bitmap) {
  if (!bitmap) return bitmap;
  if (Settings.doImageFlipHorizontal && !MirrorTrueColour(bitmap.get()))
    FreeImage_FlipHorizontal(bitmap.get());
  if (Settings.doImageFlipVertical) FreeImage_FlipVertical(bitmap.get());
  return bitmap;
}

}  // namespace vecrast
