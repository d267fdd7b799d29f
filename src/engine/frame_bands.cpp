#include "engine/frame_bands.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/cairo_bitmap.h"
#include "engine/overlay_blend.h"

namespace vecrast {
namespace {

// The first band of a pair keeps what fits; the second gets what remains.
void ClampPair(int& first, int& second, int size) {
  const int room = std::max(size, 0);
  first = std::clamp(first, 0, room);
  second = std::clamp(second, 0, room - first);
}

struct Corner {
  double x;
  double y;
};

void FillBox(cairo_t* context, double x, double y, double width, double height, RgbaColor color) {
  if (width <= 0 || height <= 0) return;
  cairo_set_source_rgba(context, color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                        color.alpha / 255.0);
  cairo_rectangle(context, x, y, width, height);
  cairo_fill(context);
}

void FillQuad(cairo_t* context, const Corner (&corners)[4], RgbaColor color) {
  cairo_set_source_rgba(context, color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                        color.alpha / 255.0);
  cairo_move_to(context, corners[0].x, corners[0].y);
  for (int i = 1; i < 4; ++i) cairo_line_to(context, corners[i].x, corners[i].y);
  cairo_close_path(context);
  cairo_fill(context);
}

// The corner squares lie under the seams, so the anti-aliased diagonal edges of two
// neighbouring bands never leave a see-through line between them.
void DrawBands(cairo_t* context, double w, double h, const FrameBands& b, const FrameStyle& style) {
  const double l = b.left, r = b.right, t = b.top, bo = b.bottom;
  FillBox(context, 0, 0, l, t, style.topColor);
  FillBox(context, w - r, 0, r, t, style.rightColor);
  FillBox(context, w - r, h - bo, r, bo, style.bottomColor);
  FillBox(context, 0, h - bo, l, bo, style.leftColor);
  FillQuad(context, {{0, 0}, {w, 0}, {w - r, t}, {l, t}}, style.topColor);
  FillQuad(context, {{w, 0}, {w, h}, {w - r, h - bo}, {w - r, t}}, style.rightColor);
  FillQuad(context, {{w, h}, {0, h}, {l, h - bo}, {w - r, h - bo}}, style.bottomColor);
  FillQuad(context, {{0, h}, {0, 0}, {l, t}, {l, h - bo}}, style.leftColor);
}

struct Strip {
  int x;
  int y;
  int width;
  int height;
};

// The part of the frame inside the strip, as one layer at the frame's opacity.
Bitmap DrawStrip(const Strip& strip, int width, int height, const FrameBands& bands,
                 const FrameStyle& style) {
  CairoSurface surface = MakeTransparentSurface(strip.width, strip.height);
  CairoContext context = surface ? MakeContext(surface.get()) : nullptr;
  if (!context) return nullptr;
  cairo_translate(context.get(), -strip.x, -strip.y);
  cairo_push_group(context.get());
  DrawBands(context.get(), width, height, bands, style);
  cairo_pop_group_to_source(context.get());
  cairo_paint_with_alpha(context.get(), std::clamp(style.opacity, 0, 255) / 255.0);
  if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  context.reset();
  return BitmapFromSurface(surface.get());
}

}  // namespace

bool PaintFrame(FIBITMAP* image, const FrameStyle& style) {
  if (!image || FreeImage_GetImageType(image) != FIT_BITMAP || FreeImage_GetBPP(image) != 24)
    return false;
  const int width = static_cast<int>(FreeImage_GetWidth(image));
  const int height = static_cast<int>(FreeImage_GetHeight(image));
  const FrameBands bands = ClampFrameBands(style.bands, width, height);
  // Everything the frame covers lies in four strips along the edges; drawing each strip on
  // its own canvas spares the untouched middle of the image.
  const int middle = height - bands.top - bands.bottom;
  const Strip strips[] = {{0, 0, width, bands.top},
                          {0, height - bands.bottom, width, bands.bottom},
                          {0, bands.top, bands.left, middle},
                          {width - bands.right, bands.top, bands.right, middle}};
  std::vector<std::pair<Bitmap, Strip>> overlays;
  for (const Strip& strip : strips) {
    if (strip.width <= 0 || strip.height <= 0) continue;
    Bitmap overlay = DrawStrip(strip, width, height, bands, style);
    if (!overlay) return false;
    overlays.emplace_back(std::move(overlay), strip);
  }
  for (const auto& [overlay, strip] : overlays) BlendOverlay(image, overlay.get(), strip.x, strip.y);
  return true;
}

FrameBands ClampFrameBands(FrameBands requested, int width, int height) {
  ClampPair(requested.left, requested.right, width);
  ClampPair(requested.top, requested.bottom, height);
  return requested;
}

}  // namespace vecrast
