// The text records: TEXTOUT and EXTTEXTOUT, drawn with the selected font through
// fontconfig and FreeType with grey anti-aliasing.
#pragma once

#include "metafile/record_table.h"

namespace metafile {

void RegisterTextRecords(RecordTable& table);

}  // namespace metafile
