// The raster-operation engine of the blit records: a source bitmap (or none) stretched
// onto a destination rectangle of the canvas, combined with the brush pattern and the
// destination through a ROP3 code, inside the clip. Work is done over the visible part of
// the destination only.
#pragma once

#include <cstdint>

#include "metafile/bitmap_image.h"
#include "metafile/canvas.h"
#include "metafile/region.h"

namespace metafile {

enum StretchMode : int16_t {
  kStretchBlackOnWhite = 1,  // shrinking ANDs the pixels that fall together
  kStretchWhiteOnBlack = 2,  // shrinking ORs them
  kStretchColorOnColor = 3,  // nearest pixel
  kStretchHalftone = 4,      // shrinking averages
};

// A span in one axis, as a start and a signed extent: a negative extent runs backwards
// from the start, and the start pixel is included (x = 10, extent -5 covers 6..10).
struct Span {
  int start = 0;
  int extent = 0;
};

struct BlitRequest {
  Span destX, destY;                   // canvas pixels
  const BitmapImage* source = nullptr;  // null: the operation uses no source
  Span srcX, srcY;                     // source pixels, top-left origin
  // The source's rows are stored bottom row first: GDI walks them, and so picks the rows
  // of a shrunk picture, from the bottom.
  bool bottomUpSource = false;
  uint8_t rop = 0xCC;
  int16_t stretchMode = kStretchBlackOnWhite;
  const PaintSource* pattern = nullptr;  // the brush; null paints a black pattern
  const Region* clip = nullptr;          // null: the whole canvas
};

// Source pixels outside the bitmap leave their destination pixels untouched, as do holes.
void Blit(Canvas& canvas, const BlitRequest& request);

}  // namespace metafile
