// The fuzzer's structure-aware mutator keeps files well-formed and reaches files of many
// records.
#include <gtest/gtest.h>

#include <algorithm>

#include "../../fuzz/record_mutator.h"
#include "metafile/record_table.h"
#include "wmf_writer.h"

namespace {

using metafile_fuzz::Bytes;

// A byte-level mutator standing in for libFuzzer's: flips one byte.
size_t FlipOneByte(uint8_t* data, size_t size, size_t) {
  if (size > 0) data[(size * 7) / 11] ^= 0x5A;
  return size;
}

Bytes Seed() {
  wmfw::WmfWriter w;
  w.SetWindowExt(200, 100).Record(wmfw::kOffsetWindowOrg, {50, 50}).CreateBrush(0, wmfw::Rgb(1, 2, 3)).SelectObject(0);
  w.Rectangle(0, 0, 50, 50).TextOut(5, 5, "text").Polygon({{0, 0}, {10, 0}, {5, 8}});
  return w.Placeable(0, 0, 200, 100, 96);
}

TEST(RecordMutator, ParsingAndWritingAWellFormedFileGivesItBack) {
  const Bytes seed = Seed();
  metafile_fuzz::ParsedMetafile parsed;
  ASSERT_TRUE(metafile_fuzz::ParseMetafile(seed.data(), seed.size(), parsed));
  EXPECT_EQ(parsed.records.size(), 7u);
  EXPECT_EQ(metafile_fuzz::Serialise(parsed), seed);
  EXPECT_FALSE(metafile_fuzz::ParseMetafile(seed.data() + 1, seed.size() - 1, parsed)) << "no placeable key";
}

// Whatever it does at the record level, the result fits, parses, and its header tells its
// true size; the byte-level mutator gets the whole file only now and then.
TEST(RecordMutator, EveryMutationKeepsTheFileWellFormed) {
  const uint8_t* whole = nullptr;
  size_t wholeFileTurns = 0;
  const metafile_fuzz::ByteMutator bytes = [&](uint8_t* data, size_t size, size_t maxSize) {
    if (data == whole) ++wholeFileTurns;
    return FlipOneByte(data, size, maxSize);
  };
  const std::vector<uint16_t> functions = metafile::AllRecords().Functions();
  constexpr size_t kMaxSize = 1 << 20;
  constexpr unsigned kRounds = 600;
  Bytes data = Seed();
  size_t largest = 0;
  for (unsigned seed = 1; seed <= kRounds; ++seed) {
    metafile_fuzz::RecordMutator mutator(seed, bytes, functions);
    Bytes buffer = data;
    buffer.resize(kMaxSize);
    whole = buffer.data();
    const size_t turnsBefore = wholeFileTurns;
    const size_t size = mutator.Mutate(buffer.data(), data.size(), kMaxSize);
    ASSERT_LE(size, kMaxSize);
    buffer.resize(size);
    if (wholeFileTurns > turnsBefore) continue;
    metafile_fuzz::ParsedMetafile parsed;
    ASSERT_TRUE(metafile_fuzz::ParseMetafile(buffer.data(), buffer.size(), parsed)) << seed;
    EXPECT_TRUE(parsed.tail.empty()) << seed;
    uint64_t words = 9 + 3;  // the metafile header and the end record
    for (const Bytes& r : parsed.records) words += r.size() / 2;
    EXPECT_EQ(metafile_fuzz::ReadU32(buffer.data() + metafile_fuzz::kSizeWordsAt), words) << seed;
    largest = std::max(largest, size);
    data = size > 20000 || seed % 7 == 0 ? Seed() : buffer;
  }
  EXPECT_LT(wholeFileTurns, kRounds / 5);
  EXPECT_GT(largest, size_t(500000)) << "repeated records make large files";
}

}  // namespace
