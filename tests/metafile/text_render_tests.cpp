// Text as drawn into pixels: where strings land for each alignment, rotation, opaque cells
// and rectangles, clipping, dx advances, spacing records and the font size through the
// mapping. Pictures are 300 × 150 at one pixel per unit unless a test maps otherwise.
#include <gtest/gtest.h>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>

#include "metafile/font_config.h"
#include "metafile/region.h"
#include "render_helpers.h"

namespace {

using namespace metafile_test;
using metafile::IntRect;
using wmfw::Rgb;
using wmfw::WmfWriter;

enum : uint16_t { kTaUpdateCp = 1, kTaRight = 2, kTaCenter = 6, kTaBottom = 8, kTaBaseline = 24 };
enum : uint16_t { kEtoOpaque = 2, kEtoClipped = 4 };

metafile::Picture Draw(const WmfWriter& w) { return Render(w.Placeable(0, 0, 300, 150, 96)); }

// Arial with an em of `height` pixels in slot 0, selected.
WmfWriter WithFont(int16_t height, int16_t escapement = 0, int16_t width = 0, bool underline = false,
                   bool strikeOut = false) {
  WmfWriter w;
  w.SetBkMode(1);
  w.CreateFont(height, "Arial", 400, false, underline, strikeOut, 0, escapement, width).SelectObject(0);
  return w;
}

bool IsInk(uint32_t rgb, uint32_t against = kWhite) {
  const int dr = std::abs(int(rgb >> 16) - int(against >> 16));
  const int dg = std::abs(int((rgb >> 8) & 0xFF) - int((against >> 8) & 0xFF));
  const int db = std::abs(int(rgb & 0xFF) - int(against & 0xFF));
  return std::max({dr, dg, db}) > 96;
}

// The smallest rectangle holding every pixel that differs clearly from `against`
// (right and bottom exclusive); empty when there is none.
IntRect InkBounds(const metafile::Picture& p, uint32_t against = kWhite) {
  IntRect r{p.width, p.height, 0, 0};
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      if (!IsInk(At(p, x, y), against)) continue;
      r.left = std::min(r.left, x);
      r.top = std::min(r.top, y);
      r.right = std::max(r.right, x + 1);
      r.bottom = std::max(r.bottom, y + 1);
    }
  }
  return r;
}

int InkCount(const metafile::Picture& p, int left, int top, int right, int bottom) {
  int n = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) n += IsInk(At(p, x, y));
  }
  return n;
}

TEST(TextPlacement, TopLeftPutsTheCellBelowAndRightOfThePoint) {
  WmfWriter w = WithFont(-20);
  w.TextOut(40, 30, "Hello");
  const IntRect ink = InkBounds(Draw(w));
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.left, 40);
  EXPECT_LE(ink.left, 43);
  EXPECT_GE(ink.top, 30);
  EXPECT_LE(ink.top, 36);        // cap height sits a few pixels under the ascent
  EXPECT_LE(ink.bottom, 30 + 22);  // the cell: ascent 18 + descent 4
  EXPECT_GT(ink.right - ink.left, 35);
  EXPECT_LT(ink.right - ink.left, 60);
}

TEST(TextPlacement, BaselineAndBottomPutTheTextAboveThePoint) {
  WmfWriter baseline = WithFont(-20);
  baseline.SetTextAlign(kTaBaseline).TextOut(40, 80, "HEH");
  const IntRect a = InkBounds(Draw(baseline));
  EXPECT_EQ(a.bottom, 80);  // capitals stand on the baseline
  EXPECT_GE(a.top, 80 - 16);

  WmfWriter bottom = WithFont(-20);
  bottom.SetTextAlign(kTaBottom).TextOut(40, 80, "HEH");
  const IntRect b = InkBounds(Draw(bottom));
  EXPECT_EQ(b.bottom, 80 - 4);  // the descent lies under the baseline
}

TEST(TextPlacement, CentreAndRightAlignOnTheStringsAdvance) {
  WmfWriter centre = WithFont(-20);
  centre.SetTextAlign(kTaCenter | kTaBaseline).TextOut(150, 80, "HEHEH");
  const IntRect c = InkBounds(Draw(centre));
  EXPECT_NEAR((c.left + c.right) / 2.0, 150, 2.5);

  WmfWriter right = WithFont(-20);
  right.SetTextAlign(kTaRight | kTaBaseline).TextOut(150, 80, "HEHEH");
  const IntRect r = InkBounds(Draw(right));
  EXPECT_LE(r.right, 150);
  EXPECT_GE(r.right, 146);
}

