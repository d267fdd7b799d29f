// A region as a bounded list of disjoint rectangles (right and bottom exclusive). Clipping
// and the region records work on it. Operations that would exceed kMaxRects leave the
// region coarser rather than grow without bound.
#pragma once

#include <cstddef>
#include <vector>

namespace metafile {

struct IntRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
};

IntRect Intersect(const IntRect& a, const IntRect& b);

class Region {
 public:
  static constexpr size_t kMaxRects = 2048;

  Region() = default;
  explicit Region(const IntRect& rect) { AddDisjoint(rect); }

  const std::vector<IntRect>& Rects() const { return rects_; }
  bool Empty() const { return rects_.empty(); }
  IntRect Bounds() const { return bounds_; }

  // Adds a rectangle, keeping the list disjoint (the overlap already present is not added twice).
  void Add(const IntRect& rect);
  // Adds a rectangle known not to overlap the region (a monotonic mapping of a disjoint list).
  void AddDisjoint(const IntRect& rect);
  void IntersectWith(const IntRect& rect);
  // Keeps the parts that lie in `other` too (bounded by kMaxRects).
  void IntersectWith(const Region& other);
  void Exclude(const IntRect& rect);
  void Offset(int dx, int dy);
  bool Contains(int x, int y) const;

 private:
  void Push(const IntRect& rect);
  void RecomputeBounds();

  std::vector<IntRect> rects_;
  IntRect bounds_;
};

}  // namespace metafile
