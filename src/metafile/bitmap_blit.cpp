#include "metafile/bitmap_blit.h"

#include <algorithm>
#include <vector>

#include "metafile/rop3.h"

namespace metafile {

namespace {

struct Interval {
  long long lo = 0;
  long long hi = 0;  // exclusive
  long long Length() const { return hi - lo; }
};

Interval Normalise(const Span& s, bool& backwards) {
  backwards = s.extent < 0;
  if (s.extent >= 0) return {s.start, (long long)s.start + s.extent};
  return {(long long)s.start + s.extent + 1, (long long)s.start + 1};
}

// For each visible destination pixel of one axis, the source pixels [lo, hi) it takes
// (lo = -1: none, the source lies outside the bitmap there). Growing, destination pixel i
// takes the source pixel under its centre; shrinking follows GDI's Bresenham walk, where
// source pixel j lands on destination ceil((2dj - s) / 2s) and the pixels landing together
// are combined by the stretch mode. Colour-on-colour keeps source pixel
// floor(((2i + 2)s - d) / 2d) for destination pixel i, counted from where the walk starts.
struct AxisMap {
  std::vector<int> lo, hi;
};

AxisMap MapAxis(const Interval& dest, const Interval& visible, const Interval& src, bool flip, int bitmapSize,
                int16_t mode, bool fromEnd) {
  AxisMap map;
  const long long count = visible.Length();
  map.lo.assign(size_t(count), -1);
  map.hi.assign(size_t(count), -1);
  const long long d = dest.Length(), s = src.Length();
  const bool keepAll = mode == kStretchBlackOnWhite || mode == kStretchWhiteOnBlack || mode == kStretchHalftone;
  for (long long v = visible.lo; v < visible.hi; ++v) {
    long long i = v - dest.lo;
    if (flip != fromEnd) i = d - 1 - i;
    long long lo, hi;
    if (s > d && keepAll) {
      lo = i == 0 ? 0 : s * (2 * i - 1) / (2 * d) + 1;
      hi = std::min(s, s * (2 * i + 1) / (2 * d) + 1);
    } else if (s > d) {
      // Colour-on-colour keeps one source pixel: the last whose centre, scaled onto the
      // destination, lies before this pixel's far edge.
      hi = std::min(s, ((2 * i + 2) * s - d) / (2 * d) + 1);
      lo = hi - 1;
    } else {
      lo = (2 * i + 1) * s / (2 * d);
      hi = lo + 1;
    }
    if (fromEnd) {
      const long long end = s - lo;
      lo = s - hi;
      hi = end;
    }
    lo = std::max(lo + src.lo, 0LL);
    hi = std::min(hi + src.lo, (long long)bitmapSize);
    if (lo >= hi) continue;
    map.lo[size_t(v - visible.lo)] = int(lo);
    map.hi[size_t(v - visible.lo)] = int(hi);
  }
  return map;
}

// The source colour for a block of pixels under the stretch mode; 0 (alpha 0) when
// the block holds no defined pixel.
uint32_t Combine(const BitmapImage& image, int x0, int x1, int y0, int y1, int16_t mode) {
  if (x1 - x0 == 1 && y1 - y0 == 1) return image.At(x0, y0);
  if (mode == kStretchHalftone) {
    uint64_t r = 0, g = 0, b = 0, n = 0;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        const uint32_t p = image.At(x, y);
        if (!(p >> 24)) continue;
        r += (p >> 16) & 0xFF, g += (p >> 8) & 0xFF, b += p & 0xFF, ++n;
      }
    }
    if (!n) return 0;
    return kOpaquePixel | uint32_t((r + n / 2) / n) << 16 | uint32_t((g + n / 2) / n) << 8 | uint32_t((b + n / 2) / n);
  }
  const bool useAnd = mode == kStretchBlackOnWhite;
  uint32_t out = useAnd ? 0xFFFFFFFFu : 0;
  bool any = false;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const uint32_t p = image.At(x, y);
      if (!(p >> 24)) continue;
      out = useAnd ? out & p : out | p;
      any = true;
    }
  }
  return any ? (out | kOpaquePixel) : 0;
}

