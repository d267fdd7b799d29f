// Logical palettes as they affect colours on a true-colour picture: the default palette,
// the palette selected into the DC, palette-index COLORREFs (0x01iiiiii) and the colour
// tables of DIBs given as palette indices.
#pragma once

#include <vector>

#include "metafile/dc_state.h"
#include "metafile/object_table.h"

namespace metafile {

// The 20 colours of the default palette, as COLORREFs.
const std::vector<ColorRef>& DefaultPaletteEntries();

// The entries of the DC's selected palette, or the default palette when none is selected
// (or the selected one has no entries).
const std::vector<ColorRef>& SelectedPaletteEntries(const DcState& dc, const ObjectTable& objects);

// A COLORREF as the colour it paints (0x00BBGGRR): a palette index takes the selected
// palette's entry (entry 0 when out of range); the other forms keep their RGB.
ColorRef ResolveColorRef(ColorRef color, const DcState& dc, const ObjectTable& objects);

}  // namespace metafile
