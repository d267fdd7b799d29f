#include "engine/parse_color.h"
#include "engine/pipeline.h"
#include "settings/settings.h"

namespace vecrast {
namespace {

constexpr int kSimpleRotation = 0;
constexpr int kAdvancedRotation = 1;

// 24- and 32-bit images turn as they are; every other depth is brought to 24 bits.
Bitmap RotatableDepth(Bitmap bitmap) {
  const unsigned bpp = FreeImage_GetBPP(bitmap.get());
  if (bpp > 16 && bpp <= 32) return bitmap;
  return Adopt(FreeImage_ConvertTo24Bits(bitmap.get()));
}

}  // namespace

// Simple rotation grows the canvas to hold the whole turned image, the uncovered corners
// in the background colour; advanced rotation turns about the centre within the same size.
Bitmap RotateImage(Bitmap bitmap) {
  if (!bitmap || !Settings.doImageRotation) return bitmap;
  const int angle = Settings.imageRotation;
  if (angle <= 0 || angle >= 360) return bitmap;
  const double width = FreeImage_GetWidth(bitmap.get());
  const double height = FreeImage_GetHeight(bitmap.get());
  bitmap = RotatableDepth(std::move(bitmap));
  if (!bitmap) return nullptr;
  switch (Settings.imageRotationType) {
    case kSimpleRotation: {
      const RgbaColor color = ParseColor(Settings.imageRotationBackColor, 0);
      RGBQUAD background{color.blue, color.green, color.red, 0};
      return Adopt(FreeImage_Rotate(bitmap.get(), angle, &background));
    }
    case kAdvancedRotation:
      return Adopt(FreeImage_RotateEx(bitmap.get(), angle, 0, 0, width / 2, height / 2, FALSE));
    default:
      return bitmap;
  }
}

}  // namespace vecrast
