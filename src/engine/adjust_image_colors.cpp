#include "engine/pipeline.h"
#include "settings/settings.h"

namespace vecrast {
namespace {

// The library's own lookup table applied to the colour channels of a 24- or 32-bit image,
// alpha untouched: the pixels FreeImage_AdjustColors gives, at a third of its cost.
bool AdjustTrueColour(FIBITMAP* image, double brightness, double contrast, double gamma,
                      bool invert) {
  const unsigned bpp = FreeImage_GetBPP(image);
  if (FreeImage_GetImageType(image) != FIT_BITMAP || (bpp != 24 && bpp != 32)) return false;
  BYTE table[256];
  if (!FreeImage_GetAdjustColorsLookupTable(table, brightness, contrast, gamma, invert ? TRUE : FALSE))
    return true;  // nothing to change
  const unsigned bytesPerPixel = bpp / 8;
  const unsigned width = FreeImage_GetWidth(image);
  for (unsigned y = 0; y < FreeImage_GetHeight(image); ++y) {
    BYTE* pixel = FreeImage_GetScanLine(image, static_cast<int>(y));
    for (unsigned x = 0; x < width; ++x, pixel += bytesPerPixel) {
      pixel[FI_RGBA_BLUE] = table[pixel[FI_RGBA_BLUE]];
      pixel[FI_RGBA_GREEN] = table[pixel[FI_RGBA_GREEN]];
      pixel[FI_RGBA_RED] = table[pixel[FI_RGBA_RED]];
    }
  }
  return true;
}

}  // namespace

// Brightness and contrast in percent, gamma and invert, in place. Depths the adjustment
// cannot take (below 8 or above 32 bits) are brought to 24 bits first; a 16-bit image
// is left as the library leaves it, unchanged.
Bitmap AdjustImageColors(Bitmap bitmap) {
  if (!bitmap || !Settings.doImageColorCorrection) return bitmap;
  const unsigned bpp = FreeImage_GetBPP(bitmap.get());
  if (bpp < 8 || bpp > 32) {
    bitmap = Adopt(FreeImage_ConvertTo24Bits(bitmap.get()));
    if (!bitmap) return nullptr;
  }
  const double brightness = Settings.imageBrightness;
  const double contrast = Settings.imageContrast;
  const double gamma = Settings.imageGamma;
  const bool invert = Settings.imageInvert != 0;
  if (!AdjustTrueColour(bitmap.get(), brightness, contrast, gamma, invert))
    FreeImage_AdjustColors(bitmap.get(), brightness, contrast, gamma, invert ? TRUE : FALSE);
  return bitmap;
}

}  // namespace vecrast
