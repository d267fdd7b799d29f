#include "metafile/mapping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace metafile {

namespace {

// Millimetres per logical unit of the fixed mapping modes; y grows upwards in all of them.
double MillimetresPerUnit(int16_t mode) {
  switch (mode) {
    case kMapLoMetric: return 0.1;
    case kMapHiMetric: return 0.01;
    case kMapLoEnglish: return 0.254;
    case kMapHiEnglish: return 0.0254;
    case kMapTwips: return 25.4 / 1440.0;
    default: return 0;
  }
}

double NonZero(int v) { return v == 0 ? 1.0 : double(v); }

}  // namespace

Transform LogicalToCanvas(const DcState& dc, const Frame& frame) {
  double sx = 1;
  double sy = 1;
  const double mm = MillimetresPerUnit(dc.mapMode);
  if (mm > 0) {
    sx = mm * frame.pixelsPerInch / 25.4;
    sy = -sx;
  } else if (dc.mapMode == kMapAnisotropic || dc.mapMode == kMapIsotropic) {
    sx = NonZero(dc.viewportExt.x) / NonZero(dc.windowExt.x);
    sy = NonZero(dc.viewportExt.y) / NonZero(dc.windowExt.y);
    if (dc.mapMode == kMapIsotropic) {
      // The smaller scale wins on both axes; each axis keeps its own direction.
      const double s = std::min(std::fabs(sx), std::fabs(sy));
      sx = std::copysign(s, sx);
      sy = std::copysign(s, sy);
    }
  }
  // device = (logical - windowOrg) * s + viewportOrg; canvas = origin + device * frameScale.
  Transform t;
  t.scaleX = sx * frame.scaleX;
  t.scaleY = sy * frame.scaleY;
  t.offsetX = frame.originX + frame.scaleX * (dc.viewportOrg.x - dc.windowOrg.x * sx);
  t.offsetY = frame.originY + frame.scaleY * (dc.viewportOrg.y - dc.windowOrg.y * sy);
  return t;
}

int RoundToPixel(double v) {
  if (!(v == v)) return 0;
  v = std::clamp(v, -kMaxCanvasCoordinate, kMaxCanvasCoordinate);
  return int(std::lround(v));
}

DcState InitialDcState(int boxLeft, int boxTop, int boxWidth, int boxHeight, int viewportWidth,
                       int viewportHeight) {
  DcState dc;
  dc.mapMode = kMapAnisotropic;
  dc.windowOrg = {boxLeft, boxTop};
  dc.windowExt = {boxWidth, boxHeight};
  dc.viewportOrg = {0, 0};
  dc.viewportExt = {viewportWidth, viewportHeight};
  return dc;
}

}  // namespace metafile
