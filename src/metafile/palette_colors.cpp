#include "metafile/palette_colors.h"

namespace metafile {

const std::vector<ColorRef>& DefaultPaletteEntries() {
  static const std::vector<ColorRef> entries = {
      0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
      0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
      0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
  };
  return entries;
}

const std::vector<ColorRef>& SelectedPaletteEntries(const DcState& dc, const ObjectTable& objects) {
  if (dc.paletteIndex != 0xFFFF) {
    if (const GdiObject* object = objects.Get(dc.paletteIndex)) {
      if (const Palette* palette = std::get_if<Palette>(object); palette && !palette->entries.empty()) {
        return palette->entries;
      }
    }
  }
  return DefaultPaletteEntries();
}

}  // namespace metafile
