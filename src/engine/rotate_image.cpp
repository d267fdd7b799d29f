#include "engine/free_rotation.h"
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

// One bilinear pass on a 32-bit image, far cheaper than the library's shears and splines
// for any angle; 24-bit images are turned as a 32-bit copy and come back as 24 bits.
Bitmap Turn(Bitmap bitmap, int angle, RotationCanvas canvas, RgbaColor background) {
  const bool deep = FreeImage_GetBPP(bitmap.get()) == 32;
  Bitmap image32 = deep ? std::move(bitmap) : Adopt(FreeImage_ConvertTo32Bits(bitmap.get()));
  if (!image32) return nullptr;
  Bitmap turned = TurnImage(image32.get(), angle, canvas, background);
  if (!turned || deep) return turned;
  return Adopt(FreeImage_ConvertTo24Bits(turned.get()));
}

}  // namespace

// Simple rotation grows the canvas to hold the whole turned image, the uncovered corners
// in the background colour (quarter turns are exact pixel moves in the library); advanced
// rotation turns about the centre within the same size, the image mirrored into the parts
// it leaves uncovered.
Bitmap RotateImage(Bitmap bitmap) {
  if (!bitmap || !Settings.doImageRotation) return bitmap;
  const int angle = Settings.imageRotation;
  if (angle <= 0 || angle >= 360) return bitmap;
  bitmap = RotatableDepth(std::move(bitmap));
  if (!bitmap) return nullptr;
  switch (Settings.imageRotationType) {
    case kSimpleRotation: {
      const RgbaColor color = ParseColor(Settings.imageRotationBackColor, 0);
      if (angle % 90 != 0) return Turn(std::move(bitmap), angle, RotationCanvas::kGrow, color);
      RGBQUAD background{color.blue, color.green, color.red, 0};
      return Adopt(FreeImage_Rotate(bitmap.get(), angle, &background));
    }
    case kAdvancedRotation:
      return Turn(std::move(bitmap), angle, RotationCanvas::kKeep, {});
    default:
      return bitmap;
  }
}

}  // namespace vecrast
