// Colour settings ("RRGGBB" texts) turned into RGBA values for drawing.
#pragma once

#include <cstdint>
#include <string_view>

namespace vecrast {

struct RgbaColor {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t alpha = 0;

  friend bool operator==(const RgbaColor&, const RgbaColor&) = default;
};

// A text of exactly six characters gives red, green and blue from its three hexadecimal
// pairs (a pair that is not hexadecimal reads as 0) with the given alpha, clamped to
// 0..255. Any other length gives transparent black.
RgbaColor ParseColor(std::string_view text, int alpha);

}  // namespace vecrast
