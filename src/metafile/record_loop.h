// Walks the records of a standard metafile (18-byte header first) and hands each to its
// handler. The loop owns the position: after every record it moves on by the record's
// declared size, whatever the handler read.
#pragma once

#include <cstddef>
#include <cstdint>
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
};

// Plays every record after the header until the end record, the end of the data, or a
// record whose size is under three words or runs past the end.
PlaySummary PlayRecords(const uint8_t* data, size_t size, const MetafileHeader& header, Player& player,
                        const RecordTable& table);

}  // namespace metafile
