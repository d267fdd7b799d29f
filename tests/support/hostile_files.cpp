#include "hostile_files.h"

#include <zlib.h>

#include <algorithm>

namespace hostile {

namespace {

using wmfw::Bytes;
using wmfw::Rgb;
using wmfw::WmfWriter;

constexpr uint32_t kSrcCopy = 0x00CC0020;
constexpr int16_t kNullPen = 5;
constexpr int16_t kXorPen = 7;

int16_t Word(int v) { return int16_t(std::clamp(v, -32768, 32767)); }

Bytes Placeable(const WmfWriter& w, const Size& s) { return w.Placeable(0, 0, Word(s.width), Word(s.height), 96); }

void PutU32BigEndian(Bytes& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void PutChunk(Bytes& png, const char* type, const Bytes& data) {
  PutU32BigEndian(png, uint32_t(data.size()));
  Bytes body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  png.insert(png.end(), body.begin(), body.end());
  PutU32BigEndian(png, uint32_t(crc32(0, body.data(), uInt(body.size()))));
}

// Glyphs of one 4000-pixel font stacked on one spot by zero advances.
Bytes StackedGlyphs(const Size& s) {
  WmfWriter w;
  w.SetBkMode(1).SetTextAlign(0x18).CreateFont(int16_t(-std::max(1, s.piece)), "Arial").SelectObject(0);
  std::string text;
  for (char c = '!'; c <= '~'; ++c) text.push_back(c);
  const std::vector<int16_t> dx(text.size(), 0);
  for (int i = 0; i < s.repeats; ++i) w.ExtTextOut(Word(s.width / 4), Word(s.height * 3 / 4), 0, text, dx);
  return Placeable(w, s);
}

// A PNG of piece × piece pixels stretched over the canvas, again and again.
Bytes LargePngs(const Size& s) {
  wmfw::DibContent dib;
  dib.width = s.piece;
  dib.height = s.piece;
  dib.bitCount = 0;
  dib.compression = 5;
  dib.bits = FlatPng(s.piece);
  const Bytes packed = wmfw::PackedDib(dib);
  WmfWriter w;
  for (int i = 0; i < s.repeats; ++i) {
    w.StretchDib(0, 0, Word(s.width), Word(s.height), 0, 0, Word(s.piece), Word(s.piece), kSrcCopy, 0, packed);
  }
  return Placeable(w, s);
}

// A clip region of `piece` pixels along the canvas's diagonal; one-pixel lines across the
// whole canvas, each pixel of which is tested against them.
Bytes ClippedLines(const Size& s) {
  WmfWriter w;
  std::vector<std::vector<int16_t>> rects;
  for (int i = 0; i < s.piece; ++i) {
    const int x = int(int64_t(i) * s.width / s.piece), y = int(int64_t(i) * s.height / s.piece);
    rects.push_back({Word(x), Word(y), Word(x + 1), Word(y + 1)});
  }
  w.CreateRegion(rects).SelectClipRegion(0);
  for (int i = 0; i < s.repeats; ++i) {
    const int y = i % s.height;
    w.MoveTo(0, Word(y)).LineTo(Word(s.width - 1), Word(y));
  }
  return Placeable(w, s);
}

// Up and down the whole canvas height `piece` times: every edge crosses every row.
std::vector<wmfw::Point> Zigzag(const Size& s) {
  std::vector<wmfw::Point> points;
  for (int i = 0; i < s.piece; ++i) {
    points.push_back({Word(int(int64_t(i) * (s.width - 1) / std::max(1, s.piece - 1))), Word(i % 2 ? s.height - 1 : 0)});
  }
  return points;
}

Bytes ZigzagPolygons(const Size& s) {
  WmfWriter w;
  w.CreateBrush(0, Rgb(0, 0, 255)).SelectObject(0);
  const std::vector<wmfw::Point> points = Zigzag(s);
  for (int i = 0; i < s.repeats; ++i) w.Polygon(points);
  return Placeable(w, s);
}

// Dashed one-pixel outlines drawn with XOR, which goes through coverage masks.
Bytes DashedLines(const Size& s) {
  WmfWriter w;
  w.CreatePen(1, 0, Rgb(0, 0, 0)).SelectObject(0).SetRop2(kXorPen);
  const std::vector<wmfw::Point> points = Zigzag(s);
  for (int i = 0; i < s.repeats; ++i) w.Polyline(points);
  return Placeable(w, s);
}

Bytes WidePens(const Size& s) {
  WmfWriter w;
  w.CreatePen(0, 3, Rgb(0, 0, 0)).SelectObject(0);
  const std::vector<wmfw::Point> points = Zigzag(s);
  for (int i = 0; i < s.repeats; ++i) w.Polyline(points);
  return Placeable(w, s);
}

// Each fill turns the whole canvas from one colour to the other.
Bytes FloodFills(const Size& s) {
  WmfWriter w;
  w.CreateBrush(0, Rgb(255, 0, 0)).CreateBrush(0, Rgb(255, 255, 255));
  for (int i = 0; i < s.repeats; ++i) {
    const bool toRed = i % 2 == 0;
    w.SelectObject(toRed ? 0 : 1);
    w.ExtFloodFill(Word(s.width / 2), Word(s.height / 2), toRed ? Rgb(255, 255, 255) : Rgb(255, 0, 0), 1);
  }
  return Placeable(w, s);
}

Bytes PatternFills(const Size& s) {
  wmfw::DibContent dib;
  dib.width = 8;
  dib.height = 8;
  dib.bitCount = 24;
  std::vector<std::vector<uint32_t>> rows(8, std::vector<uint32_t>(8));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) rows[size_t(y)][size_t(x)] = uint32_t(x * 0x200000 + y * 0x2000);
  }
  dib.bits = wmfw::DibRows(rows, 24);
  WmfWriter w;
  w.CreatePen(kNullPen, 0, 0).SelectObject(0).DibCreatePatternBrush(5, 0, wmfw::PackedDib(dib)).SelectObject(1);
  for (int i = 0; i < s.repeats; ++i) w.Rectangle(0, 0, Word(s.width + 1), Word(s.height + 1));
  return Placeable(w, s);
}

Bytes XorFills(const Size& s) {
  WmfWriter w;
  w.CreatePen(kNullPen, 0, 0).SelectObject(0).CreateBrush(0, Rgb(0, 255, 0)).SelectObject(1).SetRop2(kXorPen);
  for (int i = 0; i < s.repeats; ++i) w.Rectangle(0, 0, Word(s.width + 1), Word(s.height + 1));
  return Placeable(w, s);
}

// Ellipses as wide as the canvas and one pixel high: many pixels walked, few painted.
Bytes FlatEllipses(const Size& s) {
  WmfWriter w;
  w.CreateBrush(1, 0).SelectObject(0);
  for (int i = 0; i < s.repeats; ++i) w.Ellipse(0, Word(s.height / 2), Word(s.width), Word(s.height / 2 + 2));
  return Placeable(w, s);
}

Bytes TinyFigures(const Size& s) {
  WmfWriter w;
  w.CreateBrush(0, Rgb(0, 255, 0)).SelectObject(0);
  for (int i = 0; i < s.repeats; ++i) w.Rectangle(1, 1, 4, 4);
  return Placeable(w, s);
}

Bytes SmallTexts(const Size& s) {
  WmfWriter w;
  w.CreateFont(-12, "Arial").SelectObject(0);
  for (int i = 0; i < s.repeats; ++i) w.TextOut(10, 10, "a");
  return Placeable(w, s);
}

// A new font size for every string, so no sized font is ever reused.
Bytes FontSizes(const Size& s) {
  WmfWriter w;
  for (int i = 0; i < s.repeats; ++i) {
    w.CreateFont(int16_t(-(6 + i % 400)), "Arial").SelectObject(0).TextOut(10, 10, "a").DeleteObject(0);
  }
  return Placeable(w, s);
}

std::vector<std::vector<int16_t>> ScatteredRects(const Size& s) {
  std::vector<std::vector<int16_t>> rects;
  const int columns = std::max(1, s.width / 4);
  for (int i = 0; i < s.piece; ++i) {
    const int x = (i % columns) * 4, y = (i / columns) * 4;
    rects.push_back({Word(x), Word(y), Word(x + 3), Word(y + 3)});
  }
  return rects;
}

Bytes RegionFrames(const Size& s) {
  WmfWriter w;
  w.CreateRegion(ScatteredRects(s)).CreateBrush(0, Rgb(0, 0, 0));
  for (int i = 0; i < s.repeats; ++i) w.FrameRegion(0, 1, 1, 1);
  return Placeable(w, s);
}

// Clip edits against a clip of many rectangles, each of which leaves the clip as it was.
Bytes ClipEdits(const Size& s) {
  WmfWriter w;
  w.CreateRegion(ScatteredRects(s)).SelectClipRegion(0);
  for (int i = 0; i < s.repeats; ++i) w.ExcludeClipRect(Word(s.width - 1), Word(s.height - 1), Word(s.width), Word(s.height));
  return Placeable(w, s);
}

// Regions of one scan of `piece` rectangles side by side, given from both ends inwards so
// that each added rectangle lies within the region's bounds and is compared with every
// one before it.
Bytes WideScanRegions(const Size& s) {
  std::vector<int16_t> scan = {int16_t(2 * s.piece), 0, Word(s.height)};
  for (int i = 0; i < s.piece; ++i) {
    const int column = i % 2 == 0 ? i / 2 : s.piece - 1 - i / 2;
    scan.push_back(Word(2 * column));
    scan.push_back(Word(2 * column + 1));
  }
  scan.push_back(int16_t(2 * s.piece));
  // Next-in-chain, type, object count (2 words), size, scan count, largest scan, bounds.
  std::vector<int16_t> words = {0, 6, 0, 0, Word(int(22 + 2 * scan.size())), 1, Word(int(scan.size())), 0, 0,
                                Word(2 * s.piece), Word(s.height)};
  words.insert(words.end(), scan.begin(), scan.end());
  WmfWriter w;
  for (int i = 0; i < s.repeats; ++i) w.Record(wmfw::kCreateRegion, words).DeleteObject(0);
  return Placeable(w, s);
}

// A small bitmap stretched over the whole canvas with XOR, pixel by pixel.
Bytes StretchedBlits(const Size& s) {
  wmfw::DibContent dib;
  dib.width = 2;
  dib.height = 2;
  dib.bitCount = 24;
  dib.bits = wmfw::DibRows({{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}}, 24);
  const Bytes packed = wmfw::PackedDib(dib);
  WmfWriter w;
  constexpr uint32_t kSrcInvert = 0x00660046;
  for (int i = 0; i < s.repeats; ++i) {
    w.StretchDib(0, 0, Word(s.width), Word(s.height), 0, 0, 2, 2, kSrcInvert, 0, packed);
  }
  return Placeable(w, s);
}

// An RLE8 bitmap of piece × piece pixels, shrunk onto one pixel by averaging.
Bytes ShrunkBlits(const Size& s) {
  Bytes bits;
  for (int y = 0; y < s.piece; ++y) {
    for (int x = 0; x < s.piece; x += 255) {
      bits.push_back(uint8_t(std::min(255, s.piece - x)));
      bits.push_back(uint8_t(y));
    }
    bits.push_back(0);
    bits.push_back(0);
  }
  bits.push_back(0);
  bits.push_back(1);
  wmfw::DibContent dib;
  dib.width = s.piece;
  dib.height = s.piece;
  dib.bitCount = 8;
  dib.compression = 1;
  for (uint32_t i = 0; i < 256; ++i) dib.colors.push_back(i * 0x010101);
  dib.bits = bits;
  const Bytes packed = wmfw::PackedDib(dib);
  WmfWriter w;
  w.SetStretchBltMode(4);
  for (int i = 0; i < s.repeats; ++i) w.StretchDib(0, 0, 1, 1, 0, 0, Word(s.piece), Word(s.piece), kSrcCopy, 0, packed);
  return Placeable(w, s);
}

}  // namespace

