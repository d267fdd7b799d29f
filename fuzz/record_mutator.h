// The fuzzer's structure-aware mutator. It sees a placeable metafile as its 40 header bytes
// and a list of records, and mutates at that level: it repeats a record or a run of records
// up to 2^17 times (files of many records are where drawing state accumulates
// and work piles up, and byte-level mutation never builds them), puts boundary values into
// parameter words and header fields, deletes, copies, swaps and renumbers records, and lets
// the byte-level mutator work inside one record. The result is written back with consistent
// record and header sizes, so it stays a file the player reads to its end. Inputs that are
// not placeable metafiles go to the byte-level mutator whole.
//
// Header-only so that the test suite can check it without the fuzzing runtime.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

namespace metafile_fuzz {

using Bytes = std::vector<uint8_t>;

// The byte-level mutator (libFuzzer's LLVMFuzzerMutate): mutates data[0, size) in place
// into at most maxSize bytes and returns the new size.
using ByteMutator = std::function<size_t(uint8_t* data, size_t size, size_t maxSize)>;

constexpr size_t kHeaderBytes = 22 + 18;  // placeable header, then the metafile header
constexpr size_t kRecordHeaderBytes = 6;  // size in words (4 bytes), function (2 bytes)
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kSizeWordsAt = 22 + 6;
constexpr size_t kLargestRecordAt = 22 + 12;
constexpr int kMaxRepeatExponent = 17;  // repeats up to 2^17 times

struct ParsedMetafile {
  Bytes header;                // the first kHeaderBytes bytes
  std::vector<Bytes> records;  // each whole (size, function, parameters), the end record excluded
  Bytes tail;                  // what follows the end record, or the rest that is no record
};

inline uint32_t ReadU32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

inline void WriteU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

inline void WriteU16(uint8_t* p, uint16_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
}

// Splits a placeable metafile into header and records; false when it is not one.
inline bool ParseMetafile(const uint8_t* data, size_t size, ParsedMetafile& out) {
  if (size < kHeaderBytes || ReadU32(data) != kPlaceableKey) return false;
  out = ParsedMetafile{};
  out.header.assign(data, data + kHeaderBytes);
  size_t pos = kHeaderBytes;
  while (size - pos >= kRecordHeaderBytes) {
    const uint64_t bytes = uint64_t(ReadU32(data + pos)) * 2;
    const uint16_t function = uint16_t(data[pos + 4] | (data[pos + 5] << 8));
    if (function == 0) {
      pos += kRecordHeaderBytes;
      break;
    }
    if (bytes < kRecordHeaderBytes || bytes > size - pos) break;
    out.records.emplace_back(data + pos, data + pos + bytes);
    pos += size_t(bytes);
  }
  out.tail.assign(data + pos, data + size);
  return true;
}

// The file again, with the header's total size and largest record set to what it holds and
// an end record after the records.
inline Bytes Serialise(const ParsedMetafile& m) {
  Bytes out = m.header;
  uint64_t words = (kHeaderBytes - 22) / 2 + kRecordHeaderBytes / 2;
  uint32_t largest = kRecordHeaderBytes / 2;
  for (const Bytes& r : m.records) {
    out.insert(out.end(), r.begin(), r.end());
    words += r.size() / 2;
    largest = std::max<uint32_t>(largest, uint32_t(r.size() / 2));
  }
  const uint8_t endRecord[kRecordHeaderBytes] = {3, 0, 0, 0, 0, 0};
  out.insert(out.end(), endRecord, endRecord + kRecordHeaderBytes);
  out.insert(out.end(), m.tail.begin(), m.tail.end());
  WriteU32(out.data() + kSizeWordsAt, uint32_t(std::min<uint64_t>(words, UINT32_MAX)));
  WriteU32(out.data() + kLargestRecordAt, largest);
  return out;
}

inline size_t SerialisedSize(const ParsedMetafile& m) {
  size_t size = m.header.size() + kRecordHeaderBytes + m.tail.size();
  for (const Bytes& r : m.records) size += r.size();
  return size;
}

// Boundary values of 16-bit parameters, and values the player treats specially (the font
// size limit, common units per inch).
constexpr uint16_t kInterestingWords[] = {0,      1,      2,      3,      0x7FFF, 0x8000, 0x7FFE, 0x8001,
                                          0xFFFF, 0xFFFE, 0x00FF, 0x0100, 0x4000, 0xC000, 4000,   uint16_t(-4000),
                                          96,     1440,   2540,   16,     0x0018, 0x0019, 0x1000, 0xF000};

class RecordMutator {
 public:
  // `functions`: the record function numbers worth renumbering a record to.
  RecordMutator(unsigned seed, const ByteMutator& bytes, const std::vector<uint16_t>& functions)
      : random_(seed), bytes_(bytes), functions_(functions) {}

