#include "engine/frame_bands.h"

#include <algorithm>

namespace vecrast {
namespace {

// The first band of a pair keeps what fits; the second gets what remains.
void ClampPair(int& first, int& second, int size) {
  const int room = std::max(size, 0);
  first = std::clamp(first, 0, room);
  second = std::clamp(second, 0, room - first);
}

}  // namespace

FrameBands ClampFrameBands(FrameBands requested, int width, int height) {
  ClampPair(requested.left, requested.right, width);
  ClampPair(requested.top, requested.bottom, height);
  return requested;
}

}  // namespace vecrast
