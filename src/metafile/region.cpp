#include "metafile/region.h"

#include <algorithm>

namespace metafile {

IntRect Intersect(const IntRect& a, const IntRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

namespace {

// The parts of `r` outside `cut`, appended to `out` (at most four pieces).
void Subtract(const IntRect& r, const IntRect& cut, std::vector<IntRect>& out) {
  const IntRect overlap = Intersect(r, cut);
  if (overlap.Empty()) {
    out.push_back(r);
    return;
  }
  if (r.top < overlap.top) out.push_back({r.left, r.top, r.right, overlap.top});
  if (overlap.bottom < r.bottom) out.push_back({r.left, overlap.bottom, r.right, r.bottom});
  if (r.left < overlap.left) out.push_back({r.left, overlap.top, overlap.left, overlap.bottom});
  if (overlap.right < r.right) out.push_back({overlap.right, overlap.top, r.right, overlap.bottom});
}

}  // namespace

void Region::Push(const IntRect& rect) {
  if (rects_.empty()) {
    bounds_ = rect;
  } else {
    bounds_ = {std::min(bounds_.left, rect.left), std::min(bounds_.top, rect.top),
               std::max(bounds_.right, rect.right), std::max(bounds_.bottom, rect.bottom)};
  }
  rects_.push_back(rect);
}

void Region::RecomputeBounds() {
  std::vector<IntRect> rects;
  rects.swap(rects_);
  bounds_ = {};
  for (const IntRect& r : rects) Push(r);
}

void Region::AddDisjoint(const IntRect& rect) {
  if (!rect.Empty() && rects_.size() < kMaxRects) Push(rect);
}

void Region::Add(const IntRect& rect) {
  if (rect.Empty() || rects_.size() >= kMaxRects) return;
  // Scans arrive top to bottom: a rectangle below (or beside) everything so far needs no
  // overlap search.
  if (rects_.empty() || Intersect(bounds_, rect).Empty()) {
    Push(rect);
    return;
  }
  std::vector<IntRect> pieces{rect};
  for (const IntRect& existing : rects_) {
    if (Intersect(existing, rect).Empty()) continue;
    std::vector<IntRect> next;
    for (const IntRect& p : pieces) Subtract(p, existing, next);
    pieces.swap(next);
    if (pieces.empty()) return;
  }
  for (const IntRect& p : pieces) {
    if (rects_.size() >= kMaxRects) break;
    Push(p);
  }
}

void Region::IntersectWith(const IntRect& rect) {
  std::vector<IntRect> kept;
  for (const IntRect& r : rects_) {
    const IntRect i = Intersect(r, rect);
    if (!i.Empty()) kept.push_back(i);
  }
  rects_.swap(kept);
  RecomputeBounds();
}

void Region::IntersectWith(const Region& other) {
  // Both lists are disjoint, so their pairwise overlaps are too.
  std::vector<IntRect> kept;
  for (const IntRect& a : rects_) {
    if (Intersect(a, other.bounds_).Empty()) continue;
    for (const IntRect& b : other.rects_) {
      const IntRect i = Intersect(a, b);
      if (!i.Empty() && kept.size() < kMaxRects) kept.push_back(i);
    }
  }
  rects_.swap(kept);
  RecomputeBounds();
}

void Region::Exclude(const IntRect& rect) {
  if (rect.Empty()) return;
  std::vector<IntRect> kept;
  for (const IntRect& r : rects_) Subtract(r, rect, kept);
  if (kept.size() > kMaxRects) return;  // too fragmented: keep the coarser region
  rects_.swap(kept);
  RecomputeBounds();
}

void Region::Offset(int dx, int dy) {
  for (IntRect& r : rects_) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
  }
  RecomputeBounds();
}

bool Region::Contains(int x, int y) const {
  for (const IntRect& r : rects_) {
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  }
  return false;
}

}  // namespace metafile
