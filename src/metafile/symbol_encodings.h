// The published encodings of the equation editors' symbol faces that no Debian package
// provides: each byte of their text to the Unicode character it stands for.
#pragma once

#include <cstdint>

#include "metafile/charset_decode.h"

namespace metafile {

// The character a byte stands for in a face of this encoding, or 0 when the encoding has
// none for it (an unassigned byte, or a glyph without a Unicode equivalent).
char32_t MappedSymbolCharacter(TextEncoding encoding, uint8_t byte);

}  // namespace metafile
