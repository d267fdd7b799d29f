// The metafile's object table: creation takes the lowest free slot, selection and deletion
// name a slot. The table's size is bounded; creations beyond it are dropped and unknown or
// empty slots are ignored, as GDI does on playback.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "metafile/gdi_objects.h"

namespace metafile {

class ObjectTable {
 public:
  static constexpr size_t kMaxObjects = 16384;

  // `declaredCount` is the metafile header's object count; the table holds at least a
  // small number of slots even when the header understates it.
  explicit ObjectTable(size_t declaredCount = 0);

  // Stores the object in the lowest free slot; returns the slot, or -1 when full.
  int Add(GdiObject object);
  // The object in a slot, or null for an empty or unknown slot.
  const GdiObject* Get(size_t slot) const;
  // The same, for records that change an object in place (palette entries).
  GdiObject* GetMutable(size_t slot);
  void Remove(size_t slot);
  size_t Capacity() const { return slots_.size(); }

 private:
  std::vector<GdiObject> slots_;
  size_t lowestFree_ = 0;
};

}  // namespace metafile
