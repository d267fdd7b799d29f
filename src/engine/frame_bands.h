// The frame: four bands along the edges of the image, inside its size, meeting in mitred
// corners, with one opacity for the whole frame.
#pragma once

#include "engine/bitmap.h"
#include "engine/parse_color.h"

namespace vecrast {

struct FrameBands {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;

  friend bool operator==(const FrameBands&, const FrameBands&) = default;
};

// Negative widths become 0; the left band is cut to the width and the right band to what
// the left leaves; likewise top, then bottom. The bands then never reach outside a
// width x height image and never overlap.
FrameBands ClampFrameBands(FrameBands requested, int width, int height);

struct FrameStyle {
  FrameBands bands;
  RgbaColor leftColor;
  RgbaColor rightColor;
  RgbaColor topColor;
  RgbaColor bottomColor;
  int opacity = 255;  // of the whole frame, 0 to 255
};

// Paints the frame over the 24-bit image in place: the four corner squares first, then
// the four bands as anti-aliased quadrilaterals with diagonal seams, all as one layer at
// the frame's opacity. Bands are clamped into the image first. Returns false, leaving the
// image as it was, when the image is not 24 bits deep or a canvas cannot be made.
bool PaintFrame(FIBITMAP* image, const FrameStyle& style);

}  // namespace vecrast
