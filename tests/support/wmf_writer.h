// A small writer of Windows metafiles, for tests, benchmarks and the bundled sample.
// Records are appended in call order; Placeable() wraps them in the 22-byte placeable
// header, the 18-byte metafile header and the end-of-file record.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace wmfw {

using Bytes = std::vector<uint8_t>;
using Point = std::pair<int16_t, int16_t>;

// COLORREF layout: 0x00BBGGRR.
constexpr uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16);
}

// Record function numbers used by the convenience calls below.
enum Function : uint16_t {
  kEof = 0x0000, kSaveDC = 0x001E, kRealizePalette = 0x0035,
  kSetBkMode = 0x0102, kSetMapMode = 0x0103, kSetRop2 = 0x0104, kSetPolyFillMode = 0x0106,
  kSetStretchBltMode = 0x0107, kSetTextCharExtra = 0x0108, kRestoreDC = 0x0127,
  kInvertRegion = 0x012A, kPaintRegion = 0x012B, kSelectClipRegion = 0x012C, kSelectObject = 0x012D,
  kSetTextAlign = 0x012E, kDibCreatePatternBrush = 0x0142, kDeleteObject = 0x01F0,
  kSetBkColor = 0x0201, kSetTextColor = 0x0209, kSetTextJustification = 0x020A,
  kSetWindowOrg = 0x020B, kSetWindowExt = 0x020C, kSetViewportOrg = 0x020D, kSetViewportExt = 0x020E,
  kOffsetWindowOrg = 0x020F, kOffsetViewportOrg = 0x0211, kLineTo = 0x0213, kMoveTo = 0x0214,
  kOffsetClipRgn = 0x0220, kFillRegion = 0x0228, kSelectPalette = 0x0234,
  kCreatePenIndirect = 0x02FA, kCreateFontIndirect = 0x02FB, kCreateBrushIndirect = 0x02FC,
  kPolygon = 0x0324, kPolyline = 0x0325, kScaleWindowExt = 0x0410, kScaleViewportExt = 0x0412,
  kExcludeClipRect = 0x0415, kIntersectClipRect = 0x0416, kEllipse = 0x0418, kFloodFill = 0x0419,
  kRectangle = 0x041B, kSetPixel = 0x041F, kFrameRegion = 0x0429, kTextOut = 0x0521,
  kPolyPolygon = 0x0538, kExtFloodFill = 0x0548, kRoundRect = 0x061C, kPatBlt = 0x061D,
  kEscape = 0x0626, kCreateRegion = 0x06FF, kArc = 0x0817, kPie = 0x081A, kChord = 0x0830,
  kBitBlt = 0x0922, kDibBitBlt = 0x0940, kExtTextOut = 0x0A32, kStretchBlt = 0x0B23,
  kDibStretchBlt = 0x0B41, kSetDibToDev = 0x0D33, kStretchDib = 0x0F43, kCreatePalette = 0x00F7,
  kCreatePatternBrush = 0x01F9, kSetPalEntries = 0x0037,
};

// Device-independent bitmaps as the bitmap records carry them: header, colour table, bits.
struct DibContent {
  int32_t width = 0;
  int32_t height = 0;  // negative: top row stored first
  uint16_t bitCount = 24;
  uint32_t compression = 0;              // 0 RGB, 1 RLE8, 2 RLE4, 3 bit fields, 4 JPEG, 5 PNG
  std::vector<uint32_t> colors;          // colour table as 0x00RRGGBB
  std::vector<uint16_t> paletteIndices;  // or, for DIB_PAL_COLORS, palette indices
  std::vector<uint32_t> masks;           // bit-field masks written after the header
  Bytes bits;
  bool coreHeader = false;  // the 12-byte header with 3-byte colour entries
};
Bytes PackedDib(const DibContent& content);

