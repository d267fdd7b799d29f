// Blit records: PATBLT, the device-dependent BITBLT and STRETCHBLT (a BITMAP16 source),
// DIBBITBLT, DIBSTRETCHBLT, STRETCHDIB and SETDIBTODEV. The forms of the blit records
// without a bitmap are pattern blits: the ROP3 then uses the brush and the destination.
#include <algorithm>
#include <cstdlib>

#include "base/little_endian.h"
#include "metafile/bitmap16.h"
#include "metafile/bitmap_blit.h"
#include "metafile/bitmap_records.h"
#include "metafile/dib_decode.h"
#include "metafile/palette_colors.h"
#include "metafile/rop3.h"
#include "metafile/work_budget.h"

namespace metafile {

namespace {

enum : uint16_t {
  kPatBlt = 0x061D, kBitBlt = 0x0922, kStretchBlt = 0x0B23, kDibBitBlt = 0x0940, kDibStretchBlt = 0x0B41,
  kStretchDib = 0x0F43, kSetDibToDev = 0x0D33,
};

// Logical rectangles of one blit, and where the source bitmap starts in the record.
struct BlitRecord {
  uint32_t rop = 0;
  int xDest = 0, yDest = 0, destWidth = 0, destHeight = 0;
  int xSrc = 0, ySrc = 0, srcWidth = 0, srcHeight = 0;
  uint16_t usage = kDibRgbColors;
  size_t bitmapByte = 0;  // 0: no bitmap
  size_t maskTableEntryBytes = 0;  // see MaskDibAsPlayed; 0: the DIB is read as stored
};

// The record variant without a bitmap holds exactly as many words as the high byte of
// its function number says.
bool WithoutBitmap(const Record& r) { return r.ParamWords() <= size_t(r.Function() >> 8); }

// A destination span on the canvas from a logical start and extent.
void MapDest(const Player& p, const BlitRecord& b, Span& x, Span& y) {
  const DevicePoint a = p.Map(b.xDest, b.yDest);
  const DevicePoint c = p.Map(double(b.xDest) + b.destWidth, double(b.yDest) + b.destHeight);
  x = {RoundToPixel(a.x), RoundToPixel(c.x) - RoundToPixel(a.x)};
  y = {RoundToPixel(a.y), RoundToPixel(c.y) - RoundToPixel(a.y)};
}

// A span of rows given from the bottom of a bottom-up image, as a span from its top.
Span FromBottom(int start, int extent, int rows) {
  if (extent >= 0) return {rows - start - extent, extent};
  return {rows - start - 1, extent};
}

// No bitmap larger than kMaxDecodeCanvases canvases is decoded.
constexpr uint64_t kMaxDecodeCanvases = 4096;

uint64_t CanvasArea(const Player& p) {
  const IntRect c = p.CanvasBounds();
  return std::max<uint64_t>(1, uint64_t(c.right - c.left) * uint64_t(c.bottom - c.top));
}

// Decoding is paid for by the size a bitmap declares, before a pixel of it is decoded, so
// that a file of many small compressed records cannot make us decode without end. A whole
// JPEG or PNG file costs more per pixel than plain or run-length bits.
DecodeGate PaidDecoding(Player& p, bool wholeFile) {
  const uint64_t limit = std::min(kMaxBitmapPixels, CanvasArea(p) * kMaxDecodeCanvases);
  const int64_t perPixel = wholeFile ? cost::kFileDecodedPixel : cost::kDecodedPixel;
  return [&p, limit, perPixel](uint64_t pixels) {
    return pixels <= limit && p.backend.Charge(int64_t(pixels) * perPixel);
  };
}

bool IsWholeFile(const DibHeader& header) { return header.compression == kBiJpeg || header.compression == kBiPng; }

// A record left unused because the budget ran out is no bad record: playback stops there.
void NoteUnusable(Player& p) {
  if (!p.backend.BudgetSpent()) p.NoteBadRecord();
}

uint32_t Opaque(ColorRef c) { return kOpaquePixel | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

// Monochrome device-dependent bitmaps draw clear bits in the text colour and set bits
// in the background colour.
void ApplyDcColors(const Player& p, BitmapImage& image) {
  if (!image.monochromeDdb) return;
  const uint32_t fore = Opaque(p.ResolveColor(p.dc.textColor));
  const uint32_t back = Opaque(p.ResolveColor(p.dc.bkColor));
  for (uint32_t& px : image.pixels) px = (px & 0xFFFFFF) ? back : fore;
  image.monochromeDdb = false;
}

// The canvas pixels a pair of destination spans covers.
IntRect DestRect(const Span& x, const Span& y) {
  const int left = x.extent >= 0 ? x.start : x.start + x.extent + 1;
  const int top = y.extent >= 0 ? y.start : y.start + y.extent + 1;
  return {left, top, left + std::abs(x.extent), top + std::abs(y.extent)};
}

// The work of a blit over `visible`: every visible pixel, and the source pixels a shrinking
// blit combines into each (up to the source's own size on each axis).
int64_t BlitCost(const IntRect& visible, const Span& destX, const Span& destY, const BitmapImage* image,
                 const Span& srcX, const Span& srcY, const Region* clip) {
  const int64_t width = visible.right - visible.left, height = visible.bottom - visible.top;
  int64_t work = cost::kFigure + width * height * cost::kBlitPixel + (clip ? int64_t(clip->Rects().size()) : 0) * cost::kClipRect;
  if (image) {
    auto combined = [](int64_t visibleLength, int dest, int src, int bitmapSide) {
      const int64_t d = std::abs(int64_t(dest)), s = std::min<int64_t>(std::abs(int64_t(src)), bitmapSide);
      return d == 0 || s <= d ? visibleLength : visibleLength * s / d + 1;
    };
    work += combined(width, destX.extent, srcX.extent, image->width) *
            combined(height, destY.extent, srcY.extent, image->height) * cost::kCombinedPixel;
  }
  return work;
}

void Paint(Player& p, const Span& destX, const Span& destY, const BitmapImage* image, const Span& srcX,
           const Span& srcY, uint8_t rop, bool bottomUp = false) {
  Canvas* canvas = p.backend.RasterCanvas();
  if (!canvas) return;
  const DrawStyle style = p.Style();
  const IntRect visible = Intersect(DestRect(destX, destY), style.clip ? style.clip->Bounds() : canvas->Bounds());
  if (visible.Empty() || !p.backend.Charge(BlitCost(visible, destX, destY, image, srcX, srcY, style.clip))) return;
  // A null brush paints no pattern: pattern blits through it leave the picture alone, and
  // operations that also take a source see a black pattern.
  if (style.brush.style == kBrushNull && Rop3UsesPattern(rop) && !Rop3UsesSource(rop)) return;
  const PaintSource pattern = BrushSource(style.brush, style);
  BlitRequest q;
  q.destX = destX;
  q.destY = destY;
  q.source = image;
  q.srcX = srcX;
  q.srcY = srcY;
  q.bottomUpSource = bottomUp;
  q.rop = rop;
  q.stretchMode = p.dc.stretchBltMode;
  q.pattern = style.brush.style == kBrushNull ? nullptr : &pattern;
  q.clip = style.clip;
  Blit(*canvas, q);
}

void PaintPatternOnly(Player& p, const BlitRecord& b) {
  Span x, y;
  MapDest(p, b, x, y);
  const uint8_t rop = Rop3FromRecord(b.rop);
  if (Rop3UsesSource(rop)) return;  // a source operation without a source draws nothing
  Paint(p, x, y, nullptr, {}, {}, rop);
}

constexpr auto ReadU32 = base::ReadLe32;

// STRETCHDIB and DIBBITBLT drawing a monochrome DIB with any ROP but SRCCOPY (the mask
// half of a masked blit) are played by GDI with the two colours taken from the first
// bytes of the bits instead of the colour table; DIBBITBLT also looks for the bits
// after a table of 2-byte entries (palette-index sized), STRETCHDIB after the table
// its colour usage gives. Returns the DIB as GDI reads it: header, those two colours,
// those bits; empty when the rule does not apply.
std::vector<uint8_t> MaskDibAsPlayed(const uint8_t* data, size_t size, size_t tableEntryBytes) {
  constexpr size_t kInfoHeaderBytes = 40, kBitCountByte = 14, kColorsUsedByte = 32, kEntries = 2;
  if (size < kInfoHeaderBytes || ReadU32(data) != kInfoHeaderBytes) return {};
  if (base::ReadLe16(data + kBitCountByte) != 1) return {};
  const uint32_t used = ReadU32(data + kColorsUsedByte);
  const size_t entries = used == 0 || used > kEntries ? kEntries : used;
  const size_t bitsByte = kInfoHeaderBytes + entries * tableEntryBytes;
  if (bitsByte + kEntries * 4 > size) return {};
  std::vector<uint8_t> dib(data, data + kInfoHeaderBytes);
  dib[kColorsUsedByte] = uint8_t(kEntries);
  std::fill(dib.begin() + kColorsUsedByte + 1, dib.begin() + kColorsUsedByte + 4, uint8_t(0));
  dib.insert(dib.end(), data + bitsByte, data + bitsByte + kEntries * 4);
  dib.insert(dib.end(), data + bitsByte, data + size);
  return dib;
}

// Source rows of DIBs count from the bottom for bottom-up bitmaps.
void PaintDib(Player& p, const Record& r, const BlitRecord& b) {
  const uint8_t* data = r.BytesAt(b.bitmapByte, r.ParamBytes() - b.bitmapByte);
  DibHeader header;
  BitmapImage image;
  const std::vector<ColorRef>& palette = SelectedPaletteEntries(p.dc, p.objects);
  size_t size = r.ParamBytes() - b.bitmapByte;
  std::vector<uint8_t> asPlayed;
  if (data && b.maskTableEntryBytes && b.usage == kDibRgbColors && Rop3FromRecord(b.rop) != kRopSrcCopy) {
    asPlayed = MaskDibAsPlayed(data, size, b.maskTableEntryBytes);
    if (!asPlayed.empty()) data = asPlayed.data(), size = asPlayed.size();
  }
  if (!data || !ReadDibHeader(data, size, b.usage, header) ||
      !DecodeDib(data, size, b.usage, palette, image, 0, PaidDecoding(p, IsWholeFile(header)))) {
    NoteUnusable(p);
    return;
  }
  Span x, y;
  MapDest(p, b, x, y);
  const bool fromBottom = !header.TopDown() && header.compression != kBiJpeg && header.compression != kBiPng;
  const Span srcY = fromBottom ? FromBottom(b.ySrc, b.srcHeight, image.height) : Span{b.ySrc, b.srcHeight};
  Paint(p, x, y, &image, {b.xSrc, b.srcWidth}, srcY, Rop3FromRecord(b.rop), fromBottom);
}

void PaintBitmap16(Player& p, const Record& r, const BlitRecord& b) {
  const size_t size = r.ParamBytes() - b.bitmapByte;
  const uint8_t* data = r.BytesAt(b.bitmapByte, size);
  BitmapImage image;
  if (!data || !DecodeBitmap16(data, size, kBitmap16HeaderBytes, image, PaidDecoding(p, false))) {
    NoteUnusable(p);
    return;
  }
  ApplyDcColors(p, image);
  Span x, y;
  MapDest(p, b, x, y);
  Paint(p, x, y, &image, {b.xSrc, b.srcWidth}, {b.ySrc, b.srcHeight}, Rop3FromRecord(b.rop));
}

void PatBlt(Player& p, const Record& r) {
  if (!r.Has(6)) return;
  BlitRecord b;
  b.rop = r.U32(0);
  b.destHeight = r.S16(2), b.destWidth = r.S16(3), b.yDest = r.S16(4), b.xDest = r.S16(5);
  PaintPatternOnly(p, b);
}

// BITBLT and DIBBITBLT: rop, source y and x, height, width, destination y and x, bitmap.
// Without a bitmap a reserved word follows the source position.
bool ReadBitBlt(const Record& r, BlitRecord& b) {
  if (!r.Has(8)) return false;
  b.rop = r.U32(0);
  b.ySrc = r.S16(2), b.xSrc = r.S16(3);
  const size_t at = WithoutBitmap(r) ? 5 : 4;
  if (!r.Has(at + 4)) return false;
  b.destHeight = b.srcHeight = r.S16(at), b.destWidth = b.srcWidth = r.S16(at + 1);
  b.yDest = r.S16(at + 2), b.xDest = r.S16(at + 3);
  b.bitmapByte = WithoutBitmap(r) ? 0 : 16;
  return true;
}

// STRETCHBLT and DIBSTRETCHBLT: rop, source height, width, y, x, destination height,
// width, y, x, bitmap (or a reserved word before the destination without one).
bool ReadStretchBlt(const Record& r, BlitRecord& b) {
  if (!r.Has(10)) return false;
  b.rop = r.U32(0);
  b.srcHeight = r.S16(2), b.srcWidth = r.S16(3), b.ySrc = r.S16(4), b.xSrc = r.S16(5);
  const size_t at = WithoutBitmap(r) ? 7 : 6;
  if (!r.Has(at + 4)) return false;
  b.destHeight = r.S16(at), b.destWidth = r.S16(at + 1), b.yDest = r.S16(at + 2), b.xDest = r.S16(at + 3);
  b.bitmapByte = WithoutBitmap(r) ? 0 : 20;
  return true;
}

template <bool (*Read)(const Record&, BlitRecord&), bool Dib>
void BlitHandler(Player& p, const Record& r) {
  BlitRecord b;
  if (!Read(r, b)) {
    p.NoteBadRecord();
    return;
  }
  if (b.bitmapByte == 0 || !Rop3UsesSource(Rop3FromRecord(b.rop))) {
    PaintPatternOnly(p, b);
  } else if (Dib) {
    if (r.Function() == kDibBitBlt) b.maskTableEntryBytes = 2;
    PaintDib(p, r, b);
  } else {
    PaintBitmap16(p, r, b);
  }
}

// STRETCHDIB: rop, colour usage, source height, width, y, x, destination height, width,
// y, x, DIB.
void StretchDib(Player& p, const Record& r) {
  if (!r.Has(11)) {
    p.NoteBadRecord();
    return;
  }
  BlitRecord b;
  b.rop = r.U32(0);
  b.usage = r.U16(2);
  b.srcHeight = r.S16(3), b.srcWidth = r.S16(4), b.ySrc = r.S16(5), b.xSrc = r.S16(6);
  b.destHeight = r.S16(7), b.destWidth = r.S16(8), b.yDest = r.S16(9), b.xDest = r.S16(10);
  b.bitmapByte = 22;
  b.maskTableEntryBytes = 4;
  if (!Rop3UsesSource(Rop3FromRecord(b.rop))) {
    PaintPatternOnly(p, b);
    return;
  }
  PaintDib(p, r, b);
}

// SETDIBTODEV: colour usage, scan count, first scan, source y and x, height, width,
// destination y and x, DIB. Pixels are copied one to one from the mapped origin; the
// bits hold only the given scan lines (counted from the bottom).
void SetDibToDev(Player& p, const Record& r) {
  if (!r.Has(9)) {
    p.NoteBadRecord();
    return;
  }
  const uint16_t usage = r.U16(0);
  const int scans = r.U16(1), firstScan = r.U16(2);
  const int ySrc = r.S16(3), xSrc = r.S16(4), height = r.S16(5), width = r.S16(6);
  const int yDest = r.S16(7), xDest = r.S16(8);
  const size_t size = r.ParamBytes() - 18;
  const uint8_t* data = r.BytesAt(18, size);
  DibHeader header;
  BitmapImage image;
  const std::vector<ColorRef>& palette = SelectedPaletteEntries(p.dc, p.objects);
  if (!data || scans <= 0 || !ReadDibHeader(data, size, usage, header) ||
      !DecodeDib(data, size, usage, palette, image, scans, PaidDecoding(p, IsWholeFile(header)))) {
    NoteUnusable(p);
    return;
  }
  const DevicePoint origin = p.Map(xDest, yDest);
  const Span x{RoundToPixel(origin.x), width}, y{RoundToPixel(origin.y), height};
  const bool fromBottom = !header.TopDown() && header.compression != kBiJpeg && header.compression != kBiPng;
  const Span srcY = fromBottom ? FromBottom(ySrc - firstScan, height, image.height) : Span{ySrc, height};
  Paint(p, x, y, &image, {xSrc, width}, srcY, kRopSrcCopy, fromBottom);
}

}  // namespace

void RegisterBlitRecords(RecordTable& table) {
  table.Add(kPatBlt, PatBlt);
  table.Add(kBitBlt, BlitHandler<ReadBitBlt, false>);
  table.Add(kStretchBlt, BlitHandler<ReadStretchBlt, false>);
  table.Add(kDibBitBlt, BlitHandler<ReadBitBlt, true>);
  table.Add(kDibStretchBlt, BlitHandler<ReadStretchBlt, true>);
  table.Add(kStretchDib, StretchDib);
  table.Add(kSetDibToDev, SetDibToDev);
}

}  // namespace metafile
