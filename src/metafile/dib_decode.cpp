#include "metafile/dib_decode.h"

#include <algorithm>

#include "base/little_endian.h"
#include "metafile/allocation.h"
#include "metafile/dib_compressed.h"

namespace metafile {

namespace {

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kMaxHeaderSize = 1024;
constexpr size_t kMaxColorEntries = 256;

constexpr auto U16 = base::ReadLe16;
constexpr auto U32 = base::ReadLe32;

bool SupportedFormat(const DibHeader& h) {
  switch (h.compression) {
    case kBiRgb:
      return h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16 ||
             h.bitCount == 24 || h.bitCount == 32;
    case kBiRle8: return h.bitCount == 8 && !h.TopDown();
    case kBiRle4: return h.bitCount == 4 && !h.TopDown();
    case kBiBitfields:
    case kBiAlphaBitfields: return h.bitCount == 16 || h.bitCount == 32;
    case kBiJpeg:
    case kBiPng: return true;
    default: return false;
  }
}

uint32_t QuadToPixel(const uint8_t* q) {
  return kOpaquePixel | (uint32_t(q[2]) << 16) | (uint32_t(q[1]) << 8) | q[0];
}

// The colour table as opaque pixels; entries the table lacks are black, as GDI gives them.
std::vector<uint32_t> ReadColorTable(const uint8_t* data, const DibHeader& h, uint16_t usage,
                                     const std::vector<ColorRef>& palette) {
  const size_t tableStart = h.bitsOffset - h.colorEntries * (usage == kDibPalColors ? 2 : (h.headerSize == kCoreHeaderSize ? 3 : 4));
  std::vector<uint32_t> table(kMaxColorEntries, kOpaquePixel);
  for (size_t i = 0; i < h.colorEntries; ++i) {
    if (usage == kDibPalColors) {
      const uint16_t index = U16(data + tableStart + 2 * i);
      const ColorRef c = palette.empty() ? 0 : palette[index % palette.size()];
      table[i] = kOpaquePixel | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    } else {
      table[i] = QuadToPixel(data + tableStart + i * (h.headerSize == kCoreHeaderSize ? 3 : 4));
    }
  }
  return table;
}

// A channel of a bit-field pixel, widened to 8 bits by repeating its bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(uint32_t m) : mask(m) {
    if (!m) return;
    while (!((m >> shift) & 1)) ++shift;
    while (shift + bits < 32 && ((m >> (shift + bits)) & 1)) ++bits;
  }
  uint32_t Value(uint32_t px) const {
    if (bits == 0) return 0;
    uint32_t v = (px & mask) >> shift;
    if (bits >= 8) return (v >> (bits - 8)) & 0xFF;
    uint32_t out = v << (8 - bits);
    for (int filled = bits; filled < 8; filled += bits) out |= out >> bits;
    return out & 0xFF;
  }
};

size_t RowStride(const DibHeader& h) { return ((size_t(h.width) * h.bitCount + 31) / 32) * 4; }

// Whether `rows` stored rows fit in `available` bytes; the last row may lack its padding.
bool RowsPresent(const DibHeader& h, int rows, size_t available) {
  const size_t rowBytes = (size_t(h.width) * h.bitCount + 7) / 8;
  return uint64_t(RowStride(h)) * uint64_t(rows - 1) + rowBytes <= available;
}

