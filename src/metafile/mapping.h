// From logical coordinates to canvas pixels. Two stages, as on playback into a picture
// frame: the DC's window-to-viewport mapping (mapping mode, origins, extents) gives the
// picture's device pixels (96 per inch); the frame then places those on the canvas, the
// device origin at the box's corner. The initial window is the box and the initial
// viewport the box's pixels, so a file that never sets a viewport fills the box; one that
// sets its own viewport gets it in device pixels, as in GDI.
#pragma once

#include "metafile/dc_state.h"

namespace metafile {

struct DevicePoint {
  double x = 0;
  double y = 0;
};

// Where the picture's device lands: canvas pixels of the box's top-left corner and canvas
// pixels per device pixel.
struct Frame {
  double originX = 0;
  double originY = 0;
  double scaleX = 1;
  double scaleY = 1;
  double pixelsPerInch = 96;  // device pixels per inch, for the metric mapping modes
};

// An axis-aligned affine map: canvas = logical * scale + offset.
struct Transform {
  double scaleX = 1;
  double scaleY = 1;
  double offsetX = 0;
  double offsetY = 0;

  DevicePoint Apply(double x, double y) const { return {x * scaleX + offsetX, y * scaleY + offsetY}; }
};

Transform LogicalToCanvas(const DcState& dc, const Frame& frame);

// Canvas coordinates are clamped to this magnitude before they reach the rasteriser.
constexpr double kMaxCanvasCoordinate = 1 << 22;
int RoundToPixel(double v);

// The starting state of a DC for a picture whose box is given in metafile units and
// occupies viewportWidth × viewportHeight device pixels.
DcState InitialDcState(int boxLeft, int boxTop, int boxWidth, int boxHeight, int viewportWidth,
                       int viewportHeight);

}  // namespace metafile
