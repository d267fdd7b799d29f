#include "engine/fast_rescale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/row_split.h"

namespace vecrast {
namespace {

// Weights carry 14 fraction bits: sums of eight-bit samples times weights fit 32 bits
// even for kernels with negative lobes.
constexpr int kWeightBits = 14;
constexpr int kWeightOne = 1 << kWeightBits;

struct Kernel {
  double radius;
  double (*value)(double x);
};

double Box(double x) { return std::abs(x) <= 0.5 ? 1.0 : 0.0; }
double Triangle(double x) {
  x = std::abs(x);
  return x < 1.0 ? 1.0 - x : 0.0;
}
double CubicBSpline(double x) {
  x = std::abs(x);
  if (x < 1.0) return (4.0 + x * x * (3.0 * x - 6.0)) / 6.0;
  if (x < 2.0) {
    const double t = 2.0 - x;
    return t * t * t / 6.0;
  }
  return 0.0;
}
// The cubic family of Mitchell and Netravali with parameters b and c.
double Cubic(double x, double b, double c) {
  x = std::abs(x);
  if (x < 1.0)
    return ((6 - 2 * b) + x * x * ((-18 + 12 * b + 6 * c) + x * (12 - 9 * b - 6 * c))) / 6.0;
  if (x < 2.0)
    return ((8 * b + 24 * c) + x * ((-12 * b - 48 * c) + x * ((6 * b + 30 * c) + x * (-b - 6 * c)))) / 6.0;
  return 0.0;
}
double Mitchell(double x) { return Cubic(x, 1.0 / 3.0, 1.0 / 3.0); }
double CatmullRom(double x) { return Cubic(x, 0.0, 0.5); }
double Sinc(double x) {
  if (x == 0.0) return 1.0;
  const double a = x * std::numbers::pi;
  return std::sin(a) / a;
}
double Lanczos3(double x) { return std::abs(x) < 3.0 ? Sinc(x) * Sinc(x / 3.0) : 0.0; }

bool KernelFor(FREE_IMAGE_FILTER filter, Kernel& kernel) {
  switch (filter) {
    case FILTER_BOX: kernel = {0.5, Box}; return true;
    case FILTER_BILINEAR: kernel = {1.0, Triangle}; return true;
    case FILTER_BSPLINE: kernel = {2.0, CubicBSpline}; return true;
    case FILTER_BICUBIC: kernel = {2.0, Mitchell}; return true;
    case FILTER_CATMULLROM: kernel = {2.0, CatmullRom}; return true;
    case FILTER_LANCZOS3: kernel = {3.0, Lanczos3}; return true;
    default: return false;
  }
}

// For each target position, the first source position it reads and the weights of the
// positions from there on, summing to one. The weights of one position are contiguous and
// padded with zeros to an even `window`, so that they can be taken two at a time.
struct Contributions {
  std::vector<int> first;
  std::vector<int> count;
  std::vector<std::int16_t> weights;
  int window = 0;