bool DecodeUncompressed(const uint8_t* bits, const DibHeader& h,
                        const std::vector<uint32_t>& table, int rows, BitmapImage& image) {
  const size_t stride = RowStride(h);
  uint32_t masks[3] = {h.masks[0], h.masks[1], h.masks[2]};
  if (h.compression == kBiRgb && h.bitCount == 16) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  } else if (h.compression == kBiRgb && h.bitCount == 32) {
    masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  }
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
  for (int r = 0; r < rows; ++r) {
    const uint8_t* src = bits + size_t(r) * stride;
    uint32_t* out = image.pixels.data() + size_t(h.TopDown() ? r : rows - 1 - r) * size_t(h.width);
    switch (h.bitCount) {
      case 1:
        for (int x = 0; x < h.width; ++x) out[x] = table[(src[x >> 3] >> (7 - (x & 7))) & 1];
        break;
      case 4:
        for (int x = 0; x < h.width; ++x) out[x] = table[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
        break;
      case 8:
        for (int x = 0; x < h.width; ++x) out[x] = table[src[x]];
        break;
      case 24:
        for (int x = 0; x < h.width; ++x) out[x] = QuadToPixel(src + 3 * size_t(x));
        break;
      case 16:
        for (int x = 0; x < h.width; ++x) {
          const uint32_t px = U16(src + 2 * size_t(x));
          out[x] = kOpaquePixel | (red.Value(px) << 16) | (green.Value(px) << 8) | blue.Value(px);
        }
        break;
      case 32:
        if (h.compression == kBiRgb) {
          for (int x = 0; x < h.width; ++x) out[x] = QuadToPixel(src + 4 * size_t(x));
        } else {
          for (int x = 0; x < h.width; ++x) {
            const uint32_t px = U32(src + 4 * size_t(x));
            out[x] = kOpaquePixel | (red.Value(px) << 16) | (green.Value(px) << 8) | blue.Value(px);
          }
        }
        break;
      default:
        return false;
    }
  }
  return true;
}

// RLE8 and RLE4: runs and escapes (0 end of line, 1 end of bitmap, 2 delta, n literal
// pixels). Rows go bottom up. Pixels outside the bitmap are dropped; pixels no code
// reaches stay holes.
void DecodeRle(const uint8_t* data, size_t size, const DibHeader& h, const std::vector<uint32_t>& table,
               int rows, BitmapImage& image) {
  const bool four = h.compression == kBiRle4;
  const int width = h.width;
  int x = 0, y = 0;
  auto put = [&](unsigned index) {
    if (x >= 0 && x < width && y < rows) image.pixels[size_t(rows - 1 - y) * size_t(width) + size_t(x)] = table[index & 0xFF];
    ++x;
  };
  size_t pos = 0;
  while (pos + 2 <= size && y < rows) {
    const unsigned count = data[pos];
    const unsigned value = data[pos + 1];
    pos += 2;
    if (count > 0) {
      const unsigned n = std::min<unsigned>(count, unsigned(std::max(0, width - x)));
      for (unsigned i = 0; i < n; ++i) put(four ? ((i & 1) ? value & 0xF : value >> 4) : value);
      x = std::min(width, x + int(count - n));
      continue;
    }
    if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (pos + 2 > size) break;
      x = std::min(width, x + data[pos]);
      y += data[pos + 1];
      pos += 2;
    } else {
      const size_t bytes = four ? (value + 1) / 2 : value;
      if (pos + bytes > size) break;
      for (unsigned i = 0; i < value; ++i) {
        if (x >= width) break;
        put(four ? ((i & 1) ? data[pos + i / 2] & 0xF : data[pos + i / 2] >> 4) : data[pos + i]);
      }
      pos += (bytes + 1) & ~size_t(1);  // literal runs are padded to a word
    }
  }
}

bool DecodeEmbeddedFile(const uint8_t* bits, size_t available, const DibHeader& h, const DecodeGate& gate,
                        BitmapImage& image) {
  const size_t size = h.imageSize ? std::min<size_t>(h.imageSize, available) : available;
  return h.compression == kBiJpeg ? DecodeJpegImage(bits, size, gate, image) : DecodePngImage(bits, size, gate, image);
}

// Pixels a run-length bitmap of `bytes` may claim: every two bytes reach at most 255
// pixels, with room for small pictures skipped by deltas.
constexpr uint64_t kRleFreePixels = uint64_t(1) << 22;
constexpr uint64_t kRlePixelsPerByte = 256;

}  // namespace