// Pixel values of rows given top row first (palette indices, 16-bit values or
// 0x00RRGGBB colours), packed as DIB rows of `bitCount` bits padded to four bytes, in
// the order a DIB of that orientation stores them.
Bytes DibRows(const std::vector<std::vector<uint32_t>>& topFirst, uint16_t bitCount, bool topDown = false);

// A device-dependent bitmap (BITMAP16 header and rows of `widthBytes`, top row first).
Bytes Bitmap16(int16_t width, int16_t height, uint8_t bitsPixel, const Bytes& rows);

class WmfWriter {
 public:
  // Any record: the parameter words in file order (WMF stores most coordinates y before x,
  // last argument first; the convenience calls below take them in natural order).
  WmfWriter& Record(uint16_t function, const std::vector<int16_t>& words);
  // A record whose parameters are raw bytes (padded to a whole number of words).
  WmfWriter& RecordBytes(uint16_t function, const Bytes& payload);
  // Bytes appended exactly as given, for malformed records.
  WmfWriter& Raw(const Bytes& bytes);

  // Device context.
  WmfWriter& SetMapMode(int16_t mode);
  WmfWriter& SetWindowOrg(int16_t x, int16_t y);
  WmfWriter& SetWindowExt(int16_t x, int16_t y);
  WmfWriter& SetViewportOrg(int16_t x, int16_t y);
  WmfWriter& SetViewportExt(int16_t x, int16_t y);
  WmfWriter& SetBkMode(int16_t mode);  // 1 transparent, 2 opaque
  WmfWriter& SetBkColor(uint32_t color);
  WmfWriter& SetTextColor(uint32_t color);
  WmfWriter& SetTextAlign(uint16_t align);
  WmfWriter& SetPolyFillMode(int16_t mode);  // 1 alternate, 2 winding
  WmfWriter& SetRop2(int16_t rop);
  WmfWriter& SaveDC();
  WmfWriter& RestoreDC(int16_t which);

  // Objects. Each Create* takes the lowest free slot of the object table.
  WmfWriter& CreatePen(uint16_t style, int16_t width, uint32_t color);
  WmfWriter& CreateBrush(uint16_t style, uint32_t color, uint16_t hatch = 0);
  WmfWriter& CreateFont(int16_t height, const std::string& face, int16_t weight = 400,
                        bool italic = false, bool underline = false, bool strikeOut = false,
                        uint8_t charset = 0, int16_t escapement = 0, int16_t width = 0);
  WmfWriter& SelectObject(uint16_t index);
  WmfWriter& DeleteObject(uint16_t index);

  // Clipping and regions. A region is given as rectangles (left, top, right, bottom), one
  // scan each; they should not overlap.
  WmfWriter& IntersectClipRect(int16_t left, int16_t top, int16_t right, int16_t bottom);
  WmfWriter& ExcludeClipRect(int16_t left, int16_t top, int16_t right, int16_t bottom);
  WmfWriter& CreateRegion(const std::vector<std::vector<int16_t>>& rects);
  WmfWriter& SelectClipRegion(uint16_t region);
  WmfWriter& FillRegion(uint16_t region, uint16_t brush);
  WmfWriter& FrameRegion(uint16_t region, uint16_t brush, int16_t width, int16_t height);
  WmfWriter& InvertRegion(uint16_t region);
  WmfWriter& PaintRegion(uint16_t region);

