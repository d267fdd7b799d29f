// A bitmap decoded from a record, ready to be drawn: 0xAARRGGBB pixels, top row first.
// Alpha 0xFF marks a pixel the bitmap defines; alpha 0 a pixel it leaves out (skipped by
// an RLE delta or line end), which drawing leaves untouched.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace metafile {

// Upper bound on the pixels of any bitmap we decode, compressed or not.
constexpr uint64_t kMaxBitmapPixels = uint64_t(1) << 26;
constexpr int kMaxBitmapSide = 1 << 20;

constexpr uint32_t kOpaquePixel = 0xFF000000u;

// Asked once by a decoder with the bitmap's size in pixels, after its headers are read and
// before any pixel is allocated or decoded: false refuses the bitmap. An empty gate lets
// every size through that BitmapSizeAllowed allows.
using DecodeGate = std::function<bool(uint64_t pixels)>;

inline bool PassesGate(const DecodeGate& gate, uint64_t pixels) { return !gate || gate(pixels); }

struct BitmapImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // width * height
  bool hasHoles = false;         // some pixel has alpha 0
  // A device-dependent monochrome bitmap: black pixels stand for clear bits, white for set
  // bits; drawing maps them to the DC's text and background colours.
  bool monochromeDdb = false;

  bool Empty() const { return width <= 0 || height <= 0; }
  uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// True when width × height is a size we are willing to allocate (at most `maxPixels`).
inline bool BitmapSizeAllowed(int64_t width, int64_t height, uint64_t maxPixels = kMaxBitmapPixels) {
  return width > 0 && height > 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide &&
         uint64_t(width) * uint64_t(height) <= std::min(maxPixels, kMaxBitmapPixels);
}

}  // namespace metafile
