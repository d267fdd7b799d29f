// Process-wide numbered font slots. The run's checks load the watermark font into slot
// kWatermarkFontSlot before the conversion starts and free it when the run ends; the
// watermark step only reads it.
#pragma once

#include <cairo.h>

#include <string>

namespace vecrast {

// Style flags of LoadFont, summed.
inline constexpr int kFontUnderline = 4;
inline constexpr int kFontStrikeOut = 8;
inline constexpr int kFontBold = 256;
inline constexpr int kFontItalic = 512;

inline constexpr int kWatermarkFontSlot = 2;
inline constexpr int kFontSlotCount = 8;

struct LoadedFont {
  cairo_font_face_t* face = nullptr;  // owned by the slot
  double pixelSize = 0;               // em height in pixels at 96 pixels per inch
  bool underline = false;
  bool strikeOut = false;
};

// Loads the font the metafile player draws the face name with (its font policy over the
// installed fonts; per-user and desktop font settings play no part), at `size` points and
// with the bold and italic flags, into the slot, replacing what it held. Underline and
// strike-out are kept for drawing. Returns false, leaving the slot empty, when the name is
// empty, the slot number is out of range or no font is installed. Call from one thread
// while no run uses the slot.
bool LoadFont(int slot, const std::string& faceName, int size, int styleFlags);

// The font in the slot, or null when the slot is empty or out of range.
const LoadedFont* FontInSlot(int slot);

// Empties the slot; an empty or out-of-range slot is left alone.
void FreeFont(int slot);

}  // namespace vecrast
