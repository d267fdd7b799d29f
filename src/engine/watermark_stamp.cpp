#include "engine/watermark_stamp.h"

#include "engine/overlay_blend.h"

namespace vecrast {
namespace {

PixelSize SizeOf(FIBITMAP* bitmap) {
  return {static_cast<int>(FreeImage_GetWidth(bitmap)), static_cast<int>(FreeImage_GetHeight(bitmap))};
}

// Keeps the top-left part of the watermark that fits the area with its offsets; null when
// nothing of it is left.
Bitmap CropWatermark(Bitmap watermark, const WatermarkPlacement& placement) {
  const PixelSize size = SizeOf(watermark.get());
  const PixelSize cropped = CroppedSize(size, placement.area, placement.offsetX, placement.offsetY);
  if (cropped == size) return watermark;
  if (cropped.width <= 0 || cropped.height <= 0) return nullptr;
  return Adopt(FreeImage_Copy(watermark.get(), 0, 0, cropped.width, cropped.height));
}

}  // namespace

Bitmap RotateWatermark(Bitmap watermark, int degrees) {
  if (!watermark || !IsWatermarkRotation(degrees)) return watermark;
  return Adopt(FreeImage_Rotate(watermark.get(), degrees, nullptr));
}

bool StampWatermark(FIBITMAP* image, Bitmap watermark, const WatermarkPlacement& placement) {
  watermark = CropWatermark(RotateWatermark(std::move(watermark), placement.rotation), placement);
  if (!image || !watermark) return false;
  const PixelPoint at = PlaceWatermark(SizeOf(watermark.get()), placement.area, placement.position,
                                       placement.offsetX, placement.offsetY);
  return BlendOverlay(image, watermark.get(), at.x, at.y);
}

}  // namespace vecrast
