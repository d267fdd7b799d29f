#include "engine/watermark_stamp.h"

#include <algorithm>
#include <numbers>

#include "engine/cairo_bitmap.h"
#include "engine/overlay_blend.h"
#include "engine/turned_canvas.h"

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

// Turns counter-clockwise onto the library's canvas for the turn, the centre where the
// library puts it, with bilinear sampling and smooth transparent edges. (The library's
// three-shear rotation itself costs twenty times as much.)
Bitmap RotateFreely(FIBITMAP* watermark, int degrees) {
  const int width = static_cast<int>(FreeImage_GetWidth(watermark));
  const int height = static_cast<int>(FreeImage_GetHeight(watermark));
  const TurnedCanvas canvas = LibraryTurnedCanvas(width, height, degrees);
  // Pictures beyond the drawing library's surfaces are turned by the image library itself.
  if (std::max({width, height, canvas.width, canvas.height}) > kMaxSurfaceSide) {
    return Adopt(FreeImage_Rotate(watermark, degrees, nullptr));
  }
  CairoSurface source = SurfaceFromBitmap(watermark);
  if (!source) return nullptr;
  const double radians = degrees * std::numbers::pi / 180.0;
  CairoSurface turned = MakeTransparentSurface(canvas.width, canvas.height);
  CairoContext context = turned ? MakeContext(turned.get()) : nullptr;
  if (!context) return nullptr;
  // The surface's rows run top first: the centre's height is counted from the top.
  cairo_translate(context.get(), canvas.centreX, canvas.height - canvas.centreY);
  cairo_rotate(context.get(), -radians);  // y points down: a negative angle turns counter-clockwise
  cairo_translate(context.get(), -width / 2.0, -height / 2.0);
  cairo_set_source_surface(context.get(), source.get(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(context.get()), CAIRO_FILTER_BILINEAR);
  cairo_paint(context.get());
  if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  context.reset();
  return BitmapFromSurface(turned.get());
}

}  // namespace

Bitmap RotateWatermark(Bitmap watermark, int degrees) {
  if (!watermark || !IsWatermarkRotation(degrees)) return watermark;
  // Quarter turns are exact pixel moves in the library.
  if (degrees % 90 == 0) return Adopt(FreeImage_Rotate(watermark.get(), degrees, nullptr));
  return RotateFreely(watermark.get(), degrees);
}

bool StampWatermark(FIBITMAP* image, Bitmap watermark, const WatermarkPlacement& placement) {
  watermark = CropWatermark(RotateWatermark(std::move(watermark), placement.rotation), placement);
  if (!image || !watermark) return false;
  const PixelPoint at = PlaceWatermark(SizeOf(watermark.get()), placement.area, placement.position,
                                       placement.offsetX, placement.offsetY);
  return BlendOverlay(image, watermark.get(), at.x, at.y);
}

}  // namespace vecrast
