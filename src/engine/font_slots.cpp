#include "engine/font_slots.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "metafile/charset_decode.h"
#include "metafile/face_choice.h"

namespace vecrast {
namespace {

std::array<LoadedFont, kFontSlotCount> fontSlots;

bool IsSlot(int slot) { return slot >= 0 && slot < kFontSlotCount; }

struct PatternDestroyer {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDestroyer>;

// Point sizes become pixels at 96 pixels per inch, rounded as the font height of a
// Windows font request is; absurd sizes are kept within what can be drawn.
double PixelSizeFor(int points) {
  const int clamped = std::clamp(points, 1, 1000);
  return std::round(clamped * 96.0 / 72.0);
}

struct Style {
  int weight = FC_WEIGHT_REGULAR;
  int slant = FC_SLANT_ROMAN;
};

// The weight and slant the font file itself has.
Style StyleOfFile(const metafile::FontFile& file) {
  Style style;
  int count = 0;
  Pattern font(FcFreeTypeQuery(reinterpret_cast<const FcChar8*>(file.path.c_str()), unsigned(file.index), nullptr, &count));
  if (!font) return style;
  FcPatternGetInteger(font.get(), FC_WEIGHT, 0, &style.weight);
  FcPatternGetInteger(font.get(), FC_SLANT, 0, &style.slant);
  return style;
}

// The watermark font: the file the metafile player would draw the face name with, and
// rendering options fixed here, never taken from the desktop's or the user's font settings
// (they are those of Debian's default configuration: slight hinting by the font's own
// instructions, grey smoothing). A bold or italic request for a file without that style is
// synthesised, emboldened or slanted as fontconfig's standard rules do it.
Pattern FontPattern(const std::string& faceName, int styleFlags) {
  const bool bold = (styleFlags & kFontBold) != 0;
  const bool italic = (styleFlags & kFontItalic) != 0;
  const metafile::FontFile file = metafile::ChooseFace(faceName, metafile::kAnsiCharset, bold, italic).file;
  if (file.path.empty() || access(file.path.c_str(), R_OK) != 0) return nullptr;
  Pattern pattern(FcPatternCreate());
  if (!pattern) return nullptr;
  FcPatternAddString(pattern.get(), FC_FILE, reinterpret_cast<const FcChar8*>(file.path.c_str()));
  FcPatternAddInteger(pattern.get(), FC_INDEX, file.index);
  FcPatternAddBool(pattern.get(), FC_ANTIALIAS, FcTrue);
  FcPatternAddBool(pattern.get(), FC_HINTING, FcTrue);
  FcPatternAddInteger(pattern.get(), FC_HINT_STYLE, FC_HINT_SLIGHT);
  FcPatternAddBool(pattern.get(), FC_AUTOHINT, FcFalse);
  FcPatternAddInteger(pattern.get(), FC_LCD_FILTER, FC_LCD_DEFAULT);
  const Style style = StyleOfFile(file);
  if (bold && style.weight <= FC_WEIGHT_MEDIUM) FcPatternAddBool(pattern.get(), FC_EMBOLDEN, FcTrue);
  if (italic && style.slant == FC_SLANT_ROMAN) {
    const FcMatrix shear{1, 0.2, 0, 1};
    FcPatternAddMatrix(pattern.get(), FC_MATRIX, &shear);
  }
  return pattern;
}

}  // namespace

bool LoadFont(int slot, const std::string& faceName, int size, int styleFlags) {
  if (!IsSlot(slot)) return false;
  FreeFont(slot);
  if (faceName.empty()) return false;
  const double pixelSize = PixelSizeFor(size);
  Pattern pattern = FontPattern(faceName, styleFlags);
  if (!pattern) return false;
  // The face keeps its own reference to the pattern.
  cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(pattern.get());
  if (cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS) {
    cairo_font_face_destroy(face);
    return false;
  }
  fontSlots[slot] = {face, pixelSize, (styleFlags & kFontUnderline) != 0,
                     (styleFlags & kFontStrikeOut) != 0};
  return true;
}

const LoadedFont* FontInSlot(int slot) {
  if (!IsSlot(slot) || !fontSlots[slot].face) return nullptr;
  return &fontSlots[slot];
}

void FreeFont(int slot) {
  if (!IsSlot(slot) || !fontSlots[slot].face) return;
  cairo_font_face_destroy(fontSlots[slot].face);
  fontSlots[slot] = {};
}

}  // namespace vecrast