  const std::int16_t* WeightsOf(int target) const {
    return &weights[static_cast<std::size_t>(target) * window];
  }
};

// The library's mapping: target pixel centres taken back to the source, the kernel widened
// by the reduction when shrinking, weights normalised over the pixels inside the image.
// False if a weight does not fit 16 bits (no kernel here comes near that).
bool Contribute(const Kernel& kernel, int targetSize, int sourceSize, Contributions& table) {
  const double scale = static_cast<double>(targetSize) / sourceSize;
  const double width = scale < 1.0 ? kernel.radius / scale : kernel.radius;
  const double kernelScale = scale < 1.0 ? scale : 1.0;
  const int span = 2 * static_cast<int>(std::ceil(width)) + 1;
  table.window = span + 1;
  table.first.resize(static_cast<std::size_t>(targetSize));
  table.count.resize(static_cast<std::size_t>(targetSize));
  table.weights.assign(static_cast<std::size_t>(targetSize) * table.window, 0);
  std::vector<double> exact(static_cast<std::size_t>(span));
  std::vector<std::int32_t> fixed(static_cast<std::size_t>(span));
  for (int t = 0; t < targetSize; ++t) {
    const double centre = t / scale + 0.5 / scale;
    const int left = std::max(0, static_cast<int>(centre - width + 0.5));
    const int right = std::min(static_cast<int>(centre + width + 0.5), sourceSize);
    const int count = std::clamp(right - left, 1, span);
    double total = 0;
    for (int i = 0; i < count; ++i) {
      exact[i] = kernel.value(kernelScale * (left + i + 0.5 - centre));
      total += exact[i];
    }
    int largest = 0;
    std::int32_t sum = 0;
    for (int i = 0; i < count; ++i) {
      const double normal = total != 0 ? exact[i] / total : (i == 0 ? 1.0 : 0.0);
      fixed[i] = static_cast<std::int32_t>(std::lround(normal * kWeightOne));
      sum += fixed[i];
      if (std::abs(fixed[i]) > std::abs(fixed[largest])) largest = i;
    }
    fixed[largest] += kWeightOne - sum;  // rounding must not change the overall level
    std::int16_t* weights = &table.weights[static_cast<std::size_t>(t) * table.window];
    for (int i = 0; i < count; ++i) {
      if (fixed[i] < INT16_MIN || fixed[i] > INT16_MAX) return false;
      weights[i] = static_cast<std::int16_t>(fixed[i]);
    }
    table.first[t] = std::min(left, sourceSize - 1);
    table.count[t] = count;
  }
  return true;
}

inline BYTE ToByte(std::int32_t sum) {
  return static_cast<BYTE>(std::clamp((sum + kWeightOne / 2) >> kWeightBits, 0, 255));
}

#if defined(__SSE2__)
// Two 16-bit weights side by side, as _mm_madd_epi16 pairs them with two samples.
__m128i WeightPair(const std::int16_t* weights) {
  std::int32_t pair;
  std::memcpy(&pair, weights, sizeof pair);
  return _mm_set1_epi32(pair);
}

// Sums rounded to levels; packing them down to bytes then clamps them as ToByte does.
__m128i Rounded(__m128i sums) {
  return _mm_srai_epi32(_mm_add_epi32(sums, _mm_set1_epi32(kWeightOne / 2)), kWeightBits);
}

// Sixteen sums to sixteen bytes.
__m128i ToBytes(const __m128i (&sums)[4]) {
  return _mm_packus_epi16(_mm_packs_epi32(Rounded(sums[0]), Rounded(sums[1])),
                          _mm_packs_epi32(Rounded(sums[2]), Rounded(sums[3])));
}
#endif

// Target rows [begin, end), each from the source rows, byte by byte across the whole row:
// with SSE2 sixteen bytes and two source rows at a time.
void ResampleRows(FIBITMAP* source, FIBITMAP* target, const Contributions& rows, unsigned rowBytes,
                  int begin, int end) {
  const int sourceHeight = static_cast<int>(FreeImage_GetHeight(source));
  const int targetHeight = static_cast<int>(FreeImage_GetHeight(target));
  std::vector<const BYTE*> lines(static_cast<std::size_t>(rows.window));
  for (int t = begin; t < end; ++t) {
    const int count = rows.count[t];
    const std::int16_t* weights = rows.WeightsOf(t);
    // Rows are stored bottom first; the mapping runs top down.
    for (int i = 0; i < count; ++i)
      lines[i] = FreeImage_GetScanLine(source, sourceHeight - 1 - (rows.first[t] + i));
    BYTE* out = FreeImage_GetScanLine(target, targetHeight - 1 - t);
    unsigned b = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; b + 16 <= rowBytes; b += 16) {
      __m128i sums[4] = {zero, zero, zero, zero};
      for (int i = 0; i < count; i += 2) {
        // The odd last row pairs with zeros (its partner's weight is the zero padding).
        const __m128i upper = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lines[i] + b));
        const __m128i lower =
            i + 1 < count ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(lines[i + 1] + b)) : zero;
        const __m128i pair = WeightPair(weights + i);
        const __m128i mixedLow = _mm_unpacklo_epi8(upper, lower);
        const __m128i mixedHigh = _mm_unpackhi_epi8(upper, lower);
        sums[0] = _mm_add_epi32(sums[0], _mm_madd_epi16(_mm_unpacklo_epi8(mixedLow, zero), pair));
        sums[1] = _mm_add_epi32(sums[1], _mm_madd_epi16(_mm_unpackhi_epi8(mixedLow, zero), pair));
        sums[2] = _mm_add_epi32(sums[2], _mm_madd_epi16(_mm_unpacklo_epi8(mixedHigh, zero), pair));
        sums[3] = _mm_add_epi32(sums[3], _mm_madd_epi16(_mm_unpackhi_epi8(mixedHigh, zero), pair));
      }
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + b), ToBytes(sums));
    }
