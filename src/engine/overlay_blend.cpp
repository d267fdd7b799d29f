#include "engine/overlay_blend.h"

#include "engine/drop_alpha.h"

namespace vecrast {
namespace {

bool IsStandard(FIBITMAP* bitmap, unsigned bpp) {
  return bitmap && FreeImage_GetImageType(bitmap) == FIT_BITMAP && FreeImage_GetBPP(bitmap) == bpp;
}

BYTE Mix(BYTE foreground, BYTE background, unsigned alpha) {
  return static_cast<BYTE>((foreground * alpha + background * (255 - alpha) + 127) / 255);
}

}  // namespace

bool BlendOverlay(FIBITMAP* image, FIBITMAP* overlay, int left, int top) {
  if (!IsStandard(image, 24) || !IsStandard(overlay, 32)) return false;
  const long long imageWidth = FreeImage_GetWidth(image);
  const long long imageHeight = FreeImage_GetHeight(image);
  const long long width = FreeImage_GetWidth(overlay);
  const long long height = FreeImage_GetHeight(overlay);
  if (left < 0 || top < 0 || left + width > imageWidth || top + height > imageHeight) return false;
  for (long long row = 0; row < height; ++row) {
    // Rows are stored bottom first in both bitmaps.
    const BYTE* from = FreeImage_GetScanLine(overlay, static_cast<int>(height - 1 - row));
    BYTE* to = FreeImage_GetScanLine(image, static_cast<int>(imageHeight - 1 - (top + row))) + left * 3;
    for (long long column = 0; column < width; ++column, from += 4, to += 3) {
      const unsigned alpha = from[FI_RGBA_ALPHA];
      if (alpha == 0) continue;
      to[FI_RGBA_BLUE] = Mix(from[FI_RGBA_BLUE], to[FI_RGBA_BLUE], alpha);
      to[FI_RGBA_GREEN] = Mix(from[FI_RGBA_GREEN], to[FI_RGBA_GREEN], alpha);
      to[FI_RGBA_RED] = Mix(from[FI_RGBA_RED], to[FI_RGBA_RED], alpha);
    }
  }
  return true;
}

Bitmap To24Bits(Bitmap bitmap) {
  if (!bitmap || IsStandard(bitmap.get(), 24)) return bitmap;
  if (IsStandard(bitmap.get(), 32)) return DropAlpha(bitmap);
  return Adopt(FreeImage_ConvertTo24Bits(bitmap.get()));
}

}  // namespace vecrast
