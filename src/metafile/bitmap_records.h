// The bitmap and raster-operation records: blits with and without a bitmap, DIB and
// device-dependent bitmap sources, pattern brushes and the palette records.
#pragma once

#include "metafile/record_table.h"

namespace metafile {

void RegisterBitmapRecords(RecordTable& table);

// The parts of the family, each in its own file.
void RegisterBlitRecords(RecordTable& table);
void RegisterPatternBrushRecords(RecordTable& table);
void RegisterPaletteRecords(RecordTable& table);

}  // namespace metafile