  // Mutates data[0, size) into at most maxSize bytes; returns the new size.
  size_t Mutate(uint8_t* data, size_t size, size_t maxSize) {
    ParsedMetafile m;
    if (!ParseMetafile(data, size, m) || Below(10) == 0) return bytes_(data, size, maxSize);
    bool changed = false;
    for (int attempt = 0; attempt < 8 && !changed; ++attempt) changed = MutateOnce(m, maxSize);
    if (!changed || SerialisedSize(m) > maxSize) return bytes_(data, size, maxSize);
    const Bytes out = Serialise(m);
    std::memcpy(data, out.data(), out.size());
    return out.size();
  }

  // Records of `a` with a run of `b`'s records spliced in, into at most maxSize bytes.
  size_t CrossOver(const uint8_t* a, size_t sizeA, const uint8_t* b, size_t sizeB, uint8_t* out, size_t maxSize) {
    ParsedMetafile first, second;
    if (!ParseMetafile(a, sizeA, first) || !ParseMetafile(b, sizeB, second) || second.records.empty()) return 0;
    const size_t from = Below(second.records.size());
    const size_t count = 1 + Below(std::min<size_t>(16, second.records.size() - from));
    const size_t at = Below(first.records.size() + 1);
    first.records.insert(first.records.begin() + std::ptrdiff_t(at), second.records.begin() + std::ptrdiff_t(from),
                         second.records.begin() + std::ptrdiff_t(from + count));
    if (SerialisedSize(first) > maxSize) return 0;
    const Bytes bytes = Serialise(first);
    std::memcpy(out, bytes.data(), bytes.size());
    return bytes.size();
  }

 private:
  size_t Below(size_t n) { return n == 0 ? 0 : size_t(random_() % n); }

  static uint16_t FunctionOf(const Bytes& record) { return uint16_t(record[4] | (record[5] << 8)); }

  // A record chosen by its kind first, so that one record among thousands of another kind
  // is as likely to be picked as they are.
  size_t AnyKindOfRecord(const ParsedMetafile& m) {
    std::vector<uint16_t> kinds;
    for (const Bytes& r : m.records) {
      if (std::find(kinds.begin(), kinds.end(), FunctionOf(r)) == kinds.end()) kinds.push_back(FunctionOf(r));
      if (kinds.size() >= 64) break;
    }
    const uint16_t kind = kinds[Below(kinds.size())];
    std::vector<size_t> ofKind;
    for (size_t i = 0; i < m.records.size(); ++i) {
      if (FunctionOf(m.records[i]) == kind) ofKind.push_back(i);
    }
    return ofKind[Below(ofKind.size())];
  }

  // How often to repeat: half the time any power of two up to 2^17 is as likely, the other
  // half one of the largest four (accumulations show only after many records); within the
  // power any count.
  size_t RepeatCount() {
    const size_t exponent = Below(2) ? Below(kMaxRepeatExponent + 1) : kMaxRepeatExponent - Below(4);
    return 1 + Below(size_t(1) << exponent);
  }

  bool MutateOnce(ParsedMetafile& m, size_t maxSize) {
    switch (Below(m.records.empty() ? 1 : 10)) {
      case 0: return InterestingHeaderWord(m);
      case 1:
      case 2: return RepeatRun(m, maxSize, 1);
      case 3: return RepeatRun(m, maxSize, 1 + Below(8));
      case 4: return InterestingParameter(m, AnyKindOfRecord(m));
      case 5: return MutateRecordBytes(m, maxSize);
      case 6: return DeleteRecords(m);
      case 7: return CopyRecord(m, maxSize);
      case 8: return SwapRecords(m);
      default: return Renumber(m);
    }
  }

