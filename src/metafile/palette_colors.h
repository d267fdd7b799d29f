// Logical palettes as they affect colours on a true-colour picture: the default palette
// and the palette selected into the DC, which the colour tables of DIBs given as palette
// indices (DIB_PAL_COLORS) refer to.
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

}  // namespace metafile
