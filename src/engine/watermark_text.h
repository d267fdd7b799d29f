// The text watermark: lines of text in a box, drawn into a 32-bit overlay.
#pragma once

#include <string_view>

#include "engine/bitmap.h"
#include "engine/font_slots.h"
#include "engine/parse_color.h"

namespace vecrast {

struct TextWatermarkStyle {
  const LoadedFont* font = nullptr;
  int leading = 0;    // extra pixels between lines
  int padding = 0;    // pixels between the box edge and the text, every side
  int alignment = 0;  // of the lines within the box: 0 left, 1 centre, 2 right
  RgbaColor textColor;  // its alpha is the text's opacity
  RgbaColor backColor;  // its alpha is the box's opacity
  bool antialiased = false;
};

// Draws the text ("%eol%" in any letter case starts a new line) in a box measured with
// the font's plain metrics (LayoutTextBox). Plain drawing writes the text colour and
// opacity straight into the box's pixels; anti-aliased drawing lays the text over the
// box, each at its own opacity. Null without a font, for an empty box, or when a canvas
// cannot be made.
Bitmap RenderTextWatermark(std::string_view text, const TextWatermarkStyle& style);

}  // namespace vecrast
