// Palette records that change the selected palette's entries (creating, selecting and
// realising palettes are object records of their own).
#include <algorithm>

#include "metafile/bitmap_records.h"

namespace metafile {

namespace {

enum : uint16_t { kSetPalEntries = 0x0037, kResizePalette = 0x0139, kAnimatePalette = 0x0436 };

constexpr size_t kMaxPaletteEntries = 4096;

Palette* SelectedPalette(Player& p) {
  if (p.dc.paletteIndex == 0xFFFF) return nullptr;
  GdiObject* object = p.objects.GetMutable(p.dc.paletteIndex);
  return object ? std::get_if<Palette>(object) : nullptr;
}

// Start index, count, then red, green, blue, flags per entry. Entries beyond the
// palette's size are not added.
void SetEntries(Player& p, const Record& r) {
  Palette* palette = SelectedPalette(p);
  if (!palette || !r.Has(2)) return;
  const size_t start = r.U16(0);
  const size_t count = r.U16(1);
  for (size_t i = 0; i < count && start + i < palette->entries.size() && r.HasBytes(4 + 4 * i, 4); ++i) {
    const size_t at = 4 + 4 * i;
    palette->entries[start + i] =
        uint32_t(r.U8At(at)) | (uint32_t(r.U8At(at + 1)) << 8) | (uint32_t(r.U8At(at + 2)) << 16);
  }
}

void ResizePalette(Player& p, const Record& r) {
  Palette* palette = SelectedPalette(p);
  if (!palette || !r.Has(1)) return;
  palette->entries.resize(std::min<size_t>(r.U16(0), kMaxPaletteEntries), 0);
}

}  // namespace

void RegisterPaletteRecords(RecordTable& table) {
  table.Add(kSetPalEntries, SetEntries);
  table.Add(kAnimatePalette, SetEntries);
  table.Add(kResizePalette, ResizePalette);
}

}  // namespace metafile
