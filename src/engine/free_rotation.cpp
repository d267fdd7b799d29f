#include "engine/free_rotation.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <numbers>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vecrast {
namespace {

// Source positions are fixed point with 32 fraction bits: stepping across the widest row
// drifts by less than a thousandth of a pixel.
using Fixed = std::int64_t;
constexpr int kPositionBits = 32;
constexpr Fixed kFixedOne = Fixed{1} << kPositionBits;

// Bilinear fractions carry 8 bits. Positions are rounded to the nearest 1/256 pixel, which
// moves a blend by less than one level, so every result is within one level of the exact
// bilinear value; the four products of the fractions sum to exactly 1 << 16.
constexpr int kFractionBits = 8;
constexpr std::uint32_t kFractionOne = 1u << kFractionBits;
constexpr int kBlendBits = 2 * kFractionBits;

constexpr int kBytesPerPixel = 4;

struct Source {
  const BYTE* bits;
  std::size_t pitch;
  int width;
  int height;

  const BYTE* At(int x, int y) const {
    return bits + static_cast<std::size_t>(y) * pitch + static_cast<std::size_t>(x) * kBytesPerPixel;
  }
};

// Where the centre of a target pixel falls in the source, as the corner a bilinear sample
// starts from: at target (0, 0), per target row, and per target column.
struct Walk {
  double startX, startY;
  double rowX, rowY;
  Fixed stepX, stepY;
};

// The inverse of the turn that takes the source's centre to `centre` of the target. Rows are
// bottom first in the bitmap and in the walk alike, so turning the stored rows
// counter-clockwise turns the picture counter-clockwise too.
Walk WalkFor(double radians, int width, int height, const TurnedCanvas& target) {
  const double cosine = std::cos(radians);
  const double sine = std::sin(radians);
  const double dx = 0.5 - target.centreX;
  const double dy = 0.5 - target.centreY;
  return {cosine * dx + sine * dy + width / 2.0 - 0.5,
          -sine * dx + cosine * dy + height / 2.0 - 0.5,
          sine,
          cosine,
          std::llround(cosine * static_cast<double>(kFixedOne)),
          std::llround(-sine * static_cast<double>(kFixedOne))};
}

// Truncating a position to kFractionBits then rounds it to the nearest step.
Fixed ToFixed(double position) {
  constexpr Fixed kHalfStep = Fixed{1} << (kPositionBits - kFractionBits - 1);
  return std::llround(position * static_cast<double>(kFixedOne)) + kHalfStep;
}

int WholePart(Fixed position) { return static_cast<int>(position >> kPositionBits); }
std::uint32_t FractionPart(Fixed position) {
  return static_cast<std::uint32_t>(position >> (kPositionBits - kFractionBits)) & (kFractionOne - 1);
}

Fixed FloorDivide(Fixed a, Fixed b) {
  Fixed quotient = a / b;
  if (a % b != 0 && (a < 0) != (b < 0)) --quotient;
  return quotient;
}

struct Span {
  int begin, end;  // target columns, half open
};

Span Intersect(Span a, Span b) {
  const int begin = std::max(a.begin, b.begin);
  return {begin, std::max(begin, std::min(a.end, b.end))};
}

// The columns X within `columns` at which start + X * step lies in [low, high).
Span ColumnsWithin(Fixed start, Fixed step, Fixed low, Fixed high, Span columns) {
  Fixed begin = columns.begin, end = columns.end;
  if (step == 0) {
    if (start < low || start >= high) end = begin;
  } else if (step > 0) {
    begin = -FloorDivide(start - low, step);  // ceil((low - start) / step)
    end = -FloorDivide(start - high, step);   // ceil((high - start) / step)
  } else {
    begin = FloorDivide(high - start, step) + 1;
    end = FloorDivide(low - start, step) + 1;
  }
  begin = std::clamp<Fixed>(begin, columns.begin, columns.end);
  end = std::clamp<Fixed>(end, begin, columns.end);
  return {static_cast<int>(begin), static_cast<int>(end)};
}

// The columns whose sample corner lies in [left, right) x [bottom, top), in whole pixels.
Span ColumnsInBox(Fixed x, Fixed y, const Walk& walk, int left, int right, int bottom, int top,
                  Span columns) {
  return Intersect(ColumnsWithin(x, walk.stepX, left * kFixedOne, right * kFixedOne, columns),
                   ColumnsWithin(y, walk.stepY, bottom * kFixedOne, top * kFixedOne, columns));
}

static_assert(std::endian::native == std::endian::little && FI_RGBA_ALPHA == 3,
              "pixels are moved as little-endian words with alpha in the top byte");

std::uint32_t Word(const BYTE* pixel) {
  std::uint32_t word;
  std::memcpy(&word, pixel, sizeof word);
  return word;
}

// The bilinear blend of a pixel, its right neighbour and the two above them, opaque
// whatever their alpha: down first, then across, which is the same sum as weighting each
// pixel by the product of its two fractions.
#if defined(__SSE2__)
// The pixel pairs come as the low eight bytes of `lows` and `highs`.
inline std::uint32_t BlendPairs(__m128i lows, __m128i highs, std::uint32_t fx, std::uint32_t fy) {
  const __m128i zero = _mm_setzero_si128();
  lows = _mm_unpacklo_epi8(lows, zero);
  highs = _mm_unpacklo_epi8(highs, zero);
  // Down: at most 255 * 256 per channel, which fits the unsigned 16-bit lanes.
  const __m128i columns =
      _mm_add_epi16(_mm_mullo_epi16(lows, _mm_set1_epi16(static_cast<short>(kFractionOne - fy))),
                    _mm_mullo_epi16(highs, _mm_set1_epi16(static_cast<short>(fy))));
  // Across, in 32 bits: the left pixel's lanes by 1 - fx, the right one's by fx.
  const __m128i across = _mm_cvtsi32_si128(static_cast<int>((kFractionOne - fx) | fx << 16));
  const __m128i spread = _mm_unpacklo_epi16(across, across);
  const __m128i weights = _mm_unpacklo_epi32(spread, spread);
  const __m128i productLow = _mm_mullo_epi16(columns, weights);
  const __m128i productHigh = _mm_mulhi_epu16(columns, weights);
  __m128i sum = _mm_add_epi32(_mm_unpacklo_epi16(productLow, productHigh),
                              _mm_unpackhi_epi16(productLow, productHigh));
  sum = _mm_srli_epi32(_mm_add_epi32(sum, _mm_set1_epi32(1 << (kBlendBits - 1))), kBlendBits);
  sum = _mm_packs_epi32(sum, sum);
  sum = _mm_packus_epi16(sum, sum);
  return static_cast<std::uint32_t>(_mm_cvtsi128_si32(sum)) | 0xFF000000u;
}

inline std::uint32_t Blend(std::uint32_t low0, std::uint32_t low1, std::uint32_t high0,
                           std::uint32_t high1, std::uint32_t fx, std::uint32_t fy) {
  return BlendPairs(_mm_set_epi32(0, 0, static_cast<int>(low1), static_cast<int>(low0)),
                    _mm_set_epi32(0, 0, static_cast<int>(high1), static_cast<int>(high0)), fx, fy);
}

// `low` and its right neighbour, both in the source, and the two `pitch` bytes above them.
inline std::uint32_t BlendInside(const BYTE* low, std::size_t pitch, std::uint32_t fx, std::uint32_t fy) {
  return BlendPairs(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(low)),
                    _mm_loadl_epi64(reinterpret_cast<const __m128i*>(low + pitch)), fx, fy);
}
#else
inline std::uint32_t Blend(std::uint32_t low0, std::uint32_t low1, std::uint32_t high0,
                           std::uint32_t high1, std::uint32_t fx, std::uint32_t fy) {
  const std::uint32_t gx = kFractionOne - fx;
  const std::uint32_t gy = kFractionOne - fy;
  std::uint32_t blend = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    auto channel = [shift](std::uint32_t pixel) { return (pixel >> shift) & 0xFFu; };
    const std::uint32_t left = channel(low0) * gy + channel(high0) * fy;
    const std::uint32_t right = channel(low1) * gy + channel(high1) * fy;
    blend |= ((left * gx + right * fx + (1u << (kBlendBits - 1))) >> kBlendBits) << shift;
  }
  return blend;
}