TEST(TextPlacement, EscapementNinetyDegreesRunsUpwards) {
  WmfWriter w = WithFont(-20, 900);
  w.SetTextAlign(kTaBaseline).TextOut(100, 120, "Vertical");
  const IntRect ink = InkBounds(Draw(w));
  ASSERT_FALSE(ink.Empty());
  EXPECT_GT(ink.bottom - ink.top, 3 * (ink.right - ink.left));
  EXPECT_LE(ink.bottom, 121);
  EXPECT_LT(ink.top, 120 - 50);
  EXPECT_LE(ink.right, 101);  // the glyphs' tops face left, the baseline is x = 100
}

TEST(TextPlacement, UpdateCpContinuesWhereTheLastStringEnded) {
  WmfWriter once = WithFont(-20);
  once.SetTextAlign(kTaBaseline).TextOut(20, 80, "ABCD");
  WmfWriter twice = WithFont(-20);
  twice.SetTextAlign(kTaBaseline | kTaUpdateCp).MoveTo(20, 80).TextOut(0, 0, "AB").TextOut(0, 0, "CD");
  const auto a = Draw(once);
  const auto b = Draw(twice);
  EXPECT_EQ(a.pixels, b.pixels);
}

TEST(TextBackground, OpaqueModeFillsTheCell) {
  WmfWriter w = WithFont(-20);
  w.SetBkMode(2).SetBkColor(Rgb(255, 0, 0)).TextOut(40, 30, "Hi");
  const auto p = Draw(w);
  EXPECT_EQ(At(p, 40, 30), kRed);  // the cell's top-left corner
  EXPECT_EQ(At(p, 40, 30 + 21), kRed);
  EXPECT_EQ(At(p, 39, 30), kWhite);
  EXPECT_EQ(At(p, 40, 29), kWhite);
  EXPECT_EQ(At(p, 40, 30 + 22), kWhite);
  EXPECT_GT(Count(p, kRed), 10 * 22);  // all of the cell the glyphs leave

  WmfWriter transparent = WithFont(-20);
  transparent.SetBkColor(Rgb(255, 0, 0)).TextOut(40, 30, "Hi");
  EXPECT_EQ(Count(Draw(transparent), kRed), 0);
}

TEST(TextBackground, OpaqueRectangleIsFilledWhateverTheMode) {
  WmfWriter w = WithFont(-20);
  const int16_t rect[4] = {10, 10, 60, 40};
  w.SetBkColor(Rgb(0, 255, 0)).ExtTextOut(100, 100, kEtoOpaque, "x", {}, rect);
  const auto p = Draw(w);
  EXPECT_EQ(Count(p, kGreen, 10, 10, 60, 40), 50 * 30);
  EXPECT_EQ(Count(p, kGreen), 50 * 30);
}

TEST(TextClipping, ClippedOptionKeepsGlyphsInsideTheRectangle) {
  const int16_t rect[4] = {40, 20, 80, 60};
  WmfWriter clipped = WithFont(-30);
  clipped.ExtTextOut(40, 20, kEtoClipped, "WWWWWW", {}, rect);
  const auto a = Draw(clipped);
  EXPECT_GT(InkCount(a, 40, 20, 80, 60), 50);
  EXPECT_EQ(InkCount(a, 80, 0, 300, 150), 0);

  WmfWriter free = WithFont(-30);
  free.ExtTextOut(40, 20, 0, "WWWWWW");
  EXPECT_GT(InkCount(Draw(free), 80, 0, 300, 150), 50);
}

TEST(TextSpacing, DxAdvancesSpreadTheGlyphs) {
  WmfWriter w = WithFont(-20);
  w.ExtTextOut(20, 20, 0, "II", {100, 0});
  const auto p = Draw(w);
  EXPECT_GT(InkCount(p, 20, 20, 30, 50), 10);
  EXPECT_EQ(InkCount(p, 30, 0, 118, 150), 0);
  EXPECT_GT(InkCount(p, 120, 20, 130, 50), 10);
}

TEST(TextSpacing, DxValuesScaleWithTheMapping) {
  // Logical units of half a pixel: dx 200 is 100 pixels.
  WmfWriter w;
  w.SetMapMode(8).SetWindowExt(600, 300).SetViewportExt(300, 150);
  w.SetBkMode(1).CreateFont(-40, "Arial").SelectObject(0);
  w.ExtTextOut(40, 40, 0, "II", {200, 0});
  const auto p = Draw(w);
  EXPECT_GT(InkCount(p, 20, 20, 30, 50), 10);
  EXPECT_EQ(InkCount(p, 30, 0, 118, 150), 0);
  EXPECT_GT(InkCount(p, 120, 20, 130, 50), 10);
}

