#include "metafile/bitmap_records.h"

namespace metafile {

void RegisterBitmapRecords(RecordTable& table) {
  RegisterBlitRecords(table);
  RegisterPatternBrushRecords(table);
  RegisterPaletteRecords(table);
}

}  // namespace metafile