bool ReadDibHeader(const uint8_t* data, size_t size, uint16_t usage, DibHeader& h) {
  if (!data || size < 4 || usage > kDibPalColors) return false;
  h = DibHeader{};
  h.headerSize = U32(data);
  if (h.headerSize == kCoreHeaderSize) {
    if (size < kCoreHeaderSize) return false;
    h.width = U16(data + 4);
    h.height = U16(data + 6);
    h.bitCount = U16(data + 10);
  } else if (h.headerSize >= kInfoHeaderSize && h.headerSize <= kMaxHeaderSize) {
    if (size < kInfoHeaderSize) return false;
    h.width = int32_t(U32(data + 4));
    h.height = int32_t(U32(data + 8));
    h.bitCount = U16(data + 14);
    h.compression = U32(data + 16);
    h.imageSize = U32(data + 20);
    h.colorsUsed = U32(data + 32);
  } else {
    return false;
  }
  if (h.height == INT32_MIN || !SupportedFormat(h)) return false;
  if (h.compression != kBiJpeg && h.compression != kBiPng && !BitmapSizeAllowed(h.width, h.Rows())) return false;

  size_t offset = std::max<size_t>(h.headerSize, kInfoHeaderSize);
  if (h.headerSize == kCoreHeaderSize) offset = kCoreHeaderSize;
  if (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) {
    const size_t maskCount = h.compression == kBiBitfields ? 3 : 4;
    // A plain info header is followed by the masks; later versions hold them inside.
    if (h.headerSize == kInfoHeaderSize) offset += 4 * maskCount;
    if (size < kInfoHeaderSize + 12) return false;
    for (int i = 0; i < 3; ++i) h.masks[i] = U32(data + kInfoHeaderSize + 4 * size_t(i));
  }
  if (h.headerSize == kCoreHeaderSize) {
    h.colorEntries = h.bitCount <= 8 ? size_t(1) << h.bitCount : 0;
  } else {
    h.colorEntries = std::min<size_t>(h.colorsUsed, kMaxColorEntries);
    if (h.colorEntries == 0 && h.bitCount >= 1 && h.bitCount <= 8) h.colorEntries = size_t(1) << h.bitCount;
  }
  const size_t entryBytes = usage == kDibPalColors ? 2 : (h.headerSize == kCoreHeaderSize ? 3 : 4);
  h.bitsOffset = offset + h.colorEntries * entryBytes;
  return h.bitsOffset <= size;
}

bool DecodeDib(const uint8_t* data, size_t size, uint16_t usage, const std::vector<ColorRef>& palette,
               BitmapImage& image, int maxRows, const DecodeGate& gate) {
  image = BitmapImage{};
  DibHeader h;
  if (!ReadDibHeader(data, size, usage, h)) return false;
  const uint8_t* bits = data + h.bitsOffset;
  const size_t available = size - h.bitsOffset;
  if (h.compression == kBiJpeg || h.compression == kBiPng) {
    if (!DecodeEmbeddedFile(bits, available, h, gate, image)) {
      image = BitmapImage{};
      return false;
    }
    return true;
  }
  const int rows = maxRows > 0 ? std::min(maxRows, h.Rows()) : h.Rows();
  if (!BitmapSizeAllowed(h.width, rows)) return false;
  const std::vector<uint32_t> table = ReadColorTable(data, h, usage, palette);
  image.width = h.width;
  image.height = rows;
  if (h.compression == kBiRle8 || h.compression == kBiRle4) {
    const size_t rleBytes = h.imageSize ? std::min<size_t>(h.imageSize, available) : available;
    const uint64_t pixels = uint64_t(h.width) * uint64_t(rows);
    if (pixels > kRleFreePixels + kRlePixelsPerByte * rleBytes || !PassesGate(gate, pixels) ||
        !TryAssign(image.pixels, size_t(pixels), 0u)) {
      image = BitmapImage{};
      return false;
    }
    DecodeRle(bits, rleBytes, h, table, rows, image);
    image.hasHoles = std::any_of(image.pixels.begin(), image.pixels.end(), [](uint32_t p) { return p == 0; });
    return true;
  }
  const uint64_t pixels = uint64_t(h.width) * uint64_t(rows);
  if (!RowsPresent(h, rows, available) || !PassesGate(gate, pixels) || !TryAssign(image.pixels, size_t(pixels), 0u)) {
    image = BitmapImage{};
    return false;
  }
  if (!DecodeUncompressed(bits, h, table, rows, image)) {
    image = BitmapImage{};
    return false;
  }
  return true;
}

}  // namespace metafile