inline std::uint32_t BlendInside(const BYTE* low, std::size_t pitch, std::uint32_t fx, std::uint32_t fy) {
  return Blend(Word(low), Word(low + kBytesPerPixel), Word(low + pitch),
               Word(low + pitch + kBytesPerPixel), fx, fy);
}
#endif

// A mirrored index: ... 1 0 | 0 1 ... size-1 | size-1 size-2 ...
int Reflect(int index, int size) {
  if (index >= 0 && index < size) return index;
  if (index < 0 && index >= -size) return -1 - index;
  if (index >= size && index < 2 * size) return 2 * size - 1 - index;
  const int period = 2 * size;
  int folded = index % period;
  if (folded < 0) folded += period;
  return folded < size ? folded : period - 1 - folded;
}

// Samples that reach past the source edge: a neighbour outside is the background (grown
// canvas) or its mirror image inside (kept canvas).
struct EdgeRule {
  bool reflect;
  std::uint32_t background;

  std::uint32_t Sample(const Source& source, Fixed x, Fixed y) const {
    const int x0 = WholePart(x), y0 = WholePart(y);
    const std::uint32_t fx = FractionPart(x), fy = FractionPart(y);
    if (reflect) {
      const int left = Reflect(x0, source.width), right = Reflect(x0 + 1, source.width);
      const int low = Reflect(y0, source.height), high = Reflect(y0 + 1, source.height);
      return Blend(Word(source.At(left, low)), Word(source.At(right, low)), Word(source.At(left, high)),
                   Word(source.At(right, high)), fx, fy);
    }
    auto pixel = [&](int px, int py) {
      const bool inside = px >= 0 && px < source.width && py >= 0 && py < source.height;
      return inside ? Word(source.At(px, py)) : background;
    };
    return Blend(pixel(x0, y0), pixel(x0 + 1, y0), pixel(x0, y0 + 1), pixel(x0 + 1, y0 + 1), fx, fy);
  }
};