struct Plan {
  const BlitRequest* request = nullptr;
  bool useSource = false;
  bool usePattern = false;
  Interval visibleX, visibleY;
  AxisMap columns, rows;
};

void BlitRect(Canvas& canvas, const Plan& plan, const IntRect& area) {
  const BlitRequest& q = *plan.request;
  const BitmapImage* src = plan.useSource ? q.source : nullptr;
  const uint8_t rop = q.rop;
  for (int y = area.top; y < area.bottom; ++y) {
    const size_t ry = size_t(y - plan.visibleY.lo);
    int sy0 = 0, sy1 = 0;
    if (src) {
      sy0 = plan.rows.lo[ry], sy1 = plan.rows.hi[ry];
      if (sy0 < 0) continue;
    }
    uint32_t* row = canvas.Row(y);
    for (int x = area.left; x < area.right; ++x) {
      uint32_t s = 0;
      if (src) {
        const size_t cx = size_t(x - plan.visibleX.lo);
        const int sx0 = plan.columns.lo[cx];
        if (sx0 < 0) continue;
        s = Combine(*src, sx0, plan.columns.hi[cx], sy0, sy1, q.stretchMode);
        if (!(s >> 24)) continue;
        if (rop == kRopSrcCopy) {
          row[x] = s | kOpaquePixel;
          continue;
        }
      }
      uint32_t p = 0;
      if (plan.usePattern && q.pattern && !q.pattern->ColorAt(x, y, p)) continue;
      row[x] = kOpaquePixel | ApplyRop3(rop, p, s, row[x]);
    }
  }
}

}  // namespace

void Blit(Canvas& canvas, const BlitRequest& q) {
  if (q.rop == kRopDstCopy) return;
  Plan plan;
  plan.request = &q;
  plan.useSource = Rop3UsesSource(q.rop) && q.source && !q.source->Empty();
  if (Rop3UsesSource(q.rop) && !plan.useSource) return;
  plan.usePattern = Rop3UsesPattern(q.rop);

  bool destFlipX, destFlipY;
  const Interval destX = Normalise(q.destX, destFlipX);
  const Interval destY = Normalise(q.destY, destFlipY);
  if (destX.Length() <= 0 || destY.Length() <= 0) return;
  IntRect bounds = q.clip ? Intersect(q.clip->Bounds(), canvas.Bounds()) : canvas.Bounds();
  plan.visibleX = {std::max<long long>(destX.lo, bounds.left), std::min<long long>(destX.hi, bounds.right)};
  plan.visibleY = {std::max<long long>(destY.lo, bounds.top), std::min<long long>(destY.hi, bounds.bottom)};
  if (plan.visibleX.Length() <= 0 || plan.visibleY.Length() <= 0) return;

  if (plan.useSource) {
    bool srcFlipX, srcFlipY;
    const Interval srcX = Normalise(q.srcX, srcFlipX);
    const Interval srcY = Normalise(q.srcY, srcFlipY);
    if (srcX.Length() <= 0 || srcY.Length() <= 0) return;
    plan.columns = MapAxis(destX, plan.visibleX, srcX, destFlipX != srcFlipX, q.source->width, q.stretchMode, false);
    plan.rows = MapAxis(destY, plan.visibleY, srcY, destFlipY != srcFlipY, q.source->height, q.stretchMode, q.bottomUpSource);
  }

  const IntRect visible{int(plan.visibleX.lo), int(plan.visibleY.lo), int(plan.visibleX.hi), int(plan.visibleY.hi)};
  if (!q.clip) {
    BlitRect(canvas, plan, visible);
    return;
  }
  for (const IntRect& r : q.clip->Rects()) {
    const IntRect part = Intersect(visible, r);
    if (!part.Empty()) BlitRect(canvas, plan, part);
  }
}

}  // namespace metafile
