#include "engine/pipeline.h"
#include "settings/settings.h"

namespace vecrast {

// Both flips work in place and may both apply, horizontal first.
Bitmap FlipImage(Bitmap bitmap) {
  if (!bitmap) return bitmap;
  if (Settings.doImageFlipHorizontal) FreeImage_FlipHorizontal(bitmap.get());
  if (Settings.doImageFlipVertical) FreeImage_FlipVertical(bitmap.get());
  return bitmap;
}

}  // namespace vecrast
