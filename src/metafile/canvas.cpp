#include "metafile/canvas.h"

#include <algorithm>

#include "metafile/allocation.h"
#include "metafile/dc_state.h"
#include "metafile/work_budget.h"

namespace metafile {

namespace {

// GDI's 8×8 hatch patterns, one byte per row, bit 7 the leftmost pixel.
constexpr uint8_t kHatchRows[6][8] = {
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},  // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // forward diagonal "\"
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // backward diagonal "/"
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},  // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
};

uint32_t Blend(uint32_t over, uint32_t under, unsigned a) {
  if (a >= 255) return over;
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const unsigned o = (over >> shift) & 0xFF;
    const unsigned u = (under >> shift) & 0xFF;
    out |= ((o * a + u * (255 - a) + 127) / 255) << shift;
  }
  return out;
}

// The common case: one colour copied through an all-or-nothing mask.
void CopySolid(Canvas& canvas, const CoverageMask& mask, uint32_t color, const IntRect& area) {
  const int stride = mask.Stride();
  const uint32_t pixel = 0xFF000000u | color;
  for (int y = area.top; y < area.bottom; ++y) {
    uint32_t* row = canvas.Row(y);
    if (mask.alpha.empty()) {
      std::fill(row + area.left, row + area.right, pixel);
      continue;
    }
    const uint8_t* cover = mask.alpha.data() + size_t(y - mask.bounds.top) * size_t(stride) - mask.bounds.left;
    for (int x = area.left; x < area.right; ++x) {
      const unsigned a = cover[x];
      if (a == 255) {
        row[x] = pixel;
      } else if (a != 0) {
        row[x] = 0xFF000000u | Blend(color, row[x] & 0xFFFFFF, a);
      }
    }
  }
}

void CompositeRect(Canvas& canvas, const CoverageMask& mask, const PaintSource& source, int rop2,
                   const IntRect& area) {
  if (source.kind == PaintSource::Kind::kSolid && rop2 == kR2CopyPen) {
    CopySolid(canvas, mask, source.color, area);
    return;
  }
  const int stride = mask.Stride();
  for (int y = area.top; y < area.bottom; ++y) {
    uint32_t* row = canvas.Row(y);
    const uint8_t* cover =
        mask.alpha.empty() ? nullptr : mask.alpha.data() + size_t(y - mask.bounds.top) * size_t(stride);
    for (int x = area.left; x < area.right; ++x) {
      const unsigned a = cover ? cover[x - mask.bounds.left] : 255u;
      if (a == 0) continue;
      uint32_t color;
      if (!source.ColorAt(x, y, color)) continue;
      const uint32_t dst = row[x] & 0xFFFFFF;
      const uint32_t result = rop2 == kR2CopyPen ? color : ApplyRop2(rop2, color, dst);
      row[x] = 0xFF000000u | Blend(result, dst, a);
    }
  }
}

}  // namespace

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
  if (width <= 0 || height <= 0 || !TryAssign(pixels_, size_t(width) * size_t(height), 0xFFFFFFFFu)) {
    width_ = 0;
    height_ = 0;
  }
}

bool PaintSource::ColorAt(int x, int y, uint32_t& rgb) const {
  switch (kind) {
    case Kind::kSolid:
      rgb = color;
      return true;
    case Kind::kHatch: {
      const uint8_t bits = kHatchRows[hatch % 6][y & 7];
      if (bits & (0x80 >> (x & 7))) {
        rgb = color;
        return true;
      }
      rgb = background;
      return opaqueBackground;
    }
    case Kind::kPattern: {
      if (!pattern || pattern->width <= 0 || pattern->height <= 0) return false;
      const size_t px = size_t(x % pattern->width + pattern->width) % size_t(pattern->width);
      const size_t py = size_t(y % pattern->height + pattern->height) % size_t(pattern->height);
      const size_t i = py * size_t(pattern->width) + px;
      if (pattern->usesDcColors) {
        if (i >= pattern->monoBits.size()) return false;
        rgb = pattern->monoBits[i] ? background : foreground;
      } else {
        if (i >= pattern->pixels.size()) return false;
        rgb = pattern->pixels[i] & 0xFFFFFF;
      }
      return true;
    }
  }
  return false;
}

void Composite(Canvas& canvas, const CoverageMask& mask, const PaintSource& source, int rop2,
               const Region* clip) {
  if (rop2 == kR2Nop) return;
  const IntRect area = Intersect(mask.bounds, canvas.Bounds());
  if (area.Empty()) return;
  if (!mask.alpha.empty() &&
      size_t(mask.Stride()) * size_t(mask.bounds.bottom - mask.bounds.top) > mask.alpha.size()) {
    return;
  }
  if (!clip) {
    CompositeRect(canvas, mask, source, rop2, area);
    return;
  }
  for (const IntRect& r : clip->Rects()) {
    const IntRect part = Intersect(area, r);
    if (!part.Empty()) CompositeRect(canvas, mask, source, rop2, part);
  }
}

int64_t CompositeCost(const IntRect& area, const PaintSource& source, int rop2, const Region* clip,
                      int64_t covered) {
  const int64_t pixels = area.Empty() ? 0 : int64_t(area.right - area.left) * (area.bottom - area.top);
  const int64_t perPixel = source.kind == PaintSource::Kind::kPattern ? cost::kPatternPixel
                           : source.kind == PaintSource::Kind::kHatch ? cost::kHatchPixel
                           : rop2 == kR2CopyPen                       ? cost::kSolidPixel
                                                                      : cost::kRopPixel;
  const int64_t painted = covered < 0 ? pixels : std::min(covered, pixels);
  const int64_t clipRects = clip ? int64_t(clip->Rects().size()) : 0;
  return pixels * cost::kSolidPixel + painted * (perPixel - cost::kSolidPixel) + clipRects * cost::kClipRect;
}

int64_t CoveredPixels(const CoverageMask& mask) {
  if (mask.alpha.empty()) return int64_t(mask.Stride()) * (mask.bounds.bottom - mask.bounds.top);
  return int64_t(mask.alpha.size()) - std::count(mask.alpha.begin(), mask.alpha.end(), uint8_t(0));
}

}  // namespace metafile
