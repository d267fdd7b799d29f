#include "engine/drop_alpha.h"

#include <cstdint>
#include <cstring>

namespace vecrast {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the packing below assumes little-endian words");

// Packs four 4-byte pixels (two little-endian 64-bit words) into 12 bytes at a time: the
// alpha bytes, the top byte of each pixel, are squeezed out.
void DropAlphaFromLine(const BYTE* from, BYTE* to, unsigned width) {
  unsigned x = 0;
  for (; x + 4 <= width; x += 4, from += 16, to += 12) {
    uint64_t in[2];
    std::memcpy(in, from, sizeof(in));
    const uint64_t head = (in[0] & 0xFFFFFFu) | ((in[0] >> 8) & 0xFFFFFF000000u) | (in[1] << 48);
    const auto tail = static_cast<uint32_t>(((in[1] >> 16) & 0xFFu) | ((in[1] >> 24) & 0xFFFFFF00u));
    std::memcpy(to, &head, sizeof(head));
    std::memcpy(to + sizeof(head), &tail, sizeof(tail));
  }
  for (; x < width; ++x, from += 4, to += 3) std::memcpy(to, from, 3);
}

// The library converts byte by byte per line; this is the last step of every JPEG save, over
// the whole picture.
Bitmap DropAlpha(const Bitmap& bitmap) {
  FIBITMAP* source = bitmap.get();
  const unsigned width = FreeImage_GetWidth(source);
  const unsigned height = FreeImage_GetHeight(source);
  Bitmap result = Adopt(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 24, FI_RGBA_RED_MASK,
                                           FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
  if (!result) return nullptr;
  FreeImage_CloneMetadata(result.get(), source);
  FreeImage_SetDotsPerMeterX(result.get(), FreeImage_GetDotsPerMeterX(source));
  FreeImage_SetDotsPerMeterY(result.get(), FreeImage_GetDotsPerMeterY(source));
  for (unsigned y = 0; y < height; ++y) {
    const BYTE* from = FreeImage_GetScanLine(source, static_cast<int>(y));
    BYTE* to = FreeImage_GetScanLine(result.get(), static_cast<int>(y));
    DropAlphaFromLine(from, to, width);
  }
  return result;
}

}  // namespace vecrast
