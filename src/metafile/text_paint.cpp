#include "metafile/text_paint.h"

#include <algorithm>

#include "metafile/canvas.h"
#include "metafile/dc_state.h"
#include "metafile/work_budget.h"

namespace metafile {

namespace {

// How far (per channel, out of 255) a pixel may stay from the text colour at each step of
// coverage, from full coverage down.
constexpr uint8_t kRamp[17] = {0, 0x4d, 0x68, 0x7c, 0x8c, 0x9a, 0xa7, 0xb2, 0xbd,
                               0xc7, 0xd0, 0xd9, 0xe1, 0xe9, 0xf0, 0xf8, 0xff};

int Spread(int level) { return kRamp[std::clamp(16 - level, 0, 16)]; }

uint32_t BlendPixel(uint32_t dst, uint32_t text, int level) {
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    out |= uint32_t(BlendTextChannel(uint8_t(dst >> shift), uint8_t(text >> shift), level)) << shift;
  }
  return out;
}

void PaintGlyphPart(Canvas& canvas, const GlyphImage& glyph, int left, int top, uint32_t text,
                    const IntRect& area) {
  for (int y = area.top; y < area.bottom; ++y) {
    uint32_t* row = canvas.Row(y);
    const uint8_t* levels = glyph.levels.data() + size_t(y - top) * size_t(glyph.width);
    for (int x = area.left; x < area.right; ++x) {
      const int level = levels[x - left];
      if (level == 0) continue;
      row[x] = 0xFF000000u | BlendPixel(row[x] & 0xFFFFFF, text, level);
    }
  }
}

}  // namespace

uint8_t BlendTextChannel(uint8_t dst, uint8_t text, int level) {
  if (level <= 0) return dst;
  const int spread = Spread(level);
  if (dst == text) return dst;
  if (dst > text) {
    const int maxComp = std::min(255, text + spread);
    return uint8_t(text + (dst - text) * (maxComp - text) / (255 - text));
  }
  const int minComp = std::max(0, text - spread);
  return uint8_t(text - (text - dst) * (text - minComp) / text);
}

void PaintGlyph(Backend& backend, const GlyphImage& glyph, int x, int y, ColorRef color, const Region* clip) {
  if (glyph.width <= 0 || glyph.rows <= 0 || glyph.levels.size() < size_t(glyph.width) * size_t(glyph.rows)) return;
  const int left = x + glyph.left;
  const int top = y - glyph.top;
  const IntRect bounds{left, top, left + glyph.width, top + glyph.rows};
  if (Canvas* canvas = backend.RasterCanvas()) {
    const IntRect area = Intersect(bounds, canvas->Bounds());
    if (area.Empty()) return;
    const int64_t pixels = int64_t(area.right - area.left) * (area.bottom - area.top);
    const int64_t clipRects = clip ? int64_t(clip->Rects().size()) : 0;
    if (!backend.Charge(pixels * cost::kGlyphPaintPixel + clipRects * cost::kClipRect)) return;
    const uint32_t text = ColorRefToRgb(color);
    if (!clip) {
      PaintGlyphPart(*canvas, glyph, left, top, text, area);
      return;
    }
    for (const IntRect& r : clip->Rects()) {
      const IntRect part = Intersect(area, r);
      if (!part.Empty()) PaintGlyphPart(*canvas, glyph, left, top, text, part);
    }
    return;
  }
  // Other back ends get the coverage as alpha, which is the same blend for dark text on white.
  CoverageMask mask;
  mask.bounds = bounds;
  mask.alpha.resize(glyph.levels.size());
  for (size_t i = 0; i < glyph.levels.size(); ++i) {
    mask.alpha[i] = glyph.levels[i] ? uint8_t(255 - Spread(glyph.levels[i])) : 0;
  }
  DrawStyle style;
  style.rop2 = kR2CopyPen;
  style.clip = clip;
  backend.PaintCoverage(mask, color, style);
}

}  // namespace metafile