TEST(TextSpacing, CharExtraAndJustificationWidenTheString) {
  WmfWriter plain = WithFont(-20);
  plain.TextOut(20, 20, "I I I");
  const IntRect a = InkBounds(Draw(plain));

  WmfWriter extra = WithFont(-20);
  extra.Record(wmfw::kSetTextCharExtra, {10}).TextOut(20, 20, "I I I");
  const IntRect b = InkBounds(Draw(extra));
  EXPECT_EQ(b.right - b.left, a.right - a.left + 4 * 10);

  WmfWriter justified = WithFont(-20);
  justified.Record(wmfw::kSetTextJustification, {2, 30}).TextOut(20, 20, "I I I");
  const IntRect c = InkBounds(Draw(justified));
  EXPECT_EQ(c.right - c.left, a.right - a.left + 30);
}

TEST(TextFont, HeightMapsAsAVerticalDistance) {
  WmfWriter direct = WithFont(-20);
  direct.TextOut(40, 30, "Hello");
  WmfWriter mapped;
  mapped.SetMapMode(8).SetWindowExt(600, 300).SetViewportExt(300, 150);
  mapped.SetBkMode(1).CreateFont(-40, "Arial").SelectObject(0).TextOut(80, 60, "Hello");
  EXPECT_EQ(Draw(direct).pixels, Draw(mapped).pixels);
}

// Logical units of a tenth of a pixel: a height maps to whole pixels by truncation.
metafile::Picture DrawTenths(int16_t height) {
  WmfWriter w;
  w.SetMapMode(8).SetWindowExt(3000, 1500).SetViewportExt(300, 150);
  w.SetBkMode(1).CreateFont(height, "Arial").SelectObject(0).TextOut(400, 300, "Hello");
  return Draw(w);
}

TEST(TextFont, MappedHeightsTakeWholePixels) {
  WmfWriter twenty = WithFont(-20);
  twenty.TextOut(40, 30, "Hello");
  WmfWriter twentyOne = WithFont(-21);
  twentyOne.TextOut(40, 30, "Hello");
  EXPECT_EQ(DrawTenths(-201).pixels, Draw(twenty).pixels);
  EXPECT_EQ(DrawTenths(-208).pixels, Draw(twenty).pixels);
  EXPECT_EQ(DrawTenths(-210).pixels, Draw(twentyOne).pixels);
}

TEST(TextFont, PositiveHeightIsTheCellNegativeTheEm) {
  WmfWriter em = WithFont(-60);
  em.TextOut(20, 20, "H");
  WmfWriter cell = WithFont(60);
  cell.TextOut(20, 20, "H");
  const IntRect a = InkBounds(Draw(em));
  const IntRect b = InkBounds(Draw(cell));
  // Arial's cell is about 1.15 em: the cell-sized H is smaller.
  EXPECT_GE((a.bottom - a.top) - (b.bottom - b.top), 4);
}

TEST(TextFont, WidthStretchesHorizontally) {
  // Average character widths of 8 and 16 pixels: the second string is twice as wide.
  WmfWriter normal = WithFont(-20, 0, 8);
  normal.TextOut(20, 20, "HHHH");
  WmfWriter wide = WithFont(-20, 0, 16);
  wide.TextOut(20, 20, "HHHH");
  const IntRect a = InkBounds(Draw(normal));
  const IntRect b = InkBounds(Draw(wide));
  const double ratio = double(b.right - b.left) / (a.right - a.left);
  EXPECT_GT(ratio, 1.85);
  EXPECT_LT(ratio, 2.15);
  EXPECT_NEAR(b.bottom - b.top, a.bottom - a.top, 1);
}

TEST(TextFont, UnderlineAndStrikeOutDrawLinesAcrossTheString) {
  WmfWriter plain = WithFont(-30);
  plain.SetTextAlign(kTaBaseline).TextOut(20, 80, "nnnn");
  WmfWriter underlined = WithFont(-30, 0, 0, true);
  underlined.SetTextAlign(kTaBaseline).TextOut(20, 80, "nnnn");
  WmfWriter struck = WithFont(-30, 0, 0, false, true);
  struck.SetTextAlign(kTaBaseline).TextOut(20, 80, "nnnn");
  const auto a = Draw(plain);
  const auto b = Draw(underlined);
  const auto c = Draw(struck);
  EXPECT_EQ(InkCount(a, 0, 81, 300, 90), 0);
  EXPECT_GT(InkCount(b, 0, 81, 300, 90), 40);  // one solid run under the baseline
  // The strike-out crosses the gaps between the n's at about a quarter em above the baseline.
  EXPECT_GT(InkCount(c, 0, 68, 300, 76) - InkCount(a, 0, 68, 300, 76), 20);
}

TEST(TextColour, GlyphsTakeTheTextColourNotTheRop2) {
  WmfWriter w = WithFont(-30);
  w.SetRop2(7).SetTextColor(Rgb(0, 0, 255)).TextOut(20, 20, "Blue");
  const auto p = Draw(w);
  EXPECT_GT(Count(p, kBlue), 30);
  EXPECT_EQ(Count(p, 0xFFFF00), 0);  // an XOR pen would have turned white into yellow
}

