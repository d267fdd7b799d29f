// Geometry of the watermark: the text box and its lines, the area the watermark is kept
// in, the crop that makes it fit and its position. Pure functions of their arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/frame_bands.h"

namespace vecrast {

struct PixelPoint {
  int x = 0;
  int y = 0;

  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelSize {
  int width = 0;
  int height = 0;

  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

enum class TextAlignment { kLeft = 0, kCentre = 1, kRight = 2 };

// Splits the watermark text at every "%eol%", in any letter case.
std::vector<std::string> SplitWatermarkLines(std::string_view text);

struct TextBoxLayout {
  PixelSize box;
  std::vector<PixelPoint> lineOrigins;  // top-left corner of each line's text
};

// The x of a line of width lineWidth in a box of width boxWidth: padding for left, the
// rounded half of the free room for centre, the right edge less the padding for right,
// and 0 for any other alignment.
int AlignLine(int boxWidth, int lineWidth, int padding, int alignment);

// Lays out lines of the measured widths in a box with `padding` on every side. One line
// gives a box of its own width and height, the text at (padding, padding). Several lines
// share the largest width and height (each at least 10), one pitch of that height plus
// `leading` apart, each placed across the box by `alignment` (0 left, 1 centre, 2 right,
// other values at x = 0).
TextBoxLayout LayoutTextBox(const std::vector<int>& lineWidths, int lineHeight, int leading,
                            int padding, int alignment);

// The part of the image the watermark is kept in: the whole image, or with `insideFrame`
// the part inside the frame bands.
struct WatermarkArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};
WatermarkArea AvailableArea(int imageWidth, int imageHeight, bool insideFrame, FrameBands bands);

// The watermark's size after cropping: a side that with its offset reaches past the area
// becomes the area's side minus the offset. The result may be empty or negative.
PixelSize CroppedSize(PixelSize watermark, const WatermarkArea& area, int offsetX, int offsetY);

// The top-left corner in image coordinates of a watermark of the given size at one of the
// nine positions (0 top left ... 8 bottom right, row by row) of the area, the offsets
// measured from the nearest edges; centred coordinates ignore the offsets. Any other
// position puts it at the area's corner.
PixelPoint PlaceWatermark(PixelSize watermark, const WatermarkArea& area, int position,
                          int offsetX, int offsetY);

// Whether a watermark rotation angle turns the watermark at all.
bool IsWatermarkRotation(int degrees);

}  // namespace vecrast
