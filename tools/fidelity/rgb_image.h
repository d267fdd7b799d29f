// An 8-bit RGB picture, the common ground on which renderings and references are compared.
#pragma once

#include <cstdint>
#include <vector>

#include "metafile/metafile.h"

namespace vecrast::fidelity {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // width × height × 3 bytes, top row first

  const uint8_t* Pixel(int x, int y) const { return &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3]; }
  uint8_t* Pixel(int x, int y) { return &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3]; }
};

// A blank image of the given size filled with one colour.
RgbImage MakeImage(int width, int height, uint8_t r, uint8_t g, uint8_t b);

// The player's 0xAARRGGBB pixels as RGB, alpha composed over white.
RgbImage FromPicture(const metafile::Picture& picture);

// Composes one 8-bit channel with the given alpha over white.
inline uint8_t OverWhite(uint32_t channel, uint32_t alpha) {
  return uint8_t((channel * alpha + 255u * (255u - alpha) + 127u) / 255u);
}

}  // namespace vecrast::fidelity
