// Device-independent bitmaps as metafile records carry them: a BITMAPINFOHEADER (or a
// later version) or a BITMAPCOREHEADER, the colour table, then the bits. Every field is
// checked against the bytes present; decoded sizes are bounded (bitmap_image.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "metafile/bitmap_image.h"
#include "metafile/gdi_objects.h"

namespace metafile {

enum DibColorUsage : uint16_t { kDibRgbColors = 0, kDibPalColors = 1 };

enum DibCompression : uint32_t {
  kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiJpeg = 4, kBiPng = 5, kBiAlphaBitfields = 6,
};

struct DibHeader {
  uint32_t headerSize = 0;
  int32_t width = 0;
  int32_t height = 0;  // negative: rows stored top row first
  uint16_t bitCount = 0;
  uint32_t compression = kBiRgb;
  uint32_t imageSize = 0;
  uint32_t colorsUsed = 0;
  uint32_t masks[3] = {0, 0, 0};  // red, green, blue for bit fields
  size_t colorEntries = 0;        // colour table entries present
  size_t bitsOffset = 0;          // where the bits start, from the header's first byte

  bool TopDown() const { return height < 0; }
  int Rows() const { return height < 0 ? -height : height; }
};

// Reads and checks the header; false when it is not a usable DIB header.
bool ReadDibHeader(const uint8_t* data, size_t size, uint16_t usage, DibHeader& header);

// Decodes a packed DIB (header, colour table, bits) of `size` bytes. With DIB_PAL_COLORS
// the table holds indices into `palette` (the DC's selected palette, COLORREFs).
// `maxRows` > 0 decodes only that many stored rows (scan lines passed to the device); the
// image is then that much shorter. False when the data is not a usable bitmap, when `gate`
// refuses its size, or when memory for it runs out. A run-length bitmap may also not claim
// far more pixels than its codes could reach (about 256 per byte).
bool DecodeDib(const uint8_t* data, size_t size, uint16_t usage, const std::vector<ColorRef>& palette,
               BitmapImage& image, int maxRows = 0, const DecodeGate& gate = {});

}  // namespace metafile
