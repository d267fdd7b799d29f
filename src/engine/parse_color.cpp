#include "engine/parse_color.h"

#include <algorithm>

#include "base/ascii_case.h"

namespace vecrast {
namespace {

std::uint8_t HexPair(char high, char low) {
  const int h = base::HexDigitValue(high);
  const int l = base::HexDigitValue(low);
  if (h < 0 || l < 0) return 0;
  return static_cast<std::uint8_t>(h * 16 + l);
}

}  // namespace

RgbaColor ParseColor(std::string_view text, int alpha) {
  if (text.size() != 6) return {};
  return {HexPair(text[0], text[1]), HexPair(text[2], text[3]), HexPair(text[4], text[5]),
          static_cast<std::uint8_t>(std::clamp(alpha, 0, 255))};
}

}  // namespace vecrast
