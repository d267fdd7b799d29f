// The player's font policy: the one place that says which installed fonts draw the faces a
// Windows picture names, how the bytes of symbol faces become characters, and what a face
// that no font provides shows. Pictures depend on this policy and on the fonts installed,
// never on per-user or desktop font settings; a later face is a row in one of these tables.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "metafile/charset_decode.h"

namespace metafile {

// A face name as the tables compare it: ASCII letters folded to lower case and blanks
// left out, as fontconfig compares family names ("TimesNewRoman" is "Times New Roman").
std::string FaceKey(std::string_view faceName);

// CSS's generic family names, which programs converting from SVG or HTML write as face
// names, stand for Windows' standard faces of that kind ("serif" is Times New Roman). Null
// for any other name.
const char* WindowsFaceForGeneric(const std::string& key);

// The installed family that stands in for a face systems rarely have: metric-compatible
// free faces for the Windows and PostScript standard faces (Arial is Liberation Sans, Times
// is Nimbus Roman). Null when the name has none.
const char* StandInFamilyFor(const std::string& key);

// A free font carrying the name of a Windows face that the font folders lack (Tahoma,
// Marlett), kept in the stand-in font folder. Null when the name has none.
struct StandInFile {
  const char* face;
  const char* regularFile;
  const char* boldFile;  // null: bold is synthesised
};
const StandInFile* StandInFileFor(const std::string& key);

// The folder of stand-in font files: a build-time setting (VECRAST_STAND_IN_FONT_DIR),
// ending in "/".
std::string StandInFontFolder();

// Symbol faces that no Debian package provides, whose published encodings map their
// characters to Unicode (symbol_encodings.h): their text is drawn from the symbol drawing
// family below, at the metrics of the Symbol stand-in. kCodePage for any other name.
TextEncoding SymbolFaceEncoding(const std::string& key);

// The installed family that draws the characters of the mapped symbol faces: one font with
// wide mathematical coverage (Debian package fonts-dejavu-extra).
inline constexpr const char* kSymbolDrawingFamily = "DejaVu Math TeX Gyre";

// The family whose metrics a symbol face without a font takes, and which draws Symbol text.
inline constexpr const char* kSymbolFamily = "Standard Symbols PS";

// The family drawing a face that is neither installed nor in the tables above: the symbol
// drawing family for Cambria Math, DejaVu Serif for the serif faces listed, DejaVu Sans Mono
// for the monospaced ones, DejaVu Sans for everything else.
const char* DefaultFamilyFor(const std::string& key);

// Families asked first, in this order, for a character the chosen face lacks; after them,
// any installed font that has it.
inline constexpr const char* kFallbackFamilies[] = {
    "DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono", "DejaVu Math TeX Gyre", "Droid Sans Fallback",
    "Standard Symbols PS",
};

// The missing-glyph box, as a symbol face standing in for an unknown one drew it on the
// machine the reference renderings come from (its grid fitting gives the proportions): an
// outline about a quarter of the em wide and five eighths of it high, standing on the
// baseline, advancing a little over a third of the em.
struct MissingGlyphBoxShape {
  double widthPerEm = 0.27;
  double widthPixels = 0.5;
  double heightPerEm = 0.625;
  double heightPixels = 1.2;
  double advancePerEm = 0.36;
};
inline constexpr MissingGlyphBoxShape kMissingGlyphBox{};

}  // namespace metafile
