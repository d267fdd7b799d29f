// Pattern brushes: CREATEPATTERNBRUSH with a device-dependent BITMAP16 and
// DIBCREATEPATTERNBRUSH with a DIB. Monochrome patterns of the BS_PATTERN kind paint
// clear bits in the text colour and set bits in the background colour; DIB patterns keep
// their own colours. A pattern that cannot be read still takes its object slot.
#include <memory>

#include "metafile/bitmap16.h"
#include "metafile/bitmap_records.h"
#include "metafile/dib_decode.h"
#include "metafile/palette_colors.h"
#include "metafile/work_budget.h"

namespace metafile {

namespace {

enum : uint16_t { kCreatePatternBrush = 0x01F9, kDibCreatePatternBrush = 0x0142 };

// Brush patterns are small tiles; a larger one is refused rather than kept per brush.
constexpr uint64_t kMaxPatternPixels = uint64_t(1) << 20;

// Decoding a pattern is paid for by its declared size first.
DecodeGate PaidPattern(Player& p) {
  return [&p](uint64_t pixels) {
    return pixels <= kMaxPatternPixels && p.backend.Charge(int64_t(pixels) * cost::kDecodedPixel);
  };
}

// CREATEPATTERNBRUSH: the BITMAP16 header with its bits pointer, 18 reserved bytes, bits.
constexpr size_t kPatternBitmap16BitsOffset = 32;

void AddPatternBrush(Player& p, uint16_t style, std::shared_ptr<PatternBitmap> pattern) {
  if (!pattern) {
    // A pattern left undecoded because the budget ran out is no bad record: playback stops.
    if (!p.backend.BudgetSpent()) p.NoteBadRecord();
    p.objects.Add(SlotHolder{});
    return;
  }
  p.objects.Add(Brush{style, 0, 0, std::move(pattern)});
}

std::shared_ptr<PatternBitmap> PatternFromImage(const BitmapImage& image) {
  auto pattern = std::make_shared<PatternBitmap>();
  pattern->width = image.width;
  pattern->height = image.height;
  if (image.monochromeDdb) {
    pattern->usesDcColors = true;
    pattern->monoBits.resize(image.pixels.size());
    for (size_t i = 0; i < image.pixels.size(); ++i) pattern->monoBits[i] = (image.pixels[i] & 0xFFFFFF) ? 1 : 0;
  } else {
    pattern->pixels.resize(image.pixels.size());
    for (size_t i = 0; i < image.pixels.size(); ++i) pattern->pixels[i] = image.pixels[i] & 0xFFFFFF;
  }
  return pattern;
}

// The bits of a monochrome DIB as set/clear flags, top row first.
std::shared_ptr<PatternBitmap> MonochromeDibPattern(const uint8_t* data, size_t size, const DibHeader& h) {
  if (h.bitCount != 1 || h.compression != kBiRgb) return nullptr;
  const size_t stride = ((size_t(h.width) + 31) / 32) * 4;
  const int rows = h.Rows();
  if (uint64_t(stride) * uint64_t(rows) > size - h.bitsOffset) return nullptr;
  auto pattern = std::make_shared<PatternBitmap>();
  pattern->width = h.width;
  pattern->height = rows;
  pattern->usesDcColors = true;
  pattern->monoBits.resize(size_t(h.width) * size_t(rows));
  for (int r = 0; r < rows; ++r) {
    const uint8_t* src = data + h.bitsOffset + size_t(r) * stride;
    uint8_t* out = pattern->monoBits.data() + size_t(h.TopDown() ? r : rows - 1 - r) * size_t(h.width);
    for (int x = 0; x < h.width; ++x) out[x] = (src[x >> 3] >> (7 - (x & 7))) & 1;
  }
  return pattern;
}

void CreatePatternBrush(Player& p, const Record& r) {
  BitmapImage image;
  std::shared_ptr<PatternBitmap> pattern;
  if (r.ParamBytes() >= kPatternBitmap16BitsOffset &&
      DecodeBitmap16(r.BytesAt(0, r.ParamBytes()), r.ParamBytes(), kPatternBitmap16BitsOffset, image,
                     PaidPattern(p))) {
    pattern = PatternFromImage(image);
  }
  AddPatternBrush(p, kBrushPattern, std::move(pattern));
}

// Style, colour usage, DIB. BS_PATTERN takes the DIB as a monochrome bitmap.
void DibCreatePatternBrush(Player& p, const Record& r) {
  if (!r.Has(2)) {
    AddPatternBrush(p, kBrushDibPattern, nullptr);
    return;
  }
  const uint16_t style = r.U16(0);
  const uint16_t usage = style == kBrushPattern ? uint16_t(kDibRgbColors) : r.U16(1);
  const size_t size = r.ParamBytes() - 4;
  const uint8_t* data = r.BytesAt(4, size);
  DibHeader header;
  std::shared_ptr<PatternBitmap> pattern;
  if (data && ReadDibHeader(data, size, usage, header)) {
    if (style == kBrushPattern && header.bitCount == 1) {
      const uint64_t pixels = uint64_t(header.width) * uint64_t(header.Rows());
      if (PaidPattern(p)(pixels)) pattern = MonochromeDibPattern(data, size, header);
    } else {
      BitmapImage image;
      if (DecodeDib(data, size, usage, SelectedPaletteEntries(p.dc, p.objects), image, 0, PaidPattern(p))) {
        pattern = PatternFromImage(image);
      }
    }
  }
  AddPatternBrush(p, style == kBrushPattern ? kBrushPattern : kBrushDibPatternPt, std::move(pattern));
}

}  // namespace

void RegisterPatternBrushRecords(RecordTable& table) {
  table.Add(kCreatePatternBrush, CreatePatternBrush);
  table.Add(kDibCreatePatternBrush, DibCreatePatternBrush);
}

}  // namespace metafile
