#include "engine/grey_levels.h"
#include "engine/pipeline.h"
#include "settings/settings.h"

namespace vecrast {

// An 8-bit grey image; depths above 32 bits are brought to 24 bits first.
Bitmap GreyscaleImage(Bitmap bitmap) {
  if (!bitmap || !Settings.doImageGreyscale) return bitmap;
  if (FreeImage_GetBPP(bitmap.get()) > 32) {
    bitmap = Adopt(FreeImage_ConvertTo24Bits(bitmap.get()));
    if (!bitmap) return nullptr;
  }
  if (Bitmap grey = GreyLevels(bitmap.get())) return grey;
  return Adopt(FreeImage_ConvertToGreyscale(bitmap.get()));
}

}  // namespace vecrast
