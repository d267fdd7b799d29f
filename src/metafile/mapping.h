// From logical coordinates to canvas pixels. Two stages, as on playback into a picture
// frame: the DC's window-to-viewport mapping (mapping mode, origins, extents) gives the
// picture's device units, which are the placeable box's own units; the frame then scales
// those onto the box's rectangle on the canvas.
#pragma once

#include "metafile/dc_state.h"

namespace metafile {

struct DevicePoint {
  double x = 0;
  double y = 0;
};

// Where the placeable box lands: canvas pixels of its top-left corner and pixels per unit.
struct Frame {
  double originX = 0;
  double originY = 0;
  double scaleX = 1;
  double scaleY = 1;
  double unitsPerInch = 96;
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

// The starting state of a DC for a picture whose box is given in metafile units: the window
// and viewport both equal the box, so unscaled drawing fills it exactly.
DcState InitialDcState(int boxLeft, int boxTop, int boxWidth, int boxHeight);

}  // namespace metafile