void Store(std::uint32_t pixel, BYTE* row, int column) {
  std::memcpy(row + static_cast<std::size_t>(column) * kBytesPerPixel, &pixel, sizeof pixel);
}

// Columns [begin, end) of a row whose samples may reach past the source edge.
void SampleAtEdges(const Source& source, const EdgeRule& rule, Fixed x, Fixed y, const Walk& walk,
                   Span columns, BYTE* row) {
  const Fixed stepX = walk.stepX, stepY = walk.stepY;
  x += columns.begin * stepX;
  y += columns.begin * stepY;
  for (int column = columns.begin; column < columns.end; ++column, x += stepX, y += stepY)
    Store(rule.Sample(source, x, y), row, column);
}

// Columns [begin, end) of a row whose four neighbours all lie inside the source.
void SampleInside(const Source& source, Fixed x, Fixed y, const Walk& walk, Span columns, BYTE* row) {
  const Fixed stepX = walk.stepX, stepY = walk.stepY;
  const std::size_t pitch = source.pitch;
  x += columns.begin * stepX;
  y += columns.begin * stepY;
  for (int column = columns.begin; column < columns.end; ++column, x += stepX, y += stepY) {
    Store(BlendInside(source.At(WholePart(x), WholePart(y)), pitch, FractionPart(x), FractionPart(y)),
          row, column);
  }
}

void Fill(std::uint32_t color, Span columns, BYTE* row) {
  for (int column = columns.begin; column < columns.end; ++column) Store(color, row, column);
}

// One target row: the samples wholly inside the source take the fast loop; around them the
// edge rule applies, and on a grown canvas the columns that reach no source pixel at all are
// simply the background.
void TurnRow(const Source& source, const EdgeRule& rule, const Walk& walk, int rowIndex, Span columns,
             BYTE* row) {
  const Fixed x = ToFixed(walk.startX + rowIndex * walk.rowX);
  const Fixed y = ToFixed(walk.startY + rowIndex * walk.rowY);
  const Span touched =
      rule.reflect ? columns : ColumnsInBox(x, y, walk, -1, source.width, -1, source.height, columns);
  Span inside = ColumnsInBox(x, y, walk, 0, source.width - 1, 0, source.height - 1, touched);
  if (inside.begin == inside.end) inside = {touched.begin, touched.begin};
  Fill(rule.background, {columns.begin, touched.begin}, row);
  SampleAtEdges(source, rule, x, y, walk, {touched.begin, inside.begin}, row);
  SampleInside(source, x, y, walk, inside, row);
  SampleAtEdges(source, rule, x, y, walk, {inside.end, touched.end}, row);
  Fill(rule.background, {touched.end, columns.end}, row);
}

void TurnRows(const Source& source, const EdgeRule& rule, const Walk& walk, FIBITMAP* target,
              int firstRow, int endRow) {
  const Span columns{0, static_cast<int>(FreeImage_GetWidth(target))};
  for (int y = firstRow; y < endRow; ++y)
    TurnRow(source, rule, walk, y, columns, FreeImage_GetScanLine(target, y));
}

}  // namespace

Bitmap TurnImage(FIBITMAP* image, double degrees, RotationCanvas canvas, RgbaColor background,
                 int threads) {
  if (!image || FreeImage_GetImageType(image) != FIT_BITMAP || FreeImage_GetBPP(image) != 32 ||
      !FreeImage_HasPixels(image) || !std::isfinite(degrees))
    return nullptr;
  const int width = static_cast<int>(FreeImage_GetWidth(image));
  const int height = static_cast<int>(FreeImage_GetHeight(image));
  const double radians = degrees * std::numbers::pi / 180.0;
  const bool grow = canvas == RotationCanvas::kGrow;
  const TurnedCanvas frame = grow ? LibraryTurnedCanvas(width, height, degrees)
                                  : TurnedCanvas{width, height, width / 2.0, height / 2.0};
  const int turnedWidth = frame.width;
  const int turnedHeight = frame.height;
  Bitmap turned = Adopt(FreeImage_Allocate(turnedWidth, turnedHeight, 32, 0, 0, 0));
  if (!turned) return nullptr;
  const Source source{FreeImage_GetBits(image), FreeImage_GetPitch(image), width, height};
  const EdgeRule rule{!grow, 0xFF000000u | static_cast<std::uint32_t>(background.red) << 16 |
                                 static_cast<std::uint32_t>(background.green) << 8 | background.blue};
  const Walk walk = WalkFor(radians, width, height, frame);
  FIBITMAP* target = turned.get();
  const long long pixels = static_cast<long long>(turnedWidth) * turnedHeight;
  SplitRows(turnedHeight, RowThreads(pixels, threads),
            [&](int begin, int end) { TurnRows(source, rule, walk, target, begin, end); });
  return turned;
}

}  // namespace vecrast
