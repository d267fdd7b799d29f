// The widths of the four frame bands, kept inside the image they frame.
#pragma once

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

}  // namespace vecrast
