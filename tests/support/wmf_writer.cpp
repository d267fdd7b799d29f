#include "wmf_writer.h"

#include <algorithm>
#include <cstdio>

namespace wmfw {
namespace {

void PutU16(Bytes& out, uint16_t v) {
  out.push_back(uint8_t(v & 0xFF));
  out.push_back(uint8_t(v >> 8));
}

void PutU32(Bytes& out, uint32_t v) {
  PutU16(out, uint16_t(v & 0xFFFF));
  PutU16(out, uint16_t(v >> 16));
}

std::vector<int16_t> ColorWords(uint32_t color) {
  return {int16_t(color & 0xFFFF), int16_t(color >> 16)};
}

std::vector<int16_t> PointWords(const std::vector<Point>& points) {
  std::vector<int16_t> words;
  for (const auto& [x, y] : points) {
    words.push_back(x);
    words.push_back(y);
  }
  return words;
}

}  // namespace

WmfWriter& WmfWriter::Record(uint16_t function, const std::vector<int16_t>& words) {
  Bytes payload;
  for (int16_t w : words) PutU16(payload, uint16_t(w));
  return RecordBytes(function, payload);
}

WmfWriter& WmfWriter::RecordBytes(uint16_t function, const Bytes& payload) {
  const uint32_t sizeWords = uint32_t(3 + (payload.size() + 1) / 2);
  PutU32(records_, sizeWords);
  PutU16(records_, function);
  records_.insert(records_.end(), payload.begin(), payload.end());
  if (payload.size() % 2) records_.push_back(0);
  largestRecordWords_ = std::max(largestRecordWords_, sizeWords);
  ++recordCount_;
  return *this;
}

WmfWriter& WmfWriter::Raw(const Bytes& bytes) {
  records_.insert(records_.end(), bytes.begin(), bytes.end());
  return *this;
}

WmfWriter& WmfWriter::SetMapMode(int16_t mode) { return Record(kSetMapMode, {mode}); }
WmfWriter& WmfWriter::SetWindowOrg(int16_t x, int16_t y) { return Record(kSetWindowOrg, {y, x}); }
WmfWriter& WmfWriter::SetWindowExt(int16_t x, int16_t y) { return Record(kSetWindowExt, {y, x}); }
WmfWriter& WmfWriter::SetViewportOrg(int16_t x, int16_t y) { return Record(kSetViewportOrg, {y, x}); }
WmfWriter& WmfWriter::SetViewportExt(int16_t x, int16_t y) { return Record(kSetViewportExt, {y, x}); }
WmfWriter& WmfWriter::SetBkMode(int16_t mode) { return Record(kSetBkMode, {mode}); }
WmfWriter& WmfWriter::SetBkColor(uint32_t color) { return Record(kSetBkColor, ColorWords(color)); }
WmfWriter& WmfWriter::SetTextColor(uint32_t color) { return Record(kSetTextColor, ColorWords(color)); }
WmfWriter& WmfWriter::SetTextAlign(uint16_t align) { return Record(kSetTextAlign, {int16_t(align)}); }
WmfWriter& WmfWriter::SetPolyFillMode(int16_t mode) { return Record(kSetPolyFillMode, {mode}); }
WmfWriter& WmfWriter::SetRop2(int16_t rop) { return Record(kSetRop2, {rop}); }
WmfWriter& WmfWriter::SaveDC() { return Record(kSaveDC, {}); }
WmfWriter& WmfWriter::RestoreDC(int16_t which) { return Record(kRestoreDC, {which}); }

WmfWriter& WmfWriter::CreatePen(uint16_t style, int16_t width, uint32_t color) {
  ++objectCount_;
  auto c = ColorWords(color);
  return Record(kCreatePenIndirect, {int16_t(style), width, 0, c[0], c[1]});
}

WmfWriter& WmfWriter::CreateBrush(uint16_t style, uint32_t color, uint16_t hatch) {
  ++objectCount_;
  auto c = ColorWords(color);
  return Record(kCreateBrushIndirect, {int16_t(style), c[0], c[1], int16_t(hatch)});
}

WmfWriter& WmfWriter::CreateFont(int16_t height, const std::string& face, int16_t weight, bool italic,
                                 bool underline, bool strikeOut, uint8_t charset, int16_t escapement,
                                 int16_t width) {
  ++objectCount_;
  Bytes p;
  PutU16(p, uint16_t(height));
  PutU16(p, uint16_t(width));
  PutU16(p, uint16_t(escapement));
  PutU16(p, uint16_t(escapement));  // orientation
  PutU16(p, uint16_t(weight));
  p.push_back(italic ? 1 : 0);
  p.push_back(underline ? 1 : 0);
  p.push_back(strikeOut ? 1 : 0);
  p.push_back(charset);
  p.push_back(0);  // out precision
  p.push_back(0);  // clip precision
  p.push_back(0);  // quality
  p.push_back(0);  // pitch and family
  std::string name = face.substr(0, 31);
  p.insert(p.end(), name.begin(), name.end());
  p.push_back(0);
  return RecordBytes(kCreateFontIndirect, p);
}

WmfWriter& WmfWriter::SelectObject(uint16_t index) { return Record(kSelectObject, {int16_t(index)}); }
WmfWriter& WmfWriter::DeleteObject(uint16_t index) { return Record(kDeleteObject, {int16_t(index)}); }
WmfWriter& WmfWriter::MoveTo(int16_t x, int16_t y) { return Record(kMoveTo, {y, x}); }
WmfWriter& WmfWriter::LineTo(int16_t x, int16_t y) { return Record(kLineTo, {y, x}); }

WmfWriter& WmfWriter::Rectangle(int16_t left, int16_t top, int16_t right, int16_t bottom) {
  return Record(kRectangle, {bottom, right, top, left});
}

WmfWriter& WmfWriter::RoundRect(int16_t left, int16_t top, int16_t right, int16_t bottom, int16_t w,
                                int16_t h) {
  return Record(kRoundRect, {h, w, bottom, right, top, left});
}

WmfWriter& WmfWriter::Ellipse(int16_t left, int16_t top, int16_t right, int16_t bottom) {
  return Record(kEllipse, {bottom, right, top, left});
}

WmfWriter& WmfWriter::Arc(int16_t left, int16_t top, int16_t right, int16_t bottom, int16_t xStart,
                          int16_t yStart, int16_t xEnd, int16_t yEnd) {
  return Record(kArc, {yEnd, xEnd, yStart, xStart, bottom, right, top, left});
}

WmfWriter& WmfWriter::Pie(int16_t left, int16_t top, int16_t right, int16_t bottom, int16_t xStart,
                          int16_t yStart, int16_t xEnd, int16_t yEnd) {
  return Record(kPie, {yEnd, xEnd, yStart, xStart, bottom, right, top, left});
}

WmfWriter& WmfWriter::Chord(int16_t left, int16_t top, int16_t right, int16_t bottom, int16_t xStart,
                            int16_t yStart, int16_t xEnd, int16_t yEnd) {
  return Record(kChord, {yEnd, xEnd, yStart, xStart, bottom, right, top, left});
}

WmfWriter& WmfWriter::Polygon(const std::vector<Point>& points) {
  auto words = PointWords(points);
  words.insert(words.begin(), int16_t(points.size()));
  return Record(kPolygon, words);
}

WmfWriter& WmfWriter::Polyline(const std::vector<Point>& points) {
  auto words = PointWords(points);
  words.insert(words.begin(), int16_t(points.size()));
  return Record(kPolyline, words);
}

WmfWriter& WmfWriter::PolyPolygon(const std::vector<std::vector<Point>>& polygons) {
  std::vector<int16_t> words{int16_t(polygons.size())};
  for (const auto& polygon : polygons) words.push_back(int16_t(polygon.size()));
  for (const auto& polygon : polygons) {
    auto pw = PointWords(polygon);
    words.insert(words.end(), pw.begin(), pw.end());
  }
  return Record(kPolyPolygon, words);
}

WmfWriter& WmfWriter::SetPixel(int16_t x, int16_t y, uint32_t color) {
  auto c = ColorWords(color);
  return Record(kSetPixel, {c[0], c[1], y, x});
}

WmfWriter& WmfWriter::ExtFloodFill(int16_t x, int16_t y, uint32_t color, uint16_t mode) {
  auto c = ColorWords(color);
  return Record(kExtFloodFill, {int16_t(mode), c[0], c[1], y, x});
}

WmfWriter& WmfWriter::IntersectClipRect(int16_t left, int16_t top, int16_t right, int16_t bottom) {
  return Record(kIntersectClipRect, {bottom, right, top, left});
}

WmfWriter& WmfWriter::ExcludeClipRect(int16_t left, int16_t top, int16_t right, int16_t bottom) {
  return Record(kExcludeClipRect, {bottom, right, top, left});
}

WmfWriter& WmfWriter::CreateRegion(const std::vector<std::vector<int16_t>>& rects) {
  ++objectCount_;
  int16_t left = 0x7FFF, top = 0x7FFF, right = -0x7FFF, bottom = -0x7FFF;
  std::vector<int16_t> scans;
  for (const auto& r : rects) {
    if (r.size() != 4) continue;
    left = std::min(left, r[0]);
    top = std::min(top, r[1]);
    right = std::max(right, r[2]);
    bottom = std::max(bottom, r[3]);
    scans.insert(scans.end(), {2, r[1], r[3], r[0], r[2], 2});
  }
  const int16_t scanCount = int16_t(scans.size() / 6);
  std::vector<int16_t> words{0, 6, 0, 0, int16_t(22 + 2 * scans.size()), scanCount, 2,
                             left, top, right, bottom};
  words.insert(words.end(), scans.begin(), scans.end());
  return Record(kCreateRegion, words);
}

WmfWriter& WmfWriter::SelectClipRegion(uint16_t region) { return Record(kSelectClipRegion, {int16_t(region)}); }
WmfWriter& WmfWriter::FillRegion(uint16_t region, uint16_t brush) {
  return Record(kFillRegion, {int16_t(region), int16_t(brush)});
}
WmfWriter& WmfWriter::FrameRegion(uint16_t region, uint16_t brush, int16_t width, int16_t height) {
  return Record(kFrameRegion, {int16_t(region), int16_t(brush), height, width});
}
WmfWriter& WmfWriter::InvertRegion(uint16_t region) { return Record(kInvertRegion, {int16_t(region)}); }
WmfWriter& WmfWriter::PaintRegion(uint16_t region) { return Record(kPaintRegion, {int16_t(region)}); }

WmfWriter& WmfWriter::TextOut(int16_t x, int16_t y, const std::string& text) {
  Bytes p;
  PutU16(p, uint16_t(text.size()));
  p.insert(p.end(), text.begin(), text.end());
  if (text.size() % 2) p.push_back(0);
  PutU16(p, uint16_t(y));
  PutU16(p, uint16_t(x));
  return RecordBytes(kTextOut, p);
}

WmfWriter& WmfWriter::ExtTextOut(int16_t x, int16_t y, uint16_t options, const std::string& text,
                                 const std::vector<int16_t>& dx, const int16_t* rect) {
  Bytes p;
  PutU16(p, uint16_t(y));
  PutU16(p, uint16_t(x));
  PutU16(p, uint16_t(text.size()));
  PutU16(p, options);
  if (rect) {
    for (int i = 0; i < 4; ++i) PutU16(p, uint16_t(rect[i]));  // left, top, right, bottom
  }
  p.insert(p.end(), text.begin(), text.end());
  if (text.size() % 2) p.push_back(0);
  for (int16_t d : dx) PutU16(p, uint16_t(d));
  return RecordBytes(kExtTextOut, p);
}

Bytes WmfWriter::Plain() const {
  Bytes out;
  const uint32_t totalWords = uint32_t(9 + records_.size() / 2 + 3);
  PutU16(out, 1);       // memory metafile
  PutU16(out, 9);       // header size in words
  PutU16(out, 0x0300);  // version
  PutU32(out, totalWords);
  PutU16(out, objectCount_);
  PutU32(out, largestRecordWords_);
  PutU16(out, 0);
  out.insert(out.end(), records_.begin(), records_.end());
  PutU32(out, 3);
  PutU16(out, kEof);
  return out;
}

Bytes WmfWriter::Placeable(int16_t left, int16_t top, int16_t right, int16_t bottom,
                           uint16_t unitsPerInch) const {
  Bytes out;
  PutU32(out, 0x9AC6CDD7);
  PutU16(out, 0);
  PutU16(out, uint16_t(left));
  PutU16(out, uint16_t(top));
  PutU16(out, uint16_t(right));
  PutU16(out, uint16_t(bottom));
  PutU16(out, unitsPerInch);
  PutU32(out, 0);
  uint16_t checksum = 0;
  for (size_t i = 0; i < out.size(); i += 2) checksum ^= uint16_t(out[i] | (out[i + 1] << 8));
  PutU16(out, checksum);
  Bytes body = Plain();
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

namespace {

Bytes Words(const std::vector<int16_t>& words) {
  Bytes out;
  for (int16_t w : words) PutU16(out, uint16_t(w));
  return out;
}

Bytes Concat(Bytes head, const Bytes& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

std::vector<int16_t> RopWords(uint32_t rop) { return {int16_t(rop & 0xFFFF), int16_t(rop >> 16)}; }

Bytes PaletteEntries(uint16_t start, const std::vector<uint32_t>& colors) {
  Bytes p;
  PutU16(p, start);
  PutU16(p, uint16_t(colors.size()));
  for (uint32_t c : colors) {
    p.push_back(uint8_t(c & 0xFF));
    p.push_back(uint8_t((c >> 8) & 0xFF));
    p.push_back(uint8_t((c >> 16) & 0xFF));
    p.push_back(0);
  }
  return p;
}

}  // namespace

Bytes PackedDib(const DibContent& content) {
  Bytes out;
  if (content.coreHeader) {
    PutU32(out, 12);
    PutU16(out, uint16_t(content.width));
    PutU16(out, uint16_t(content.height));
    PutU16(out, 1);
    PutU16(out, content.bitCount);
  } else {
    PutU32(out, 40);
    PutU32(out, uint32_t(content.width));
    PutU32(out, uint32_t(content.height));
    PutU16(out, 1);
    PutU16(out, content.bitCount);
    PutU32(out, content.compression);
    PutU32(out, uint32_t(content.bits.size()));
    PutU32(out, 0);
    PutU32(out, 0);
    const size_t entries = content.paletteIndices.empty() ? content.colors.size() : content.paletteIndices.size();
    PutU32(out, uint32_t(entries));
    PutU32(out, 0);
    for (uint32_t m : content.masks) PutU32(out, m);
  }
  for (uint16_t index : content.paletteIndices) PutU16(out, index);
  for (uint32_t c : content.colors) {
    out.push_back(uint8_t(c & 0xFF));
    out.push_back(uint8_t((c >> 8) & 0xFF));
    out.push_back(uint8_t((c >> 16) & 0xFF));
    if (!content.coreHeader) out.push_back(0);
  }
  return Concat(out, content.bits);
}

Bytes DibRows(const std::vector<std::vector<uint32_t>>& topFirst, uint16_t bitCount, bool topDown) {
  Bytes out;
  const size_t rows = topFirst.size();
  for (size_t r = 0; r < rows; ++r) {
    const std::vector<uint32_t>& row = topFirst[topDown ? r : rows - 1 - r];
    Bytes packed((row.size() * bitCount + 31) / 32 * 4, 0);
    for (size_t x = 0; x < row.size(); ++x) {
      const uint32_t v = row[x];
      switch (bitCount) {
        case 1: packed[x / 8] |= uint8_t((v & 1) << (7 - x % 8)); break;
        case 4: packed[x / 2] |= uint8_t((v & 0xF) << (x % 2 ? 0 : 4)); break;
        case 8: packed[x] = uint8_t(v); break;
        case 16: packed[2 * x] = uint8_t(v), packed[2 * x + 1] = uint8_t(v >> 8); break;
        default:
          for (size_t b = 0; b < size_t(bitCount / 8); ++b) packed[x * (bitCount / 8) + b] = uint8_t(v >> (8 * b));
          break;
      }
    }
    out.insert(out.end(), packed.begin(), packed.end());
  }
  return out;
}

Bytes Bitmap16(int16_t width, int16_t height, uint8_t bitsPixel, const Bytes& rows) {
  const int16_t widthBytes = int16_t(height > 0 ? rows.size() / size_t(height) : 0);
  Bytes out = Words({0, width, height, widthBytes});
  out.push_back(1);
  out.push_back(bitsPixel);
  return Concat(out, rows);
}

WmfWriter& WmfWriter::SetStretchBltMode(int16_t mode) { return Record(kSetStretchBltMode, {mode}); }

WmfWriter& WmfWriter::PatBlt(int16_t x, int16_t y, int16_t w, int16_t h, uint32_t rop) {
  auto r = RopWords(rop);
  return Record(kPatBlt, {r[0], r[1], h, w, y, x});
}

WmfWriter& WmfWriter::DibBitBlt(int16_t x, int16_t y, int16_t w, int16_t h, int16_t xSrc, int16_t ySrc,
                                uint32_t rop, const Bytes& dib) {
  auto r = RopWords(rop);
  return RecordBytes(kDibBitBlt, Concat(Words({r[0], r[1], ySrc, xSrc, h, w, y, x}), dib));
}

WmfWriter& WmfWriter::DibStretchBlt(int16_t x, int16_t y, int16_t w, int16_t h, int16_t xSrc, int16_t ySrc,
                                    int16_t wSrc, int16_t hSrc, uint32_t rop, const Bytes& dib) {
  auto r = RopWords(rop);
  return RecordBytes(kDibStretchBlt, Concat(Words({r[0], r[1], hSrc, wSrc, ySrc, xSrc, h, w, y, x}), dib));
}

WmfWriter& WmfWriter::StretchDib(int16_t x, int16_t y, int16_t w, int16_t h, int16_t xSrc, int16_t ySrc,
                                 int16_t wSrc, int16_t hSrc, uint32_t rop, uint16_t usage, const Bytes& dib) {
  auto r = RopWords(rop);
  return RecordBytes(kStretchDib,
                     Concat(Words({r[0], r[1], int16_t(usage), hSrc, wSrc, ySrc, xSrc, h, w, y, x}), dib));
}

WmfWriter& WmfWriter::SetDibToDev(int16_t x, int16_t y, int16_t w, int16_t h, int16_t xSrc, int16_t ySrc,
                                  uint16_t startScan, uint16_t scans, uint16_t usage, const Bytes& dib) {
  return RecordBytes(kSetDibToDev, Concat(Words({int16_t(usage), int16_t(scans), int16_t(startScan), ySrc, xSrc,
                                                  h, w, y, x}),
                                           dib));
}

WmfWriter& WmfWriter::BitBlt(int16_t x, int16_t y, int16_t w, int16_t h, int16_t xSrc, int16_t ySrc, uint32_t rop,
                             const Bytes& bitmap16) {
  auto r = RopWords(rop);
  return RecordBytes(kBitBlt, Concat(Words({r[0], r[1], ySrc, xSrc, h, w, y, x}), bitmap16));
}

WmfWriter& WmfWriter::StretchBlt(int16_t x, int16_t y, int16_t w, int16_t h, int16_t xSrc, int16_t ySrc,
                                 int16_t wSrc, int16_t hSrc, uint32_t rop, const Bytes& bitmap16) {
  auto r = RopWords(rop);
  return RecordBytes(kStretchBlt, Concat(Words({r[0], r[1], hSrc, wSrc, ySrc, xSrc, h, w, y, x}), bitmap16));
}

WmfWriter& WmfWriter::DibCreatePatternBrush(uint16_t style, uint16_t usage, const Bytes& dib) {
  ++objectCount_;
  return RecordBytes(kDibCreatePatternBrush, Concat(Words({int16_t(style), int16_t(usage)}), dib));
}

WmfWriter& WmfWriter::CreatePatternBrush(const Bytes& bitmap16) {
  ++objectCount_;
  // The BITMAP16 header with its bits pointer, 18 reserved bytes, then the rows.
  Bytes payload(bitmap16.begin(), bitmap16.begin() + std::min<size_t>(10, bitmap16.size()));
  payload.resize(32, 0);
  if (bitmap16.size() > 10) payload.insert(payload.end(), bitmap16.begin() + 10, bitmap16.end());
  return RecordBytes(kCreatePatternBrush, payload);
}

WmfWriter& WmfWriter::CreatePalette(const std::vector<uint32_t>& colors) {
  ++objectCount_;
  return RecordBytes(kCreatePalette, PaletteEntries(0x0300, colors));
}

WmfWriter& WmfWriter::SelectPalette(uint16_t index) { return Record(kSelectPalette, {int16_t(index)}); }

WmfWriter& WmfWriter::SetPalEntries(uint16_t start, const std::vector<uint32_t>& colors) {
  return RecordBytes(kSetPalEntries, PaletteEntries(start, colors));
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace wmfw
