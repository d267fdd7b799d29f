// Assembles the dispatch table. A family living in its own files plugs in by providing
// the header named below with its Register function; until it exists, its records are
// skipped like any unknown record.
#include "metafile/record_table.h"

#if __has_include("metafile/text_records.h")
#include "metafile/text_records.h"
#define METAFILE_HAS_TEXT_RECORDS 1
#endif

#if __has_include("metafile/bitmap_records.h")
#include "metafile/bitmap_records.h"
#define METAFILE_HAS_BITMAP_RECORDS 1
#endif

namespace metafile {

namespace {

RecordTable BuildTable() {
  RecordTable table;
  RegisterStateRecords(table);
  RegisterObjectRecords(table);
  RegisterShapeRecords(table);
  RegisterRegionRecords(table);
#ifdef METAFILE_HAS_TEXT_RECORDS
  RegisterTextRecords(table);
#endif
#ifdef METAFILE_HAS_BITMAP_RECORDS
  RegisterBitmapRecords(table);
#endif
  return table;
}

}  // namespace

const RecordTable& AllRecords() {
  static const RecordTable table = BuildTable();
  return table;
}

}  // namespace metafile