TEST(TextColour, ClipRegionBoundsTheText) {
  WmfWriter w = WithFont(-30);
  w.Record(wmfw::kIntersectClipRect, {150, 300, 0, 60});  // bottom, right, top, left
  w.TextOut(20, 20, "WWWWWWWW");
  const auto p = Draw(w);
  EXPECT_EQ(InkCount(p, 0, 0, 60, 150), 0);
  EXPECT_GT(InkCount(p, 60, 0, 300, 150), 20);
}

}  // namespace

namespace {

metafile::Picture DrawSymbolByte(const std::string& face, uint8_t charSet, char byte) {
  WmfWriter w;
  w.SetBkMode(1).CreateFont(-40, face, 400, false, false, false, charSet).SelectObject(0);
  w.TextOut(20, 20, std::string(1, byte));
  return Draw(w);
}

TEST(TextSymbol, SymbolCharsetBytesFindTheirGlyphs) {
  const auto missing = DrawSymbolByte("Symbol", 2, '\x80');  // unassigned: the font's empty box
  for (char byte : {'a', 'D', '\xE5', '\xB9'}) {
    const auto p = DrawSymbolByte("Symbol", 2, byte);
    EXPECT_FALSE(InkBounds(p).Empty()) << int(byte);
    EXPECT_NE(p.pixels, missing.pixels) << int(byte);
  }
}

TEST(TextSymbol, UnknownSymbolFacesDrawMissingGlyphBoxes) {
  // The symbol face standing in for an unknown one has none of its characters: each shows
  // as a box about a quarter of the 40-pixel em wide (11 pixels, its two upright edges too
  // light to count as ink) and 26 pixels high.
  const auto symbol = DrawSymbolByte("Symbol", 2, 'a');
  const auto boxA = DrawSymbolByte("Unknown Face Name", 2, 'a');
  const IntRect bounds = InkBounds(boxA);
  EXPECT_EQ(bounds.right - bounds.left, 9);
  EXPECT_EQ(bounds.bottom - bounds.top, 26);
  EXPECT_EQ(DrawSymbolByte("Unknown Face Name", 2, 'L').pixels, boxA.pixels);
  EXPECT_EQ(DrawSymbolByte("Another Unknown Face", 2, '&').pixels, boxA.pixels);
  EXPECT_NE(boxA.pixels, symbol.pixels);
  // In another character set the same name takes an ordinary face and draws the letter.
  const auto letter = DrawSymbolByte("Unknown Face Name", 0, 'L');
  EXPECT_FALSE(InkBounds(letter).Empty());
  EXPECT_NE(letter.pixels, DrawSymbolByte("Unknown Face Name", 2, 'L').pixels);
}

TEST(TextSymbol, SymbolFaceReadsTheSymbolEncodingInAnySet) {
  const auto symbol = DrawSymbolByte("Symbol", 2, 'a');
  // The default character set with a symbol face still reads the Symbol encoding.
  EXPECT_EQ(DrawSymbolByte("Symbol", 1, 'a').pixels, symbol.pixels);
  EXPECT_NE(DrawSymbolByte("Arial", 0, 'a').pixels, symbol.pixels);
}

}  // namespace

namespace {

bool SomeFontHas(char32_t code) {
  FcPattern* pattern = FcPatternCreate();
  FcCharSet* charset = FcCharSetCreate();
  FcCharSetAddChar(charset, FcChar32(code));
  FcPatternAddCharSet(pattern, FC_CHARSET, charset);
  FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
  FcFontSet* fonts = FcFontList(metafile::InstalledFonts(), pattern, objects);
  const bool found = fonts && fonts->nfont > 0;
  if (fonts) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(objects);
  FcCharSetDestroy(charset);
  FcPatternDestroy(pattern);
  return found;
}

metafile::Picture DrawShiftJis(const std::string& bytes) {
  WmfWriter w;
  w.SetBkMode(1).CreateFont(-40, "\x82\x6C\x82\x72 \x96\xBE\x92\xA9", 400, false, false, false, 128).SelectObject(0);
  w.TextOut(20, 20, bytes);
  return Draw(w);
}

TEST(TextFallback, CharactersMissingFromTheFaceComeFromAFaceThatHasThem) {
  if (!SomeFontHas(U'\u3042') || !SomeFontHas(U'\u3044')) GTEST_SKIP() << "no font with kana installed";
  // Without a fallback both would be the same missing-glyph box.
  const auto a = DrawShiftJis("\x82\xA0");  // hiragana a
  const auto i = DrawShiftJis("\x82\xA2");  // hiragana i
  EXPECT_FALSE(InkBounds(a).Empty());
  EXPECT_NE(a.pixels, i.pixels);
}

}  // namespace
