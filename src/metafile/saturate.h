// Values of the drawing state that accumulate from record to record (window and viewport
// origins, the current position) saturate at the limits of a 32-bit logical coordinate
// instead of overflowing, and text measures in canvas pixels are held within a range no
// picture reaches, so that sums of a few of them stay exact.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace metafile {

// Text positions and extents in canvas pixels beyond this are as good as infinite (the
// largest canvas is 32767 pixels wide and coordinates are clamped at 2^22).
constexpr int64_t kMaxTextPixels = int64_t(1) << 26;

inline int SaturateToInt(int64_t v) {
  return int(std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Not-a-number is 0.
inline int SaturateToInt(double v) {
  if (!(v == v)) return 0;
  return int(std::clamp(v, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

inline int SaturatingAdd(int a, int64_t b) { return SaturateToInt(int64_t(a) + b); }

// A text measure in canvas pixels, rounded, within ±kMaxTextPixels.
inline int TextPixels(double v) {
  if (!(v == v)) return 0;
  return int(std::lround(std::clamp(v, -double(kMaxTextPixels), double(kMaxTextPixels))));
}

}  // namespace metafile