  // Drawing.
  WmfWriter& MoveTo(int16_t x, int16_t y);
  WmfWriter& LineTo(int16_t x, int16_t y);
  WmfWriter& Rectangle(int16_t left, int16_t top, int16_t right, int16_t bottom);
  WmfWriter& RoundRect(int16_t left, int16_t top, int16_t right, int16_t bottom, int16_t w, int16_t h);
  WmfWriter& Ellipse(int16_t left, int16_t top, int16_t right, int16_t bottom);
  WmfWriter& Arc(int16_t left, int16_t top, int16_t right, int16_t bottom,
                 int16_t xStart, int16_t yStart, int16_t xEnd, int16_t yEnd);
  WmfWriter& Pie(int16_t left, int16_t top, int16_t right, int16_t bottom,
                 int16_t xStart, int16_t yStart, int16_t xEnd, int16_t yEnd);
  WmfWriter& Chord(int16_t left, int16_t top, int16_t right, int16_t bottom,
                   int16_t xStart, int16_t yStart, int16_t xEnd, int16_t yEnd);
  WmfWriter& Polygon(const std::vector<Point>& points);
  WmfWriter& Polyline(const std::vector<Point>& points);
  WmfWriter& PolyPolygon(const std::vector<std::vector<Point>>& polygons);
  WmfWriter& SetPixel(int16_t x, int16_t y, uint32_t color);
  WmfWriter& ExtFloodFill(int16_t x, int16_t y, uint32_t color, uint16_t mode);  // 0 border, 1 surface
  WmfWriter& TextOut(int16_t x, int16_t y, const std::string& text);
  WmfWriter& ExtTextOut(int16_t x, int16_t y, uint16_t options, const std::string& text,
                        const std::vector<int16_t>& dx = {}, const int16_t* rect = nullptr);

  // Bitmaps and raster operations. Rectangles are x, y, width, height; `rop` is the 32-bit
  // raster operation (e.g. 0x00CC0020 for SRCCOPY).
  WmfWriter& SetStretchBltMode(int16_t mode);
  WmfWriter& PatBlt(int16_t x, int16_t y, int16_t w, int16_t h, uint32_t rop);
  WmfWriter& DibBitBlt(int16_t x, int16_t y, int16_t w, int16_t h, int16_t xSrc, int16_t ySrc, uint32_t rop,
                       const Bytes& dib);
  WmfWriter& DibStretchBlt(int16_t x, int16_t y, int16_t w, int16_t h, int16_t xSrc, int16_t ySrc, int16_t wSrc,
                           int16_t hSrc, uint32_t rop, const Bytes& dib);
  WmfWriter& StretchDib(int16_t x, int16_t y, int16_t w, int16_t h, int16_t xSrc, int16_t ySrc, int16_t wSrc,
                        int16_t hSrc, uint32_t rop, uint16_t usage, const Bytes& dib);
  WmfWriter& SetDibToDev(int16_t x, int16_t y, int16_t w, int16_t h, int16_t xSrc, int16_t ySrc, uint16_t startScan,
                         uint16_t scans, uint16_t usage, const Bytes& dib);
  WmfWriter& BitBlt(int16_t x, int16_t y, int16_t w, int16_t h, int16_t xSrc, int16_t ySrc, uint32_t rop,
                    const Bytes& bitmap16);
  WmfWriter& StretchBlt(int16_t x, int16_t y, int16_t w, int16_t h, int16_t xSrc, int16_t ySrc, int16_t wSrc,
                        int16_t hSrc, uint32_t rop, const Bytes& bitmap16);
  WmfWriter& DibCreatePatternBrush(uint16_t style, uint16_t usage, const Bytes& dib);
  WmfWriter& CreatePatternBrush(const Bytes& bitmap16);
  WmfWriter& CreatePalette(const std::vector<uint32_t>& colors);  // COLORREFs
  WmfWriter& SelectPalette(uint16_t index);
  WmfWriter& SetPalEntries(uint16_t start, const std::vector<uint32_t>& colors);

  // The records so far as a placeable metafile: header box in metafile units, units per inch.
  Bytes Placeable(int16_t left, int16_t top, int16_t right, int16_t bottom, uint16_t unitsPerInch) const;
  // The records so far as a metafile without the placeable header.
  Bytes Plain() const;

  size_t RecordCount() const { return recordCount_; }

 private:
  Bytes records_;
  uint32_t largestRecordWords_ = 3;
  uint16_t objectCount_ = 0;
  size_t recordCount_ = 0;
};

// Writes bytes to a file; false on failure.
bool WriteFile(const std::string& path, const Bytes& bytes);

}  // namespace wmfw
