#include "engine/grey_levels.h"
#include "engine/pipeline.h"
#include "settings/settings.h"

namespace vecrast {

// A 1-bit black-and-white image; the level is taken as a byte, so 300 acts as 44.
// Depths above 32 bits are brought to 24 bits first.
Bitmap ThresholdImage(Bitmap bitmap) {
  if (!bitmap || !Settings.doImageThreshold) return bitmap;
  if (FreeImage_GetBPP(bitmap.get()) > 32) {
    bitmap = Adopt(FreeImage_ConvertTo24Bits(bitmap.get()));
    if (!bitmap) return nullptr;
  }
  const BYTE level = static_cast<BYTE>(static_cast<unsigned>(Settings.imageThreshold) & 0xFF);
  if (Bitmap bilevel = BlackAndWhite(bitmap.get(), level)) return bilevel;
  return Adopt(FreeImage_Threshold(bitmap.get(), level));
}

}  // namespace vecrast
