// Painting glyph coverage into the picture as GDI does with grey font smoothing: each of
// the 17 coverage levels stands for a fixed intensity step, and the text colour is blended
// with what lies under it per channel inside the clip. The ROP2 does not apply to text.
#pragma once

#include <cstdint>

#include "metafile/backend.h"
#include "metafile/font_cache.h"

namespace metafile {

// Paints `glyph` with its pen position at canvas pixel (x, y).
void PaintGlyph(Backend& backend, const GlyphImage& glyph, int x, int y, ColorRef color, const Region* clip);

// One channel of the blend: `level` 0..16 of coverage of text channel `text` over `dst`.
uint8_t BlendTextChannel(uint8_t dst, uint8_t text, int level);

}  // namespace metafile
