// The choice of face: which font file draws a logical font, by the font policy over the
// fonts installed. A face name costs table look-ups; fontconfig is asked once per installed
// family and style, and the order of fallback fonts once per process, so no file, however
// many distinct names it asks for, makes face matching take long. Safe from any thread.
#pragma once

#include <cstdint>
#include <string>

#include "metafile/font_policy.h"

namespace metafile {

// A face in a font file.
struct FontFile {
  std::string path;  // empty: none
  int index = 0;
  bool operator==(const FontFile&) const = default;
};

// What draws the text of a logical font.
struct FaceChoice {
  FontFile file;  // the face that gives the metrics and, but for the cases below, the glyphs
  // A mapped symbol face (MT Extra ...): its bytes are read through this encoding and the
  // characters drawn from the symbol drawing family, at the metrics of `file`.
  TextEncoding encoding = TextEncoding::kCodePage;
  // A symbol face that no font provides and no table maps: `file` (the Symbol stand-in) has
  // none of its characters, so every one draws as the missing-glyph box.
  bool missingGlyphs = false;
};

// The face for a name (UTF-8) in a character set and style: an installed family of that
// name; else the stand-in the policy names (a family, then a file of the stand-in folder);
// else, for the symbol set, the Symbol stand-in with missing-glyph boxes; else the policy's
// default family. A mapped symbol face asked for in the symbol or the default set is read
// through its table. An empty `file` only when no font is installed at all.
FaceChoice ChooseFace(const std::string& faceName, uint8_t charSet, bool bold, bool italic);

// The face of the symbol drawing family (empty when it is not installed).
FontFile SymbolDrawingFace();

// The first font, in the policy's fallback order, that has the character (empty when no
// installed font has it).
FontFile FallbackFaceFor(char32_t code);

}  // namespace metafile
