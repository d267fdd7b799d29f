#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "fidelity/record_dump.h"
#include "wmf_writer.h"

namespace {

std::string Dump(const wmfw::Bytes& bytes) {
  char* text = nullptr;
  size_t size = 0;
  std::FILE* out = open_memstream(&text, &size);
  std::string reason;
  const bool dumped = vecrast::fidelity::DumpMetafile(bytes, out, reason);
  std::fclose(out);
  std::string result(text, size);
  std::free(text);
  return dumped ? result : "refused: " + reason;
}

// Records the player could not use are named after the trace, one line per kind.
TEST(RecordDump, EndsWithANoteForEachKindOfUnusableRecord) {
  wmfw::WmfWriter w;
  w.SetWindowExt(100, 100).Record(wmfw::kPolygon, {50, 1, 1}).Rectangle(0, 0, 10, 10).Record(wmfw::kPolygon, {9});
  const std::string dump = Dump(w.Placeable(0, 0, 100, 100, 96));
  EXPECT_NE(dump.find("@28 POLYGON (0x0324) 6 words: 50 1 1\n"), std::string::npos) << dump;
  EXPECT_NE(dump.find("5 records, 4 handled\nnote: 2 POLYGON records could not be used (the first at byte 50)\n"),
            std::string::npos)
      << dump;
}

TEST(RecordDump, ACleanFileHasNoNotes) {
  wmfw::WmfWriter w;
  w.SetWindowExt(100, 100).Rectangle(0, 0, 10, 10);
  EXPECT_EQ(Dump(w.Placeable(0, 0, 100, 100, 96)).find("note:"), std::string::npos);
}

}  // namespace
