#include "metafile/bitmap16.h"

#include "base/little_endian.h"
#include "metafile/allocation.h"
#include "metafile/palette_colors.h"

namespace metafile {

namespace {

constexpr auto U16 = base::ReadLe16;

uint32_t Opaque(ColorRef c) { return kOpaquePixel | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

}  // namespace

bool DecodeBitmap16(const uint8_t* data, size_t size, size_t bitsOffset, BitmapImage& image,
                    const DecodeGate& gate) {
  image = BitmapImage{};
  if (!data || size < kBitmap16HeaderBytes || bitsOffset > size) return false;
  const int width = int16_t(U16(data + 2));
  const int height = int16_t(U16(data + 4));
  const size_t widthBytes = U16(data + 6);
  const unsigned planes = data[8];
  const unsigned bpp = data[9];
  if (planes != 1 || !BitmapSizeAllowed(width, height)) return false;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return false;
  if (widthBytes < (size_t(width) * bpp + 7) / 8) return false;
  if (uint64_t(widthBytes) * uint64_t(height) > size - bitsOffset) return false;
  if (!PassesGate(gate, uint64_t(width) * uint64_t(height))) return false;
  if (!TryAssign(image.pixels, size_t(width) * size_t(height), 0u)) return false;

  const uint8_t* bits = data + bitsOffset;
  const std::vector<ColorRef>& defaults = DefaultPaletteEntries();
  image.width = width;
  image.height = height;
  image.monochromeDdb = bpp == 1;
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = bits + size_t(y) * widthBytes;
    uint32_t* out = image.pixels.data() + size_t(y) * size_t(width);
    for (int x = 0; x < width; ++x) {
      switch (bpp) {
        case 1:
          out[x] = ((row[x >> 3] >> (7 - (x & 7))) & 1) ? 0xFFFFFFFFu : kOpaquePixel;
          break;
        case 4:
          out[x] = Opaque(defaults[((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF) % defaults.size()]);
          break;
        case 8:
          out[x] = Opaque(defaults[row[x] % defaults.size()]);
          break;
        default: {
          const uint8_t* p = row + size_t(x) * (bpp / 8);
          out[x] = kOpaquePixel | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
          break;
        }
      }
    }
  }
  return true;
}

}  // namespace metafile
