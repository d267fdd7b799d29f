#include <algorithm>

#include "engine/font_slots.h"
#include "engine/naming.h"
#include "engine/overlay_blend.h"
#include "engine/parse_color.h"
#include "engine/pipeline.h"
#include "engine/watermark_picture.h"
#include "engine/watermark_stamp.h"
#include "engine/watermark_text.h"
#include "settings/settings.h"

namespace vecrast {
namespace {

constexpr int kTextWatermark = 1;
constexpr int kPictureWatermark = 2;
constexpr int kInsideFrame = 1;
// Padding and leading beyond this would only make a box too large to draw.
constexpr int kMaxSpacing = 1 << 15;

Bitmap TextWatermark() {
  TextWatermarkStyle style;
  style.font = FontInSlot(kWatermarkFontSlot);
  if (!style.font) return nullptr;
  style.leading = std::clamp(Settings.fontLeading, -kMaxSpacing, kMaxSpacing);
  style.padding = std::clamp(Settings.textPadding, -kMaxSpacing, kMaxSpacing);
  style.alignment = Settings.textAlignment;
  style.textColor = ParseColor(Settings.fontColor, Settings.textOpacity);
  style.backColor = ParseColor(Settings.backColor, Settings.backOpacity);
  style.antialiased = Settings.textAntialiasing != 0;
  return RenderTextWatermark(ExpandWatermarkText(), style);
}

Bitmap PictureWatermark() {
  return LoadPictureWatermark(Settings.image, Settings.imageGreyscale != 0, Settings.imageOpacity);
}

// The text and the picture each have their own boundary, position, offsets and rotation.
WatermarkPlacement PlacementFromSettings(bool text, int width, int height) {
  const int boundary = text ? Settings.textBoundary : Settings.imageBoundary;
  const bool insideFrame = boundary == kInsideFrame && Settings.doFrame != 0;
  const FrameBands bands{Settings.solidLeft, Settings.solidRight, Settings.solidTop,
                         Settings.solidBottom};
  WatermarkPlacement placement;
  placement.area = AvailableArea(width, height, insideFrame, bands);
  placement.position = text ? Settings.textPosition : Settings.imagePosition;
  placement.offsetX = text ? Settings.textXOffset : Settings.imageXOffset;
  placement.offsetY = text ? Settings.textYOffset : Settings.imageYOffset;
  placement.rotation = text ? Settings.textRotation : Settings.watermarkImageRotation;
  return placement;
}

}  // namespace

// Any watermark brings the image to 24 bits. A watermark that cannot be made (no font,
// an unreadable picture) or that has no room at its place is left off, and the image goes
// on without it.
Bitmap DrawWatermark(Bitmap bitmap, int, int) {
  if (!bitmap || Settings.doWatermark == 0) return bitmap;
  bitmap = To24Bits(std::move(bitmap));
  if (!bitmap) return nullptr;
  const bool text = Settings.doWatermark == kTextWatermark;
  Bitmap watermark = text ? TextWatermark()
                     : Settings.doWatermark == kPictureWatermark ? PictureWatermark()
                                                                 : nullptr;
  if (!watermark) return bitmap;
  const int width = static_cast<int>(FreeImage_GetWidth(bitmap.get()));
  const int height = static_cast<int>(FreeImage_GetHeight(bitmap.get()));
  StampWatermark(bitmap.get(), std::move(watermark), PlacementFromSettings(text, width, height));
  return bitmap;
}

}  // namespace vecrast