#endif
    for (; b < rowBytes; ++b) {
      std::int32_t sum = 0;
      for (int i = 0; i < count; ++i) sum += weights[i] * lines[i][b];
      out[b] = ToByte(sum);
    }
  }
}

// Target columns of rows [begin, end), each pixel from the source pixels beside it.
template <unsigned Channels>
void ResampleColumns(FIBITMAP* source, FIBITMAP* target, const Contributions& columns, int begin,
                     int end) {
  const unsigned width = FreeImage_GetWidth(target);
  for (int y = begin; y < end; ++y) {
    const BYTE* line = FreeImage_GetScanLine(source, y);
    BYTE* out = FreeImage_GetScanLine(target, y);
    for (unsigned t = 0; t < width; ++t, out += Channels) {
      const std::int16_t* weights = columns.WeightsOf(static_cast<int>(t));
      const BYTE* pixel = line + static_cast<std::size_t>(columns.first[t]) * Channels;
      std::int32_t sums[Channels] = {};
      for (int i = 0; i < columns.count[t]; ++i, pixel += Channels)
        for (unsigned c = 0; c < Channels; ++c) sums[c] += weights[i] * pixel[c];
      for (unsigned c = 0; c < Channels; ++c) out[c] = ToByte(sums[c]);
    }
  }
}

#if defined(__SSE2__)
// Four channels: the channels of two neighbouring source pixels side by side in one register,
// weighted and summed by one _mm_madd_epi16.
template <>
void ResampleColumns<4>(FIBITMAP* source, FIBITMAP* target, const Contributions& columns, int begin,
                        int end) {
  const unsigned width = FreeImage_GetWidth(target);
  const __m128i zero = _mm_setzero_si128();
  for (int y = begin; y < end; ++y) {
    const BYTE* line = FreeImage_GetScanLine(source, y);
    BYTE* out = FreeImage_GetScanLine(target, y);
    for (unsigned t = 0; t < width; ++t, out += 4) {
      const std::int16_t* weights = columns.WeightsOf(static_cast<int>(t));
      const BYTE* pixel = line + static_cast<std::size_t>(columns.first[t]) * 4;
      const int count = columns.count[t];
      __m128i sums = zero;
      int i = 0;
      for (; i + 1 < count; i += 2, pixel += 8) {
        const __m128i both = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(pixel)), zero);
        const __m128i paired = _mm_unpacklo_epi16(both, _mm_srli_si128(both, 8));
        sums = _mm_add_epi32(sums, _mm_madd_epi16(paired, WeightPair(weights + i)));
      }
      if (i < count) {  // the last of an odd count pairs with the zero padding
        std::int32_t word;
        std::memcpy(&word, pixel, sizeof word);
        const __m128i alone = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(word), zero), zero);
        sums = _mm_add_epi32(sums, _mm_madd_epi16(alone, WeightPair(weights + i)));
      }
      const __m128i words = _mm_packs_epi32(Rounded(sums), Rounded(sums));
      const std::int32_t bytes = _mm_cvtsi128_si32(_mm_packus_epi16(words, words));
      std::memcpy(out, &bytes, sizeof bytes);
    }
  }
}
#endif

}  // namespace

