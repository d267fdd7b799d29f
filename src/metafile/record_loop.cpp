#include "metafile/record_loop.h"

#include "base/little_endian.h"
#include "metafile/work_budget.h"

namespace metafile {

namespace {

constexpr auto ReadU16 = base::ReadLe16;
constexpr auto ReadU32 = base::ReadLe32;

constexpr size_t kRecordHeaderBytes = 6;
constexpr uint16_t kEndRecord = 0x0000;

void NoteBadRecord(PlaySummary& summary, const RecordPlace& place) {
  if (summary.badRecords.size() < PlaySummary::kMaxKeptBadRecords) summary.badRecords.push_back(place);
  ++summary.badRecordCount;
}

}  // namespace

bool ReadMetafileHeader(const uint8_t* data, size_t size, MetafileHeader& header, std::string& reason) {
  if (size < 18) {
    reason = "the metafile header is missing";
    return false;
  }
  header.type = ReadU16(data);
  header.headerWords = ReadU16(data + 2);
  header.version = ReadU16(data + 4);
  header.sizeWords = ReadU32(data + 6);
  header.objectCount = ReadU16(data + 10);
  header.largestRecordWords = ReadU32(data + 12);
  if ((header.type != 1 && header.type != 2) || header.headerWords != 9) {
    reason = "the metafile header is not valid";
    return false;
  }
  return true;
}

PlaySummary PlayRecords(const uint8_t* data, size_t size, const MetafileHeader& header, Player& player,
                        const RecordTable& table, const RecordObserver* observer) {
  PlaySummary summary;
  size_t pos = size_t(header.headerWords) * 2;
  while (pos <= size && size - pos >= kRecordHeaderBytes) {
    const uint32_t sizeWords = ReadU32(data + pos);
    const uint16_t function = ReadU16(data + pos + 4);
    ++summary.records;
    if (function == kEndRecord) {
      if (observer) (*observer)(RecordInfo{pos, function, sizeWords, nullptr, 0});
      summary.reachedEndRecord = true;
      break;
    }
    if (sizeWords < 3 || uint64_t(sizeWords) * 2 > uint64_t(size - pos)) {
      summary.stoppedOnBadSize = true;
      break;
    }
    const size_t recordBytes = size_t(sizeWords) * 2;
    if (observer) {
      (*observer)(RecordInfo{pos, function, sizeWords, data + pos + kRecordHeaderBytes,
                             recordBytes - kRecordHeaderBytes});
    }
    const RecordHandler handler = table.Find(function);
    if (handler && player.backend.Charge(cost::kRecord)) {
      ++summary.handled;
      const size_t badBefore = player.BadRecords();
      handler(player, Record(function, data + pos + kRecordHeaderBytes, recordBytes - kRecordHeaderBytes));
      if (player.BadRecords() > badBefore) NoteBadRecord(summary, {pos, function});
    }
    if (player.backend.BudgetSpent()) {
      summary.stoppedOnBudget = true;
      summary.budgetSpentAt = {pos, function};
      break;
    }
    pos += recordBytes;
  }
  return summary;
}

}  // namespace metafile
