#include "metafile/cosmetic_line.h"

#include <algorithm>
#include <cstdlib>

#include "metafile/gdi_objects.h"

namespace metafile {

LineStyler::LineStyler(uint16_t penStyle) {
  switch (penStyle & kPenStyleMask) {
    case kPenDash: lengths_ = {18, 6}; break;
    case kPenDot: lengths_ = {3, 3}; break;
    case kPenDashDot: lengths_ = {9, 6, 3, 6}; break;
    case kPenDashDotDot: lengths_ = {9, 3, 3, 3, 3, 3}; break;
    default: break;
  }
  if (!lengths_.empty()) left_ = lengths_[0];
}

void LineStyler::Skip(int64_t count) {
  if (lengths_.empty() || count <= 0) return;
  int period = 0;
  for (int l : lengths_) period += l;
  count %= period;
  while (count-- > 0) Next();
}

bool LineStyler::Next() {
  if (lengths_.empty()) return true;
  const bool on = index_ % 2 == 0;
  if (--left_ <= 0) {
    index_ = (index_ + 1) % lengths_.size();
    left_ = lengths_[index_];
  }
  return on;
}

namespace {

int64_t FloorDiv(int64_t a, int64_t b) {  // b > 0
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

void Mark(CoverageMask& mask, int x, int y) {
  const IntRect& b = mask.bounds;
  if (x < b.left || x >= b.right || y < b.top || y >= b.bottom) return;
  mask.alpha[size_t(y - b.top) * size_t(mask.Stride()) + size_t(x - b.left)] = 255;
}

class MaskSink : public PixelSink {
 public:
  MaskSink(CoverageMask& pen, CoverageMask& gap) : pen_(pen), gap_(gap) {}
  void Put(int x, int y, bool on) override { Mark(on ? pen_ : gap_, x, y); }

 private:
  CoverageMask& pen_;
  CoverageMask& gap_;
};

}  // namespace

int64_t SegmentPixels(int x0, int y0, int x1, int y1, const IntRect& limit) {
  // A segment crosses at most this many pixels of the limit, however long it is.
  const int64_t mostVisible = std::max<int64_t>(int64_t(limit.right) - limit.left, int64_t(limit.bottom) - limit.top);
  const int64_t steps = std::max(std::llabs(int64_t(x1) - x0), std::llabs(int64_t(y1) - y0));
  return std::min(steps, std::max<int64_t>(0, mostVisible)) + 1;
}

int64_t LinePixels(const std::vector<DevicePoint>& points, bool closed, const IntRect& limit) {
  int64_t pixels = 0;
  const size_t n = points.size() + (closed && !points.empty() ? 1 : 0);
  for (size_t i = 1; i < n; ++i) {
    const DevicePoint& a = points[i - 1];
    const DevicePoint& b = points[i % points.size()];
    pixels += SegmentPixels(RoundToPixel(a.x), RoundToPixel(a.y), RoundToPixel(b.x), RoundToPixel(b.y), limit);
  }
  return pixels;
}

void DrawCosmeticSegment(int x0, int y0, int x1, int y1, LineStyler& styler, CoverageMask& pen,
                         CoverageMask& gap) {
  MaskSink sink(pen, gap);
  WalkCosmeticSegment(x0, y0, x1, y1, styler, pen.bounds, sink);
}

void WalkCosmeticSegment(int x0, int y0, int x1, int y1, LineStyler& styler, const IntRect& limit, PixelSink& sink) {
  const int64_t dx = int64_t(x1) - x0;
  const int64_t dy = int64_t(y1) - y0;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const int64_t steps = xMajor ? std::llabs(dx) : std::llabs(dy);
  if (steps == 0) return;
  const int64_t dMinor = xMajor ? dy : dx;
  const int majorStart = xMajor ? x0 : y0;
  const int minorStart = xMajor ? y0 : x0;
  const int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
  // Only steps whose major coordinate lies inside the mask can mark anything; the rest
  // still advance the dash pattern.
  const IntRect& b = limit;
  const int64_t lo = xMajor ? b.left : b.top;
  const int64_t hi = (xMajor ? b.right : b.bottom) - 1;
  int64_t first = majorStep > 0 ? lo - majorStart : majorStart - hi;
  int64_t last = majorStep > 0 ? hi - majorStart : majorStart - lo;
  first = std::max<int64_t>(first, 0);
  last = std::min<int64_t>(last, steps - 1);
  if (first > last) {
    styler.Skip(steps);
    return;
  }
  styler.Skip(first);
  for (int64_t i = first; i <= last; ++i) {
    // Nearest pixel to the ideal line on the minor axis; an exact half goes to the smaller
    // coordinate, which matches GDI's lines best.
    const int64_t minorOffset = -FloorDiv(steps - 2 * i * dMinor, 2 * steps);
    const int major = int(majorStart + majorStep * i);
    const int minor = int(minorStart + minorOffset);
    const int x = xMajor ? major : minor;
    const int y = xMajor ? minor : major;
    const bool on = styler.Next();
    if (y >= b.top && y < b.bottom && x >= b.left && x < b.right) sink.Put(x, y, on);
  }
  styler.Skip(steps - 1 - last);
}

}  // namespace metafile