Bitmap Resample(FIBITMAP* image, int width, int height, FREE_IMAGE_FILTER filter, int threads) {
  Kernel kernel;
  if (!image || width <= 0 || height <= 0 || !KernelFor(filter, kernel) ||
      FreeImage_GetImageType(image) != FIT_BITMAP || !FreeImage_HasPixels(image))
    return nullptr;
  const unsigned bpp = FreeImage_GetBPP(image);
  if (bpp != 24 && bpp != 32) return nullptr;
  const int sourceWidth = static_cast<int>(FreeImage_GetWidth(image));
  const int sourceHeight = static_cast<int>(FreeImage_GetHeight(image));
  // Past a reduction of 64 the fixed-point weights of the widened kernel get too coarse;
  // the library's floating-point resampler takes those.
  if (64LL * width < sourceWidth || 64LL * height < sourceHeight) return nullptr;
  if (width == sourceWidth && height == sourceHeight) return Adopt(FreeImage_Clone(image));
  const unsigned channels = bpp / 8;
  // A pass is shared between threads by target rows when it reads or writes many pixels.
  auto threadsFor = [&](FIBITMAP* from, FIBITMAP* to) {
    const long long pixels = std::max(
        static_cast<long long>(FreeImage_GetWidth(from)) * FreeImage_GetHeight(from),
        static_cast<long long>(FreeImage_GetWidth(to)) * FreeImage_GetHeight(to));
    return RowThreads(pixels, threads);
  };
  auto rows = [&](FIBITMAP* from, FIBITMAP* to) {
    Contributions table;
    if (!Contribute(kernel, height, static_cast<int>(FreeImage_GetHeight(from)), table)) return false;
    const unsigned rowBytes = FreeImage_GetWidth(from) * channels;
    SplitRows(height, threadsFor(from, to),
              [&](int begin, int end) { ResampleRows(from, to, table, rowBytes, begin, end); });
    return true;
  };
  auto columns = [&](FIBITMAP* from, FIBITMAP* to) {
    Contributions table;
    if (!Contribute(kernel, width, static_cast<int>(FreeImage_GetWidth(from)), table)) return false;
    SplitRows(static_cast<int>(FreeImage_GetHeight(to)), threadsFor(from, to), [&](int begin, int end) {
      if (channels == 4)
        ResampleColumns<4>(from, to, table, begin, end);
      else
        ResampleColumns<3>(from, to, table, begin, end);
    });
    return true;
  };
  Bitmap target = Adopt(FreeImage_Allocate(width, height, static_cast<int>(bpp), 0, 0, 0));
  if (!target) return nullptr;
  // A side that keeps its size is copied, not filtered, as the library does: smoothing
  // kernels would otherwise blur it.
  if (width == sourceWidth) return rows(image, target.get()) ? std::move(target) : nullptr;
  if (height == sourceHeight) return columns(image, target.get()) ? std::move(target) : nullptr;
  // The library's order: across first when the width shrinks, down first when it grows.
  // Intermediate values are clamped to bytes, so the order shows where kernels overshoot.
  const bool columnsFirst = width < sourceWidth;
  const int middleWidth = columnsFirst ? width : sourceWidth;
  const int middleHeight = columnsFirst ? sourceHeight : height;
  Bitmap middle = Adopt(FreeImage_Allocate(middleWidth, middleHeight, static_cast<int>(bpp), 0, 0, 0));
  if (!middle) return nullptr;
  const bool done = columnsFirst
                        ? columns(image, middle.get()) && rows(middle.get(), target.get())
                        : rows(image, middle.get()) && columns(middle.get(), target.get());
  return done ? std::move(target) : nullptr;
}

}  // namespace vecrast
