#include "engine/cairo_bitmap.h"

#include <cstdint>
#include <cstring>

namespace vecrast {
namespace {

// Cairo's ARGB32 pixel is a native-endian 32-bit word; on this little-endian target its
// bytes are blue, green, red, alpha, which is FreeImage's 32-bit byte order too.
static_assert(FI_RGBA_BLUE == 0 && FI_RGBA_GREEN == 1 && FI_RGBA_RED == 2 && FI_RGBA_ALPHA == 3);

std::uint8_t Unpremultiply(std::uint8_t value, std::uint8_t alpha) {
  return static_cast<std::uint8_t>((value * 255 + alpha / 2) / alpha);
}

std::uint8_t Premultiply(std::uint8_t value, std::uint8_t alpha) {
  return static_cast<std::uint8_t>((value * alpha + 127) / 255);
}

bool IsArgbImage(cairo_surface_t* surface) {
  return surface && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS &&
         cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_IMAGE &&
         cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
}

}  // namespace

CairoSurface MakeTransparentSurface(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  return surface;  // Cairo clears new image surfaces to transparent.
}

CairoContext MakeContext(cairo_surface_t* surface) {
  CairoContext context(cairo_create(surface));
  if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  return context;
}

Bitmap BitmapFromSurface(cairo_surface_t* surface) {
  if (!IsArgbImage(surface)) return nullptr;
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* source = cairo_image_surface_get_data(surface);
  Bitmap bitmap = Adopt(FreeImage_Allocate(width, height, 32, 0, 0, 0));
  if (!bitmap || !source) return nullptr;
  for (int y = 0; y < height; ++y) {
    const unsigned char* from = source + static_cast<std::ptrdiff_t>(y) * stride;
    // FreeImage keeps the bottom row first.
    BYTE* to = FreeImage_GetScanLine(bitmap.get(), height - 1 - y);
    for (int x = 0; x < width; ++x, from += 4, to += 4) {
      const std::uint8_t alpha = from[3];
      if (alpha == 255) {
        std::memcpy(to, from, 4);
      } else if (alpha == 0) {
        to[0] = to[1] = to[2] = to[3] = 0;
      } else {
        to[0] = Unpremultiply(from[0], alpha);
        to[1] = Unpremultiply(from[1], alpha);
        to[2] = Unpremultiply(from[2], alpha);
        to[3] = alpha;
      }
    }
  }
  return bitmap;
}

CairoSurface SurfaceFromBitmap(FIBITMAP* bitmap) {
  if (!bitmap || FreeImage_GetImageType(bitmap) != FIT_BITMAP || FreeImage_GetBPP(bitmap) != 32)
    return nullptr;
  const int width = static_cast<int>(FreeImage_GetWidth(bitmap));
  const int height = static_cast<int>(FreeImage_GetHeight(bitmap));
  CairoSurface surface = MakeTransparentSurface(width, height);
  if (!surface) return nullptr;
  unsigned char* target = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < height; ++y) {
    const BYTE* from = FreeImage_GetScanLine(bitmap, height - 1 - y);
    unsigned char* to = target + static_cast<std::ptrdiff_t>(y) * stride;
    for (int x = 0; x < width; ++x, from += 4, to += 4) {
      const std::uint8_t alpha = from[3];
      to[0] = Premultiply(from[0], alpha);
      to[1] = Premultiply(from[1], alpha);
      to[2] = Premultiply(from[2], alpha);
      to[3] = alpha;
    }
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

}  // namespace vecrast
