// Walks the records of a standard metafile (18-byte header first) and hands each to its
// handler. The loop owns the position: after every record it moves on by the record's
// declared size, whatever the handler read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "metafile/record_table.h"

namespace metafile {

struct MetafileHeader {
  uint16_t type = 0;
  uint16_t headerWords = 0;
  uint16_t version = 0;
  uint32_t sizeWords = 0;
  uint16_t objectCount = 0;
  uint32_t largestRecordWords = 0;
};

// Reads the 18-byte metafile header; false (and why) when it is missing or not one.
bool ReadMetafileHeader(const uint8_t* data, size_t size, MetafileHeader& header, std::string& reason);

// Where a record lies: its byte offset in the metafile (after the placeable header) and
// its function number.
struct RecordPlace {
  size_t offset = 0;
  uint16_t function = 0;
};

struct PlaySummary {
  size_t records = 0;         // records seen, the end record included
  size_t handled = 0;         // records that had a handler
  bool reachedEndRecord = false;
  bool stoppedOnBadSize = false;
  // The back end's work budget ran out during this record; playback stopped there.
  bool stoppedOnBudget = false;
  RecordPlace budgetSpentAt;
  // Records whose handler could not use them (Player::NoteBadRecord), in file order; only
  // the first kMaxKeptBadRecords are kept, badRecordCount counts them all.
  static constexpr size_t kMaxKeptBadRecords = 4096;
  std::vector<RecordPlace> badRecords;
  size_t badRecordCount = 0;
  size_t missingGlyphs = 0;   // characters drawn as the missing-glyph box
};

// One record as the loop meets it, for observers (record dumps): its byte offset in the
// metafile (after the placeable header), function number, declared size and parameters.
struct RecordInfo {
  size_t offset = 0;
  uint16_t function = 0;
  uint32_t sizeWords = 0;
  const uint8_t* params = nullptr;
  size_t paramBytes = 0;
};
using RecordObserver = std::function<void(const RecordInfo&)>;

// Plays every record after the header until the end record, the end of the data, a
// record whose size is under three words or runs past the end, or the back end's work
// budget running out (every record pays for itself first). `observer`, when given, sees
// each record that is played (the end record included) before its handler runs.
PlaySummary PlayRecords(const uint8_t* data, size_t size, const MetafileHeader& header, Player& player,
                        const RecordTable& table, const RecordObserver* observer = nullptr);

}  // namespace metafile
