// Dispatch from a record's function number to its handler. Each family of records
// (state and shapes here; text; bitmaps) adds its handlers through a Register function of
// its own; record_families.cpp assembles the table.
#pragma once

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "metafile/player.h"
#include "metafile/record.h"

namespace metafile {

// A handler checks the record's size before every read, changes the player's state or
// paints, and never moves the read position: the record loop owns it.
using RecordHandler = void (*)(Player& player, const Record& record);

class RecordTable {
 public:
  // Registers the handler of a function number. A number has one handler: registering it
  // again is refused (false), keeps the first handler and is counted as a conflict.
  bool Add(uint16_t function, RecordHandler handler) {
    if (handlers_.try_emplace(function, handler).second) return true;
    conflicts_.push_back(function);
    return false;
  }
  // The handler, or null for a record that is skipped.
  RecordHandler Find(uint16_t function) const {
    const auto it = handlers_.find(function);
    return it == handlers_.end() ? nullptr : it->second;
  }
  size_t Size() const { return handlers_.size(); }
  // The function numbers that have a handler, in ascending order.
  std::vector<uint16_t> Functions() const {
    std::vector<uint16_t> functions;
    for (const auto& [function, handler] : handlers_) functions.push_back(function);
    std::sort(functions.begin(), functions.end());
    return functions;
  }
  // The function numbers registered more than once (each repeat), in registration order.
  const std::vector<uint16_t>& Conflicts() const { return conflicts_; }

 private:
  std::unordered_map<uint16_t, RecordHandler> handlers_;
  std::vector<uint16_t> conflicts_;
};

// The table with every family that is built in, made once.
const RecordTable& AllRecords();

// The families defined in this folder.
void RegisterStateRecords(RecordTable& table);
void RegisterObjectRecords(RecordTable& table);
void RegisterShapeRecords(RecordTable& table);
void RegisterRegionRecords(RecordTable& table);

}  // namespace metafile
