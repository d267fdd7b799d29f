#include "engine/pipeline.h"
#include "settings/settings.h"

namespace vecrast {

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
  FreeImage_AdjustColors(bitmap.get(), Settings.imageBrightness, Settings.imageContrast,
                         Settings.imageGamma, Settings.imageInvert ? TRUE : FALSE);
  return bitmap;
}

}  // namespace vecrast
