#include "metafile/object_table.h"

#include <algorithm>

namespace metafile {

namespace {
// Headers often understate the object count; GDI copes because its table grows in
// steps. A floor keeps those files drawing.
constexpr size_t kMinObjects = 256;
}  // namespace

ObjectTable::ObjectTable(size_t declaredCount)
    : slots_(std::clamp(declaredCount, kMinObjects, kMaxObjects)) {}

int ObjectTable::Add(GdiObject object) {
  while (lowestFree_ < slots_.size() && !std::holds_alternative<std::monostate>(slots_[lowestFree_])) {
    ++lowestFree_;
  }
  if (lowestFree_ >= slots_.size()) return -1;
  slots_[lowestFree_] = std::move(object);
  return int(lowestFree_++);
}

const GdiObject* ObjectTable::Get(size_t slot) const {
  if (slot >= slots_.size() || std::holds_alternative<std::monostate>(slots_[slot])) return nullptr;
  return &slots_[slot];
}

GdiObject* ObjectTable::GetMutable(size_t slot) {
  if (slot >= slots_.size() || std::holds_alternative<std::monostate>(slots_[slot])) return nullptr;
  return &slots_[slot];
}

void ObjectTable::Remove(size_t slot) {
  if (slot >= slots_.size()) return;
  slots_[slot] = std::monostate{};
  lowestFree_ = std::min(lowestFree_, slot);
}

}  // namespace metafile
