// Writes the fuzzer's seed metafiles: small, valid files that together reach every family
// of records the player handles, so that mutation starts from meaningful structure.
//   fuzz_make_seeds FOLDER
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "wmf_writer.h"

namespace {

using wmfw::Bytes;
using wmfw::Rgb;
using wmfw::WmfWriter;

void PutU16(Bytes& out, uint16_t v) {
  out.push_back(uint8_t(v & 0xFF));
  out.push_back(uint8_t(v >> 8));
}

void PutU32(Bytes& out, uint32_t v) {
  PutU16(out, uint16_t(v & 0xFFFF));
  PutU16(out, uint16_t(v >> 16));
}

// A bottom-up DIB: BITMAPINFOHEADER, colour table for 1 and 8 bits, rows padded to 4 bytes.
Bytes Dib(int32_t width, int32_t height, uint16_t bits) {
  Bytes dib;
  const uint32_t colors = bits <= 8 ? (1u << bits) : 0;
  const uint32_t stride = ((uint32_t(width) * bits + 31) / 32) * 4;
  PutU32(dib, 40);
  PutU32(dib, uint32_t(width));
  PutU32(dib, uint32_t(height));
  PutU16(dib, 1);
  PutU16(dib, bits);
  PutU32(dib, 0);  // BI_RGB
  PutU32(dib, stride * uint32_t(height));
  PutU32(dib, 3780);
  PutU32(dib, 3780);
  PutU32(dib, colors);
  PutU32(dib, 0);
  for (uint32_t i = 0; i < colors; ++i) {
    const auto level = uint8_t(colors > 1 ? i * 255 / (colors - 1) : 0);
    dib.insert(dib.end(), {level, uint8_t(255 - level), uint8_t(i * 37), 0});
  }
  for (uint32_t i = 0; i < stride * uint32_t(height); ++i) dib.push_back(uint8_t(i * 53 + 17));
  return dib;
}

// Records written with RecordBytes do not count as objects for the writer: the header's
// object table size is set here instead.
Bytes WithObjectCount(Bytes file, uint16_t count) {
  constexpr size_t kObjectCountAt = 22 + 10;
  file[kObjectCountAt] = uint8_t(count & 0xFF);
  file[kObjectCountAt + 1] = uint8_t(count >> 8);
  return file;
}

Bytes Words(std::initializer_list<int> words) {
  Bytes out;
  for (int w : words) PutU16(out, uint16_t(w));
  return out;
}

Bytes Join(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A rectangular region with two scans.
Bytes Region() {
  Bytes r = Words({0, 6});
  PutU32(r, 0);                              // object count
  r = Join(r, Words({44, 2, 4}));            // size, scan count, largest scan
  r = Join(r, Words({10, 10, 90, 70}));      // bounds
  r = Join(r, Words({2, 10, 40, 10, 90, 2}));
  r = Join(r, Words({2, 40, 70, 30, 60, 2}));
  return r;
}

Bytes Shapes() {
  WmfWriter w;
  w.SetMapMode(8).SetWindowOrg(0, 0).SetWindowExt(200, 150);
  w.CreatePen(0, 3, Rgb(200, 0, 0)).SelectObject(0);
  w.CreateBrush(0, Rgb(0, 120, 255)).SelectObject(1);
  w.Rectangle(5, 5, 60, 40).RoundRect(70, 5, 130, 40, 15, 10).Ellipse(140, 5, 195, 40);
  w.Arc(5, 50, 60, 90, 60, 70, 5, 70).Pie(70, 50, 130, 90, 130, 50, 70, 50).Chord(140, 50, 195, 90, 195, 70, 140, 60);
  w.SetPolyFillMode(2).Polygon({{10, 100}, {50, 140}, {90, 100}, {10, 130}});
  w.SetPolyFillMode(1).PolyPolygon({{{100, 100}, {150, 100}, {150, 145}}, {{110, 105}, {140, 105}, {140, 140}}});
  w.Polyline({{155, 100}, {195, 145}, {160, 145}}).MoveTo(0, 149).LineTo(199, 0);
  return w.Placeable(0, 0, 200, 150, 96);
}

Bytes Text() {
  WmfWriter w;
  w.SetWindowOrg(0, 0).SetWindowExt(400, 200).SetBkMode(2).SetBkColor(Rgb(255, 255, 0));
  w.CreateFont(-24, "Arial").SelectObject(0).SetTextColor(Rgb(0, 0, 128)).TextOut(10, 10, "Hello");
  w.CreateFont(-20, "Symbol", 700, true, false, false, 2).SelectObject(1).TextOut(10, 50, "abgd");
  w.CreateFont(-18, "Times New Roman", 400, false, true, true, 0, 900).SelectObject(2).TextOut(300, 190, "Up");
  const int16_t clip[] = {10, 100, 200, 140};
  w.SelectObject(0).SetTextAlign(0x18).ExtTextOut(20, 130, 6, "Spaced", {14, 14, 14, 14, 14, 14}, clip);
  w.Record(wmfw::kSetTextCharExtra, {2}).Record(wmfw::kSetTextJustification, {1, 20});
  w.SetTextAlign(6).TextOut(390, 150, "right");
  w.CreateFont(-16, "MS Mincho", 400, false, false, false, 128).SelectObject(3).TextOut(200, 20, "\x82\xa0\x82\xa2");
  return w.Placeable(0, 0, 400, 200, 96);
}

Bytes Mapping() {
  WmfWriter w;
  w.SetMapMode(8).SetWindowOrg(-100, -100).SetWindowExt(2000, -1500);
  w.SetViewportOrg(10, 10).SetViewportExt(300, 200);
  w.Record(wmfw::kOffsetWindowOrg, {50, 50}).Record(wmfw::kScaleWindowExt, {1, 2, 3, 2});
  w.Record(wmfw::kScaleViewportExt, {2, 1, 1, 1}).Record(wmfw::kOffsetViewportOrg, {-5, -5});
  w.SaveDC().SetMapMode(1).Rectangle(0, 0, 500, 400).RestoreDC(-1);
  w.CreateBrush(2, Rgb(0, 128, 0), 3).SelectObject(0).Ellipse(0, 0, 1500, -1000);
  return w.Placeable(-200, -100, 1800, 1400, 1440);
}

Bytes Clipping() {
  WmfWriter w;
  w.SetWindowExt(100, 100).CreateBrush(0, Rgb(255, 0, 0)).SelectObject(0);
  w.SaveDC();
  w.Record(wmfw::kIntersectClipRect, {80, 80, 20, 20}).Record(wmfw::kExcludeClipRect, {60, 60, 40, 40});
  w.Record(wmfw::kOffsetClipRgn, {5, 5}).Rectangle(0, 0, 100, 100);
  w.RestoreDC(-1).Rectangle(0, 0, 10, 10);
  return w.Placeable(0, 0, 100, 100, 96);
}

constexpr uint32_t kSrcCopy = 0x00CC0020;
constexpr uint32_t kPatCopy = 0x00F00021;
constexpr uint32_t kSrcInvert = 0x00660046;

Bytes RasterOp(uint32_t rop) {
  Bytes out;
  PutU32(out, rop);
  return out;
}

Bytes Bitmaps() {
  WmfWriter w;
  w.SetWindowExt(120, 120).Record(wmfw::kSetStretchBltMode, {3});
  w.RecordBytes(wmfw::kStretchDib, Join(Join(RasterOp(kSrcCopy), Words({0, 3, 5, 0, 0, 40, 50, 5, 5})), Dib(5, 3, 24)));
  w.RecordBytes(wmfw::kDibStretchBlt, Join(Join(RasterOp(kSrcInvert), Words({4, 4, 0, 0, 30, 30, 60, 5})), Dib(4, 4, 1)));
  w.RecordBytes(wmfw::kDibBitBlt, Join(Join(RasterOp(kSrcCopy), Words({0, 0, 6, 6, 70, 70})), Dib(6, 6, 8)));
  w.RecordBytes(wmfw::kSetDibToDev, Join(Words({0, 2, 0, 0, 0, 2, 3, 100, 100}), Dib(3, 2, 24)));
  w.RecordBytes(wmfw::kDibBitBlt, Join(RasterOp(0x00000042), Words({0, 0, 0, 10, 10, 100, 5})));  // no bitmap: BLACKNESS
  w.RecordBytes(wmfw::kDibCreatePatternBrush, Join(Words({5, 0}), Dib(8, 8, 1)));
  w.SelectObject(0).RecordBytes(wmfw::kPatBlt, Join(RasterOp(kPatCopy), Words({20, 20, 90, 90})));
  return WithObjectCount(w.Placeable(0, 0, 120, 120, 96), 1);
}

Bytes RegionsAndPalette() {
  WmfWriter w;
  w.SetWindowExt(100, 80).CreateBrush(0, Rgb(0, 0, 255));  // object 0
  w.RecordBytes(wmfw::kCreateRegion, Region());            // object 1
  w.Record(wmfw::kFillRegion, {1, 0}).Record(wmfw::kFrameRegion, {1, 0, 3, 2});
  w.SelectObject(0).Record(wmfw::kPaintRegion, {1}).Record(wmfw::kInvertRegion, {1});
  w.Record(wmfw::kSelectClipRegion, {1}).Rectangle(0, 0, 100, 80);
  w.RecordBytes(wmfw::kCreatePalette, Join(Words({0x0300, 2}), Bytes{0, 0, 0, 255, 0, 255, 0, 0}));  // object 2
  w.Record(wmfw::kSelectPalette, {2}).Record(wmfw::kRealizePalette, {});
  w.CreateBrush(0, 0x01000001).SelectObject(3).Ellipse(20, 20, 80, 60);  // PALETTEINDEX(1)
  return WithObjectCount(w.Placeable(0, 0, 100, 80, 96), 4);
}

Bytes PensAndRops() {
  WmfWriter w;
  w.SetWindowExt(160, 100);
  for (uint16_t style = 0; style <= 5; ++style) {
    w.CreatePen(style, style == 0 ? 6 : 1, Rgb(uint8_t(style * 40), 0, 0)).SelectObject(0);
    w.MoveTo(5, int16_t(5 + style * 12)).LineTo(150, int16_t(5 + style * 12)).DeleteObject(0);
  }
  for (uint16_t hatch = 0; hatch <= 5; ++hatch) {
    w.CreateBrush(2, Rgb(0, 0, 0), hatch).SelectObject(0);
    w.SetRop2(int16_t(hatch * 3 + 1)).Rectangle(int16_t(5 + hatch * 25), 75, int16_t(28 + hatch * 25), 98);
    w.DeleteObject(0);
  }
  w.Record(wmfw::kSetPixel, {0, 255, 50, 80});
  w.Record(wmfw::kFloodFill, {0, 0, 50, 80}).Record(wmfw::kExtFloodFill, {1, 0, 0, 60, 90});
  return w.Placeable(0, 0, 160, 100, 96);
}

Bytes Escapes() {
  WmfWriter w;
  w.SetWindowExt(50, 50);
  w.RecordBytes(wmfw::kEscape, Join(Words({15, 8}), Bytes{'C', 'o', 'm', 'm', 'e', 'n', 't', 0}));
  w.RecordBytes(wmfw::kEscape, Join(Words({23, 4}), Words({0, 0})));  // SETMITERLIMIT-like
  w.RecordBytes(wmfw::kEscape, Join(Words({4096, 2}), Words({0})));   // BEGIN_PATH
  w.Rectangle(5, 5, 45, 45);
  w.RecordBytes(wmfw::kEscape, Join(Words({4097, 4}), Words({0, 0})));  // CLIP_TO_PATH
  w.RecordBytes(wmfw::kEscape, Join(Words({4098, 0}), {}));             // END_PATH
  w.Ellipse(0, 0, 50, 50);
  return w.Placeable(0, 0, 50, 50, 96);
}

// Odd but valid headers: the box away from the origin, few units per inch.
Bytes OffsetBox() {
  WmfWriter w;
  w.SetWindowOrg(-30, 20).SetWindowExt(60, 40).Rectangle(-30, 20, 30, 60);
  return w.Placeable(-30, 20, 30, 60, 72);
}

struct Seed {
  const char* name;
  std::function<Bytes()> make;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_make_seeds FOLDER\n");
    return 1;
  }
  const std::vector<Seed> seeds = {
      {"shapes", Shapes},       {"text", Text},           {"mapping", Mapping},
      {"clipping", Clipping},   {"bitmaps", Bitmaps},     {"regions_palette", RegionsAndPalette},
      {"pens_rops", PensAndRops}, {"escapes", Escapes},   {"offset_box", OffsetBox},
  };
  for (const Seed& seed : seeds) {
    const std::string path = std::string(argv[1]) + "/" + seed.name + ".wmf";
    if (!wmfw::WriteFile(path, seed.make())) {
      std::perror(path.c_str());
      return 1;
    }
  }
  return 0;
}
