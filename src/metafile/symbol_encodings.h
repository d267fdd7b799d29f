// The published encodings of the equation editors' symbol faces that no Debian package
// provides: each byte of their text to the Unicode character it stands for.
#pragma once

#include <cstdint>

#include "metafile/charset_decode.h"

namespace metafile {

// The character a byte stands for in a face of this encoding, or 0 when the encoding has
// none for it (an unassigned byte, or a glyph without a Unicode equivalent).
char32_t MappedSymbolCharacter(TextEncoding encoding, uint8_t byte);

// True for the characters the face drew from the pen, centred on its baseline (the equation
// editor's arrows over a character, which it sets on a baseline of their own).
bool CentredOnBaseline(TextEncoding encoding, uint8_t byte);

}  // namespace metafile
