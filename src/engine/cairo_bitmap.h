// Cairo drawing surfaces and their hand-over to FreeImage bitmaps.
#pragma once

#include <cairo.h>

#include <memory>

#include "engine/bitmap.h"

namespace vecrast {

struct CairoSurfaceDestroyer {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct CairoContextDestroyer {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};

using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceDestroyer>;
using CairoContext = std::unique_ptr<cairo_t, CairoContextDestroyer>;

// The longest side an image surface may have.
inline constexpr int kMaxSurfaceSide = 32767;

// A fully transparent ARGB32 surface, or null when the size is not positive or the
// surface cannot be made.
CairoSurface MakeTransparentSurface(int width, int height);

// A drawing context on the surface, or null when Cairo cannot make one.
CairoContext MakeContext(cairo_surface_t* surface);

// Copies an ARGB32 image surface into a new 32-bit FreeImage bitmap with straight
// (un-premultiplied) alpha, upright. Null when the surface is not a usable ARGB32 image
// or the bitmap cannot be allocated.
Bitmap BitmapFromSurface(cairo_surface_t* surface);

// Copies a 32-bit FreeImage bitmap into a new ARGB32 surface (premultiplied alpha).
// Null when the bitmap is not a 32-bit standard bitmap or the surface cannot be made.
CairoSurface SurfaceFromBitmap(FIBITMAP* bitmap);

}  // namespace vecrast
