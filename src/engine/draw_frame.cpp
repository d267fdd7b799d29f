#include "engine/frame_bands.h"
#include "engine/overlay_blend.h"
#include "engine/parse_color.h"
#include "engine/pipeline.h"
#include "settings/settings.h"

namespace vecrast {
namespace {

constexpr int kSolidFrame = 1;

FrameStyle FrameStyleFromSettings() {
  return {{Settings.solidLeft, Settings.solidRight, Settings.solidTop, Settings.solidBottom},
          ParseColor(Settings.solidLeftColor, 255),
          ParseColor(Settings.solidRightColor, 255),
          ParseColor(Settings.solidTopColor, 255),
          ParseColor(Settings.solidBottomColor, 255),
          Settings.solidOpacity};
}

}  // namespace

// Any frame brings the image to 24 bits; a solid frame is then painted inside the image's
// own size. When the frame cannot be drawn the image goes on without it.
Bitmap DrawFrame(Bitmap bitmap, int, int) {
  if (!bitmap || Settings.doFrame == 0) return bitmap;
  bitmap = To24Bits(std::move(bitmap));
  if (bitmap && Settings.doFrame == kSolidFrame) PaintFrame(bitmap.get(), FrameStyleFromSettings());
  return bitmap;
}

}  // namespace vecrast
