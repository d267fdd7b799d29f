// The work one playback may do. Every kind of work is paid for before it is done, in units
// of about a nanosecond of a 2-core build machine's time, so that the budget bounds the
// time of any file however it is built: once it is spent, playback stops and the picture
// keeps what was drawn so far. The costs below were measured on the hostile metafiles of
// the benchmark (bench/hostile_files.sh); real pictures use a small part of the budget.
#pragma once

#include <cstdint>

#include "metafile/metafile.h"

namespace metafile {

namespace cost {

// Every record played: reading it, its handler's fixed work.
constexpr int64_t kRecord = 40;
// A figure, a region fill or a blit: building its outline, masks and styles.
constexpr int64_t kFigure = 600;
// Per pixel of the canvas, allocated and filled white once: fresh memory is slow to touch.
constexpr int64_t kCanvasPixel = 4;
// Per pixel of a figure's bounding box, for each coverage mask built over it, and per byte
// a mask grows by (masks are reused from figure to figure; fresh memory is slow to touch).
constexpr int64_t kMaskPixel = 1;
constexpr int64_t kFreshMaskByte = 2;
// Per pixel painted: a plain copy of one colour; one colour through another ROP2; a hatch;
// a pattern bitmap; a flood fill's search; a blit's pixel through its ROP3.
constexpr int64_t kSolidPixel = 1;
constexpr int64_t kRopPixel = 3;
constexpr int64_t kHatchPixel = 3;
constexpr int64_t kPatternPixel = 10;
constexpr int64_t kFloodPixel = 5;
constexpr int64_t kBlitPixel = 3;
// Per source pixel a shrinking blit combines into its destination pixels.
constexpr int64_t kCombinedPixel = 1;
// Per pixel decoded from a bitmap record: plain or run-length bits, or a whole JPEG or PNG.
constexpr int64_t kDecodedPixel = 2;
constexpr int64_t kFileDecodedPixel = 5;
// The scan conversion of a polygon: per row it visits (keeping its list of edges), and per
// row an edge crosses for each doubling of the edges that cross a row together (their
// crossings are sorted on every row).
constexpr int64_t kPolygonRow = 24;
constexpr int64_t kEdgeRow = 1;
// Per pixel of a one-pixel line.
constexpr int64_t kLinePixel = 10;
// Per rectangle of the clip met by a painting; a line pixel's test against the clip's
// rectangles costs one unit per kClipTestsPerUnit rectangles.
constexpr int64_t kClipRect = 4;
constexpr int64_t kClipTestsPerUnit = 1;
// Per rectangle visited by a region operation (intersection, exclusion, mapping, framing),
// and per pair of rectangles compared while a region record is built.
constexpr int64_t kRegionRect = 10;
constexpr int64_t kRegionCompare = 2;
// A text record's fixed work: the font looked up, the string decoded and laid out.
constexpr int64_t kTextRecord = 1000;
// Per character laid out, and per glyph pixel rendered (its em square) or painted.
constexpr int64_t kCharacter = 60;
constexpr int64_t kGlyphRenderPixel = 2;
constexpr int64_t kGlyphPaintPixel = 3;

}  // namespace cost

class WorkBudget {
 public:
  static constexpr int64_t kDefaultUnits = kDefaultWorkUnits;

  explicit WorkBudget(int64_t units = kDefaultUnits) : left_(units) {}

  // Pays for work about to be done. False when the budget cannot pay for it: the budget is
  // then spent, and the work and everything after it are to be skipped.
  bool Spend(int64_t units) {
    if (left_ < 0) return false;
    left_ -= units < 0 ? 0 : units;
    return left_ >= 0;
  }
  bool Spent() const { return left_ < 0; }
  int64_t Left() const { return left_ < 0 ? 0 : left_; }

 private:
  int64_t left_;
};

}  // namespace metafile
