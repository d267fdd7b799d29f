#include "metafile/player.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "metafile/palette_colors.h"

namespace metafile {

Player::Player(Backend& backendIn, const Frame& frame, const DcState& initial, IntRect canvasBounds,
               size_t declaredObjects)
    : dc(initial), objects(declaredObjects), backend(backendIn), frame_(frame), canvasBounds_(canvasBounds) {}

IntRect Player::MapRect(int left, int top, int right, int bottom) const {
  const Transform t = ToCanvas();
  const DevicePoint a = t.Apply(left, top);
  const DevicePoint b = t.Apply(right, bottom);
  const int x0 = RoundToPixel(a.x), x1 = RoundToPixel(b.x);
  const int y0 = RoundToPixel(a.y), y1 = RoundToPixel(b.y);
  return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

Region Player::MapRegion(const Region& logical) const {
  Region out;
  // The mapping is monotonic on each axis, so disjoint rectangles stay disjoint.
  for (const IntRect& r : logical.Rects()) out.AddDisjoint(MapRect(r.left, r.top, r.right, r.bottom));
  return out;
}

ColorRef Player::ResolveColor(ColorRef color) const {
  constexpr uint32_t kPaletteIndexFlag = 0x01000000;
  if ((color & 0xFF000000u) != kPaletteIndexFlag) return color & 0xFFFFFF;
  // On a true-colour device a palette-index colour is taken from the default palette,
  // whatever logical palette the file selects.
  const std::vector<ColorRef>& palette = DefaultPaletteEntries();
  const size_t index = color & 0xFFFF;
  return index < palette.size() ? palette[index] : 0;
}

DrawStyle Player::Style() const {
  DrawStyle s;
  s.pen = dc.pen;
  s.pen.color = ResolveColor(dc.pen.color);
  const Transform t = ToCanvas();
  // Width 0 is one pixel whatever the mapping. Other widths go through the mapping as a
  // vector from the origin, both ends rounded to whole pixels as GDI rounds points, so the
  // same width can come out a pixel wider or narrower depending on the window origin.
  if (dc.pen.width == 0) {
    s.penWidth = 1;
  } else {
    const int origin = RoundToPixel(t.Apply(0, 0).x);
    const int end = RoundToPixel(t.Apply(dc.pen.width, 0).x);
    s.penWidth = std::max(1, std::abs(end - origin));
  }
  s.brush = dc.brush;
  s.brush.color = ResolveColor(dc.brush.color);
  s.textColor = ResolveColor(dc.textColor);
  s.bkColor = ResolveColor(dc.bkColor);
  s.bkMode = dc.bkMode;
  s.polyFillMode = dc.polyFillMode;
  s.rop2 = dc.rop2;
  s.clip = dc.clip.get();
  return s;
}

bool Player::Save() {
  if (saved_.size() >= kMaxSavedStates) return false;
  saved_.push_back(dc);
  return true;
}

bool Player::Restore(int level) {
  // A negative level counts back from the newest save; a positive one names a save by
  // its position (1 = the first).
  const long count = long(saved_.size());
  const long keep = level < 0 ? count + level : long(level) - 1;
  if (level == 0 || keep < 0 || keep >= count) return false;
  dc = saved_[size_t(keep)];
  saved_.resize(size_t(keep));
  return true;
}

Region Player::CurrentClip() const { return dc.clip ? *dc.clip : Region(canvasBounds_); }

void Player::SetClip(Region clip) {
  clip.IntersectWith(canvasBounds_);
  dc.clip = std::make_shared<const Region>(std::move(clip));
}

}  // namespace metafile
