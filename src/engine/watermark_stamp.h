// Putting a finished watermark overlay on the image: turned, cropped to the area it is
// kept in, placed at its position and blended over the image.
#pragma once

#include "engine/bitmap.h"
#include "engine/watermark_layout.h"

namespace vecrast {

struct WatermarkPlacement {
  WatermarkArea area;
  int position = 8;  // 0 top left ... 8 bottom right
  int offsetX = 10;
  int offsetY = 10;
  int rotation = 0;  // degrees; only 1 to 359 turn the watermark
};

// The watermark turned by the rotation (the canvas grows, the new corners transparent);
// the watermark itself when the angle does not turn it; null when turning fails.
Bitmap RotateWatermark(Bitmap watermark, int degrees);

// Blends the 32-bit watermark over the 24-bit image in place. A watermark that its offsets
// crop to nothing, or that does not lie wholly inside the image at its position, is left
// off: the image stays as it was and false is returned.
bool StampWatermark(FIBITMAP* image, Bitmap watermark, const WatermarkPlacement& placement);

}  // namespace vecrast
