#include "metafile/text_layout.h"

#include <cmath>
#include <cstdint>

#include "metafile/saturate.h"

namespace metafile {

TextLayout LayOutText(const std::vector<int>& advances, const std::vector<bool>& isBreak,
                      const TextSpacing& spacing) {
  TextLayout layout;
  const size_t n = advances.size();
  layout.offsets.resize(n);
  layout.rise.assign(n, 0);
  if (!spacing.dx.empty()) {
    double pen = 0, rise = 0;
    for (size_t i = 0; i < n; ++i) {
      layout.offsets[i] = TextPixels(pen);
      layout.rise[i] = TextPixels(rise);
      pen += i < spacing.dx.size() ? spacing.dx[i] : advances[i];
      if (i < spacing.dy.size()) rise += spacing.dy[i];
    }
    layout.width = TextPixels(pen);
    layout.endRise = TextPixels(rise);
    return layout;
  }
  // Justification: the extra space goes to the first break characters, the remainder one
  // pixel at a time to the first of them.
  const int breaks = spacing.breakCount > 0 ? spacing.breakCount : 0;
  const int share = breaks ? spacing.breakExtra / breaks : 0;
  int remainder = breaks ? spacing.breakExtra % breaks : 0;
  int breaksSeen = 0;
  int64_t pen = 0;
  for (size_t i = 0; i < n; ++i) {
    layout.offsets[i] = TextPixels(double(pen));
    pen += advances[i] + spacing.charExtra;
    if (breaks && i < isBreak.size() && isBreak[i] && breaksSeen < breaks) {
      ++breaksSeen;
      pen += share;
      if (remainder > 0) {
        ++pen;
        --remainder;
      } else if (remainder < 0) {
        --pen;
        ++remainder;
      }
    }
  }
  layout.width = TextPixels(double(pen));
  return layout;
}

BaselineShift AlignBaseline(uint16_t align, int width, int ascent, int descent) {
  BaselineShift shift;
  switch (align & kTaHorizontalMask) {
    case kTaRight: shift.along = -width; break;
    case kTaCenter: shift.along = -(width / 2); break;
    default: break;
  }
  switch (align & kTaVerticalMask) {
    case kTaBaseline: break;
    case kTaBottom: shift.down = -descent; break;
    default: shift.down = ascent; break;
  }
  return shift;
}

}  // namespace metafile