Bytes FlatPng(int side) {
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  PutU32BigEndian(header, uint32_t(side));
  PutU32BigEndian(header, uint32_t(side));
  header.insert(header.end(), {1, 0, 0, 0, 0});  // one-bit grey, deflate, no filter, no interlace
  PutChunk(png, "IHDR", header);
  const size_t rowBytes = 1 + (size_t(side) + 7) / 8;  // a filter byte, then the bits
  const Bytes raw(rowBytes * size_t(side), 0);
  uLongf packedSize = compressBound(uLong(raw.size()));
  Bytes packed(packedSize);
  compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), Z_BEST_COMPRESSION);
  packed.resize(packedSize);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});
  return png;
}

const std::vector<Kind>& Kinds() {
  static const std::vector<Kind> kinds = {
      {"stacked-glyphs", "4000-pixel glyphs stacked by zero advances", StackedGlyphs, {16384, 16384, 400, 4000}},
      {"large-pngs", "8192 x 8192 PNGs of 8 KB stretched over the canvas", LargePngs, {1000, 1000, 400, 8192}},
      {"clipped-lines", "one-pixel lines through a clip of 2048 rectangles", ClippedLines, {32767, 8192, 20000, 2048}},
      {"zigzag-polygons", "32,766-point polygons whose edges all cross every row", ZigzagPolygons,
       {16384, 16384, 100, 32766}},
      {"dashed-lines", "dashed XOR polylines zigzagging over the canvas", DashedLines, {16384, 16384, 100, 32766}},
      {"wide-pens", "three-pixel polylines zigzagging over the canvas", WidePens, {16384, 16384, 100, 32766}},
      {"flood-fills", "surface fills of the whole largest canvas", FloodFills, {16384, 16384, 2000, 0}},
      {"pattern-fills", "pattern-brush rectangles over the whole largest canvas", PatternFills, {16384, 16384, 2000, 0}},
      {"xor-fills", "XOR rectangles over the whole largest canvas", XorFills, {16384, 16384, 2000, 0}},
      {"flat-ellipses", "8192-pixel wide ellipses one pixel high", FlatEllipses, {8192, 100, 12000000, 0}},
      {"tiny-figures", "small filled rectangles, as many as fit in the input limit", TinyFigures,
       {100, 100, 12000000, 0}},
      {"small-texts", "one-character strings, as many as fit in the input limit", SmallTexts, {100, 100, 12000000, 0}},
      {"font-sizes", "one character in a new font size each time", FontSizes, {100, 100, 2000000, 0}},
      {"region-frames", "frames of a 256-rectangle region", RegionFrames, {1024, 1024, 18000000, 256}},
      {"clip-edits", "clip edits against a clip of 2048 rectangles", ClipEdits, {1024, 1024, 18000000, 2048}},
      {"wide-scan-regions", "regions of one scan of 2048 rectangles", WideScanRegions, {8192, 1024, 20000, 2048}},
      {"shrunk-blits", "8192 x 8192 RLE bitmaps averaged onto one pixel", ShrunkBlits, {1000, 1000, 400, 8192}},
      {"stretched-blits", "a 2 x 2 bitmap stretched over the whole largest canvas with XOR", StretchedBlits,
       {16384, 16384, 2000, 0}},
  };
  return kinds;
}

const Kind* FindKind(const std::string& name) {
  for (const Kind& kind : Kinds()) {
    if (name == kind.name) return &kind;
  }
  return nullptr;
}

}  // namespace hostile
