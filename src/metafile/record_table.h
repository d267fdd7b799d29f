// Dispatch from a record's function number to its handler. Each family of records
// (state and shapes here; text; bitmaps) adds its handlers through a Register function of
// its own; record_families.cpp assembles the table.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "metafile/player.h"
#include "metafile/record.h"

namespace metafile {

// A handler checks the record's size before every read, changes the player's state or
// paints, and never moves the read position: the record loop owns it.
using RecordHandler = void (*)(Player& player, const Record& record);

class RecordTable {
 public:
  void Add(uint16_t function, RecordHandler handler) { handlers_[function] = handler; }
  // The handler, or null for a record that is skipped.
  RecordHandler Find(uint16_t function) const {
    const auto it = handlers_.find(function);
    return it == handlers_.end() ? nullptr : it->second;
  }
  size_t Size() const { return handlers_.size(); }

 private:
  std::unordered_map<uint16_t, RecordHandler> handlers_;
};

// The table with every family that is built in, made once.
const RecordTable& AllRecords();

// The families defined in this folder.
void RegisterStateRecords(RecordTable& table);
void RegisterObjectRecords(RecordTable& table);
void RegisterShapeRecords(RecordTable& table);
void RegisterRegionRecords(RecordTable& table);

}  // namespace metafile
