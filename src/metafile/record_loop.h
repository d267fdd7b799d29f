// Walks the records of a standard metafile (18-byte header first) and hands each to its
// handler. The loop owns the position: after every record it moves on by the record's
// declared size, whatever the handler read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

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

struct PlaySummary {
  size_t records = 0;         // records seen, the end record included
  size_t handled = 0;         // records that had a handler
  bool reachedEndRecord = false;
  bool stoppedOnBadSize = false;
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

// Plays every record after the header until the end record, the end of the data, or a
// record whose size is under three words or runs past the end. `observer`, when given,
// sees each record that is played (the end record included) before its handler runs.
PlaySummary PlayRecords(const uint8_t* data, size_t size, const MetafileHeader& header, Player& player,
                        const RecordTable& table, const RecordObserver* observer = nullptr);

}  // namespace metafile
