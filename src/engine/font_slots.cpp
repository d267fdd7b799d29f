#include "engine/font_slots.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

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

Pattern MatchFont(const std::string& faceName, double pixelSize, int styleFlags) {
  Pattern request(FcPatternCreate());
  if (!request) return nullptr;
  FcPatternAddString(request.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(faceName.c_str()));
  FcPatternAddDouble(request.get(), FC_PIXEL_SIZE, pixelSize);
  FcPatternAddInteger(request.get(), FC_WEIGHT,
                      (styleFlags & kFontBold) ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(request.get(), FC_SLANT,
                      (styleFlags & kFontItalic) ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  if (!FcConfigSubstitute(nullptr, request.get(), FcMatchPattern)) return nullptr;
  FcDefaultSubstitute(request.get());
  FcResult result = FcResultNoMatch;
  Pattern match(FcFontMatch(nullptr, request.get(), &result));
  if (!match || result != FcResultMatch) return nullptr;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file ||
      access(reinterpret_cast<const char*>(file), R_OK) != 0)
    return nullptr;
  return match;
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// fontconfig loses a small block while it parses its configuration files, once per
// process; sanitizer builds tell LeakSanitizer to leave fontconfig's own allocations alone.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

bool LoadFont(int slot, const std::string& faceName, int size, int styleFlags) {
  if (!IsSlot(slot)) return false;
  FreeFont(slot);
  if (faceName.empty()) return false;
  const double pixelSize = PixelSizeFor(size);
  Pattern match = MatchFont(faceName, pixelSize, styleFlags);
  if (!match) return false;
  // The face keeps its own reference to the pattern.
  cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match.get());
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
