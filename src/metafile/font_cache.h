// Fonts for the text records: a logical font becomes a font file by the choice of face
// (face_choice.h), a FreeType face (once per file), and a font at one pixel size, width and
// angle whose glyphs are rendered once and kept. Everything lives for the process and is
// bounded; callers hold FontLock() while they use it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "metafile/charset_decode.h"

namespace metafile {

// Font sizes outside 1 .. kMaxFontPixels pixels per em are refused.
constexpr int kMaxFontPixels = 4000;

// A logical font in canvas pixels.
struct FontRequest {
  std::string faceName;  // as recorded (bytes in the font's character set)
  uint8_t charSet = 0;
  int weight = 400;
  bool italic = false;
  int height = 0;        // pixels: negative = character (em) height, positive = cell height
  int width = 0;         // pixels of average character width; 0 = the face's own aspect
  int escapement = 0;    // tenths of a degree, counter-clockwise on the canvas
};

// A rendered glyph: coverage in 17 levels (0 = none, 16 = full) over `width` × `rows`
// pixels whose top-left is (left, -top) from the pen position (y down).
struct GlyphImage {
  int left = 0;
  int top = 0;
  int width = 0;
  int rows = 0;
  std::vector<uint8_t> levels;
  bool missing = false;  // the missing-glyph box: no face has the character
  bool centred = false;  // an accent drawn alone: centred in its character's advance
};

// Vertical metrics in whole pixels, as GDI reports them for the font at its size.
struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int underlinePosition = 0;  // baseline to the underline's centre, positive upwards
  int underlineThickness = 1;
  int strikeoutPosition = 0;  // baseline to the strike-out's bottom edge, positive upwards
  int strikeoutThickness = 1;
  int pixelsPerEm = 0;
  int pixelsPerEmX = 0;  // horizontal size, for a font stretched by its width
};

class SizedFont;

// Serialises all use of the fonts.
std::mutex& FontLock();

// The font for a request, or null when no face can be found or the size is refused.
// Valid until the next RealizeFont call.
SizedFont* RealizeFont(const FontRequest& request);

const FontMetrics& MetricsOf(const SizedFont& font);

// How text in this font is read: the Symbol encoding in the symbol character set or with a
// symbol font, a mapped symbol face's own table, else the character set's code page.
TextEncoding EncodingOf(const SizedFont& font, uint8_t charSet);

// The advance of a character along the baseline in whole pixels (hinted, as GDI reports
// it; at very large sizes the scaled design advance).
int AdvanceFor(SizedFont& font, const DecodedChar& c);

// The glyph of a character; valid until the next GlyphFor or RealizeFont call.
const GlyphImage* GlyphFor(SizedFont& font, const DecodedChar& c);

}  // namespace metafile
