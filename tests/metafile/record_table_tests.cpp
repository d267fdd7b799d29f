#include <gtest/gtest.h>

#include "metafile/record_names.h"
#include "metafile/record_table.h"

namespace {

void First(metafile::Player&, const metafile::Record&) {}
void Second(metafile::Player&, const metafile::Record&) {}

TEST(RecordTable, ARecordRegisteredTwiceKeepsItsFirstHandlerAndIsAConflict) {
  metafile::RecordTable table;
  EXPECT_TRUE(table.Add(0x041B, First));
  EXPECT_FALSE(table.Add(0x041B, Second));
  EXPECT_EQ(table.Find(0x041B), &First);
  EXPECT_EQ(table.Conflicts(), std::vector<uint16_t>{0x041B});
}

// Every family registers records no other family registers, and each has a name for the
// notes and dumps.
TEST(RecordTable, TheAssembledTableHasOneHandlerPerRecord) {
  const metafile::RecordTable& table = metafile::AllRecords();
  EXPECT_EQ(table.Conflicts(), std::vector<uint16_t>{});
  for (const uint16_t function : table.Functions()) {
    EXPECT_FALSE(metafile::RecordName(function).empty()) << std::hex << function;
  }
}

}  // namespace
