// The picture being drawn: width × height pixels 0xAARRGGBB (alpha always 0xFF), top row
// first, starting white. Also the pixel-level combination every painting ends in: a
// coverage mask and a paint source meet the destination through a ROP2 code, inside the clip.
#pragma once

#include <cstdint>
#include <vector>

#include "metafile/gdi_objects.h"
#include "metafile/region.h"

namespace metafile {

class Canvas {
 public:
  // A white canvas; when memory for it runs out, an empty one (Allocated() false).
  Canvas(int width, int height);

  bool Allocated() const { return !pixels_.empty(); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  IntRect Bounds() const { return {0, 0, width_, height_}; }
  uint32_t* Row(int y) { return pixels_.data() + size_t(y) * size_t(width_); }
  const uint32_t* Row(int y) const { return pixels_.data() + size_t(y) * size_t(width_); }
  uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
  std::vector<uint32_t>& Pixels() { return pixels_; }

 private:
  int width_;
  int height_;
  std::vector<uint32_t> pixels_;
};

// 0x00BBGGRR to 0x00RRGGBB and back.
inline uint32_t ColorRefToRgb(ColorRef c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline ColorRef RgbToColorRef(uint32_t rgb) { return ColorRefToRgb(rgb); }

// Combines pen/brush colour `src` with destination `dst` (both 0x00RRGGBB) by ROP2 code 1..16.
inline uint32_t ApplyRop2(int rop2, uint32_t src, uint32_t dst) {
  // Code - 1 is a truth table over (src bit, dst bit): bit 3 for (1,1), 2 for (1,0),
  // 1 for (0,1), 0 for (0,0).
  const unsigned table = unsigned(rop2 - 1) & 0xF;
  uint32_t out = 0;
  if (table & 8) out |= src & dst;
  if (table & 4) out |= src & ~dst;
  if (table & 2) out |= ~src & dst;
  if (table & 1) out |= ~src & ~dst;
  return out & 0xFFFFFF;
}

// An 8-bit coverage mask over a rectangle of the canvas (0 = untouched, 255 = full); an
// empty alpha vector covers the whole rectangle.
struct CoverageMask {
  IntRect bounds;
  std::vector<uint8_t> alpha;  // bounds width × height, top row first
  int Stride() const { return bounds.right - bounds.left; }
};

// What paints the covered pixels: a solid colour, or a brush tiled from the canvas origin
// (hatches, patterns). A pixel a pattern leaves transparent is not touched.
struct PaintSource {
  enum class Kind { kSolid, kHatch, kPattern } kind = Kind::kSolid;
  uint32_t color = 0;       // 0x00RRGGBB: solid colour, hatch lines
  uint32_t background = 0;  // hatch gaps and mono pattern set bits
  bool opaqueBackground = true;
  uint32_t foreground = 0;  // mono pattern clear bits
  uint16_t hatch = 0;
  const PatternBitmap* pattern = nullptr;

  static PaintSource Solid(uint32_t rgb) { PaintSource s; s.color = rgb; return s; }
  // False when the pixel is left alone (a transparent hatch gap).
  bool ColorAt(int x, int y, uint32_t& rgb) const;
};

// Paints `source` through `mask` with `rop2`, restricted to `clip` (null: whole canvas).
// Partial coverage blends the result over the destination.
void Composite(Canvas& canvas, const CoverageMask& mask, const PaintSource& source, int rop2,
               const Region* clip);

// What Composite costs over `area` (canvas pixels), in work-budget units: every pixel is
// visited, and the `covered` ones (all when negative) are painted, a plain copy of one
// colour being the cheapest; every clip rectangle is visited once.
int64_t CompositeCost(const IntRect& area, const PaintSource& source, int rop2, const Region* clip,
                      int64_t covered = -1);

// The pixels a mask covers at all.
int64_t CoveredPixels(const CoverageMask& mask);

}  // namespace metafile
