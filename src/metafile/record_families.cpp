// Assembles the dispatch table from the record families. Each function number belongs to
// one family; a second registration is refused and shows in the table's conflicts.
#include "metafile/bitmap_records.h"
#include "metafile/record_table.h"
#include "metafile/text_records.h"

namespace metafile {

namespace {

RecordTable BuildTable() {
  RecordTable table;
  RegisterStateRecords(table);
  RegisterObjectRecords(table);
  RegisterShapeRecords(table);
  RegisterRegionRecords(table);
  RegisterTextRecords(table);
  RegisterBitmapRecords(table);
  return table;
}

}  // namespace

const RecordTable& AllRecords() {
  static const RecordTable table = BuildTable();
  return table;
}

}  // namespace metafile
