// One-pixel lines as GDI draws them: each segment from its start pixel up to, not
// including, its end pixel, with the cosmetic dash patterns running on across segments.
#pragma once

#include <cstdint>
#include <vector>

#include "metafile/canvas.h"
#include "metafile/mapping.h"
#include "metafile/region.h"

namespace metafile {

// Dash pattern state for one figure; the pattern restarts with every new figure.
class LineStyler {
 public:
  explicit LineStyler(uint16_t penStyle);
  // True when the next pixel is drawn in the pen colour, false for a gap; advances.
  bool Next();
  void Skip(int64_t count);
  bool Solid() const { return lengths_.empty(); }

 private:
  std::vector<int> lengths_;  // alternating on, off runs; empty means solid
  size_t index_ = 0;
  int left_ = 0;
};

// Receives the pixels of a line: `on` for the pen colour, off for a dash gap.
class PixelSink {
 public:
  virtual ~PixelSink() = default;
  virtual void Put(int x, int y, bool on) = 0;
};

// Walks a segment, handing the pixels inside `limit` to `sink`; pixels outside it only
// advance the dash pattern.
void WalkCosmeticSegment(int x0, int y0, int x1, int y1, LineStyler& styler, const IntRect& limit, PixelSink& sink);

// The pixels of a segment that can lie in `limit`: the work of walking it there.
int64_t SegmentPixels(int x0, int y0, int x1, int y1, const IntRect& limit);
// The same summed over a polyline's segments, its points rounded to whole pixels.
int64_t LinePixels(const std::vector<DevicePoint>& points, bool closed, const IntRect& limit);

// Marks the pixels of a segment in `pen` (and the gaps in `gap`), masks over the same bounds.
void DrawCosmeticSegment(int x0, int y0, int x1, int y1, LineStyler& styler, CoverageMask& pen,
                         CoverageMask& gap);

}  // namespace metafile
