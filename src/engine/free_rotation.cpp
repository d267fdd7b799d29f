#include "engine/free_rotation.h"

#include <cmath>
#include <numbers>

#include "engine/cairo_bitmap.h"

namespace vecrast {
namespace {

// A Cairo surface over the bitmap's own pixels. FreeImage keeps the bottom row first, so
// the surface shows the image upside down; both source and target are seen that way.
CairoSurface SurfaceOver(FIBITMAP* bitmap, cairo_format_t format) {
  CairoSurface surface(cairo_image_surface_create_for_data(
      FreeImage_GetBits(bitmap), format, static_cast<int>(FreeImage_GetWidth(bitmap)),
      static_cast<int>(FreeImage_GetHeight(bitmap)), static_cast<int>(FreeImage_GetPitch(bitmap))));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  return surface;
}

int CoveringSide(double side) { return static_cast<int>(std::ceil(side - 1e-6)); }

}  // namespace

Bitmap TurnImage(FIBITMAP* image, double degrees, RotationCanvas canvas, RgbaColor background) {
  if (!image || FreeImage_GetImageType(image) != FIT_BITMAP || FreeImage_GetBPP(image) != 32 ||
      !FreeImage_HasPixels(image))
    return nullptr;
  const double width = FreeImage_GetWidth(image);
  const double height = FreeImage_GetHeight(image);
  const double radians = degrees * std::numbers::pi / 180.0;
  const double cosine = std::abs(std::cos(radians));
  const double sine = std::abs(std::sin(radians));
  const bool grow = canvas == RotationCanvas::kGrow;
  const int turnedWidth = grow ? CoveringSide(width * cosine + height * sine) : static_cast<int>(width);
  const int turnedHeight = grow ? CoveringSide(width * sine + height * cosine) : static_cast<int>(height);
  Bitmap turned = Adopt(FreeImage_Allocate(turnedWidth, turnedHeight, 32, 0, 0, 0));
  if (!turned) return nullptr;
  CairoSurface source = SurfaceOver(image, CAIRO_FORMAT_RGB24);
  CairoSurface target = SurfaceOver(turned.get(), CAIRO_FORMAT_ARGB32);
  CairoContext context = target && source ? MakeContext(target.get()) : nullptr;
  if (!context) return nullptr;
  cairo_set_source_rgb(context.get(), background.red / 255.0, background.green / 255.0,
                       background.blue / 255.0);
  cairo_paint(context.get());
  // Seen upside down, a counter-clockwise turn is a clockwise one: a positive Cairo angle.
  cairo_translate(context.get(), turnedWidth / 2.0, turnedHeight / 2.0);
  cairo_rotate(context.get(), radians);
  cairo_translate(context.get(), -width / 2.0, -height / 2.0);
  cairo_set_source_surface(context.get(), source.get(), 0, 0);
  cairo_pattern_t* pattern = cairo_get_source(context.get());
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_BILINEAR);
  cairo_pattern_set_extend(pattern, grow ? CAIRO_EXTEND_NONE : CAIRO_EXTEND_REFLECT);
  cairo_paint(context.get());
  if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  context.reset();
  cairo_surface_flush(target.get());
  return turned;
}

}  // namespace vecrast