  bool InterestingHeaderWord(ParsedMetafile& m) {
    // Box left, top, right, bottom, units per inch; then the object count.
    constexpr size_t kWords[] = {6, 8, 10, 12, 14, 22 + 10};
    const size_t at = kWords[Below(std::size(kWords))];
    WriteU16(m.header.data() + at, kInterestingWords[Below(std::size(kInterestingWords))]);
    return true;
  }

  // Repeats a run of records; half the time one of them first gets a boundary value, so
  // that a value and its accumulation arrive together.
  bool RepeatRun(ParsedMetafile& m, size_t maxSize, size_t length) {
    const size_t first = AnyKindOfRecord(m);
    const size_t last = std::min(m.records.size(), first + length);
    if (Below(2) == 0) InterestingParameter(m, first + Below(last - first));
    size_t runBytes = 0;
    for (size_t i = first; i < last; ++i) runBytes += m.records[i].size();
    const size_t room = maxSize > SerialisedSize(m) ? maxSize - SerialisedSize(m) : 0;
    const size_t copies = std::min(RepeatCount(), room / std::max<size_t>(1, runBytes));
    if (copies == 0) return false;
    const std::vector<Bytes> run(m.records.begin() + std::ptrdiff_t(first), m.records.begin() + std::ptrdiff_t(last));
    std::vector<Bytes> repeated;
    repeated.reserve(run.size() * copies);
    for (size_t c = 0; c < copies; ++c) repeated.insert(repeated.end(), run.begin(), run.end());
    m.records.insert(m.records.begin() + std::ptrdiff_t(last), repeated.begin(), repeated.end());
    return true;
  }

  bool InterestingParameter(ParsedMetafile& m, size_t index) {
    Bytes& r = m.records[index];
    const size_t words = (r.size() - kRecordHeaderBytes) / 2;
    if (words == 0) return false;
    const size_t word = Below(std::min<size_t>(words, 64));
    WriteU16(r.data() + kRecordHeaderBytes + 2 * word, kInterestingWords[Below(std::size(kInterestingWords))]);
    return true;
  }

  // The byte-level mutator on one record's parameters, which may grow or shrink; the
  // record's size follows.
  bool MutateRecordBytes(ParsedMetafile& m, size_t maxSize) {
    Bytes& r = m.records[Below(m.records.size())];
    const size_t params = r.size() - kRecordHeaderBytes;
    const size_t others = SerialisedSize(m) - r.size();
    if (maxSize <= others + kRecordHeaderBytes) return false;
    const size_t limit = std::min(maxSize - others - kRecordHeaderBytes, 2 * params + 64);
    Bytes grown(r.begin() + kRecordHeaderBytes, r.end());
    grown.resize(std::max(limit, params));
    size_t size = bytes_(grown.data(), params, limit);
    size = std::min(size, limit) & ~size_t(1);
    grown.resize(size);
    r.resize(kRecordHeaderBytes);
    r.insert(r.end(), grown.begin(), grown.end());
    WriteU32(r.data(), uint32_t(r.size() / 2));
    return true;
  }

  bool DeleteRecords(ParsedMetafile& m) {
    const size_t first = Below(m.records.size());
    const size_t count = 1 + Below(std::min<size_t>(4, m.records.size() - first));
    m.records.erase(m.records.begin() + std::ptrdiff_t(first), m.records.begin() + std::ptrdiff_t(first + count));
    return true;
  }

  bool CopyRecord(ParsedMetafile& m, size_t maxSize) {
    const Bytes record = m.records[Below(m.records.size())];
    if (SerialisedSize(m) + record.size() > maxSize) return false;
    m.records.insert(m.records.begin() + std::ptrdiff_t(Below(m.records.size() + 1)), record);
    return true;
  }

  bool SwapRecords(ParsedMetafile& m) {
    if (m.records.size() < 2) return false;
    std::swap(m.records[Below(m.records.size())], m.records[Below(m.records.size())]);
    return true;
  }

  bool Renumber(ParsedMetafile& m) {
    if (functions_.empty()) return false;
    Bytes& r = m.records[Below(m.records.size())];
    WriteU16(r.data() + 4, functions_[Below(functions_.size())]);
    return true;
  }

  std::minstd_rand random_;
  const ByteMutator& bytes_;
  const std::vector<uint16_t>& functions_;
};

}  // namespace metafile_fuzz
