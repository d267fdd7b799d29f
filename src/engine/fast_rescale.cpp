#include "engine/fast_rescale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

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
// positions from there on, summing to one.
struct Contributions {
  std::vector<int> first;
  std::vector<int> count;
  std::vector<std::int32_t> weights;  // `window` per target position
  int window = 0;
};

// The library's mapping: target pixel centres taken back to the source, the kernel widened
// by the reduction when shrinking, weights normalised over the pixels inside the image.
Contributions Contribute(const Kernel& kernel, int targetSize, int sourceSize) {
  const double scale = static_cast<double>(targetSize) / sourceSize;
  const double width = scale < 1.0 ? kernel.radius / scale : kernel.radius;
  const double kernelScale = scale < 1.0 ? scale : 1.0;
  Contributions table;
  table.window = 2 * static_cast<int>(std::ceil(width)) + 1;
  table.first.resize(static_cast<std::size_t>(targetSize));
  table.count.resize(static_cast<std::size_t>(targetSize));
  table.weights.assign(static_cast<std::size_t>(targetSize) * table.window, 0);
  std::vector<double> exact(static_cast<std::size_t>(table.window));
  for (int t = 0; t < targetSize; ++t) {
    const double centre = t / scale + 0.5 / scale;
    const int left = std::max(0, static_cast<int>(centre - width + 0.5));
    const int right = std::min(static_cast<int>(centre + width + 0.5), sourceSize);
    const int count = std::clamp(right - left, 1, table.window);
    double total = 0;
    for (int i = 0; i < count; ++i) {
      exact[i] = kernel.value(kernelScale * (left + i + 0.5 - centre));
      total += exact[i];
    }
    std::int32_t* weights = &table.weights[static_cast<std::size_t>(t) * table.window];
    int largest = 0;
    std::int32_t sum = 0;
    for (int i = 0; i < count; ++i) {
      const double normal = total != 0 ? exact[i] / total : (i == 0 ? 1.0 : 0.0);
      weights[i] = static_cast<std::int32_t>(std::lround(normal * kWeightOne));
      sum += weights[i];
      if (std::abs(weights[i]) > std::abs(weights[largest])) largest = i;
    }
    weights[largest] += kWeightOne - sum;  // rounding must not change the overall level
    table.first[t] = std::min(left, sourceSize - 1);
    table.count[t] = count;
  }
  return table;
}

inline BYTE ToByte(std::int32_t sum) {
  return static_cast<BYTE>(std::clamp((sum + kWeightOne / 2) >> kWeightBits, 0, 255));
}

// Each target row from the source rows, byte by byte across the whole row.
void ResampleRows(FIBITMAP* source, FIBITMAP* target, const Contributions& rows, unsigned rowBytes) {
  const int sourceHeight = static_cast<int>(FreeImage_GetHeight(source));
  const int targetHeight = static_cast<int>(FreeImage_GetHeight(target));
  std::vector<std::int32_t> sums(rowBytes);
  for (int t = 0; t < targetHeight; ++t) {
    std::fill(sums.begin(), sums.end(), 0);
    const std::int32_t* weights = &rows.weights[static_cast<std::size_t>(t) * rows.window];
    for (int i = 0; i < rows.count[t]; ++i) {
      // Rows are stored bottom first; the mapping runs top down.
      const BYTE* line = FreeImage_GetScanLine(source, sourceHeight - 1 - (rows.first[t] + i));
      const std::int32_t weight = weights[i];
      for (unsigned b = 0; b < rowBytes; ++b) sums[b] += weight * line[b];
    }
    BYTE* out = FreeImage_GetScanLine(target, targetHeight - 1 - t);
    for (unsigned b = 0; b < rowBytes; ++b) out[b] = ToByte(sums[b]);
  }
}

// Each target column from the source columns, row by row.
template <unsigned Channels>
void ResampleColumns(FIBITMAP* source, FIBITMAP* target, const Contributions& columns) {
  const unsigned height = FreeImage_GetHeight(target);
  const unsigned width = FreeImage_GetWidth(target);
  for (unsigned y = 0; y < height; ++y) {
    const BYTE* line = FreeImage_GetScanLine(source, static_cast<int>(y));
    BYTE* out = FreeImage_GetScanLine(target, static_cast<int>(y));
    for (unsigned t = 0; t < width; ++t, out += Channels) {
      const std::int32_t* weights = &columns.weights[static_cast<std::size_t>(t) * columns.window];
      const BYTE* pixel = line + static_cast<std::size_t>(columns.first[t]) * Channels;
      std::int32_t sums[Channels] = {};
      for (int i = 0; i < columns.count[t]; ++i, pixel += Channels)
        for (unsigned c = 0; c < Channels; ++c) sums[c] += weights[i] * pixel[c];
      for (unsigned c = 0; c < Channels; ++c) out[c] = ToByte(sums[c]);
    }
  }
}

}  // namespace

Bitmap Resample(FIBITMAP* image, int width, int height, FREE_IMAGE_FILTER filter) {
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
  auto rows = [&](FIBITMAP* from, FIBITMAP* to) {
    ResampleRows(from, to, Contribute(kernel, height, static_cast<int>(FreeImage_GetHeight(from))),
                 FreeImage_GetWidth(from) * channels);
  };
  auto columns = [&](FIBITMAP* from, FIBITMAP* to) {
    const Contributions table = Contribute(kernel, width, static_cast<int>(FreeImage_GetWidth(from)));
    if (channels == 4)
      ResampleColumns<4>(from, to, table);
    else
      ResampleColumns<3>(from, to, table);
  };
  Bitmap target = Adopt(FreeImage_Allocate(width, height, static_cast<int>(bpp), 0, 0, 0));
  if (!target) return nullptr;
  // A side that keeps its size is copied, not filtered, as the library does: smoothing
  // kernels would otherwise blur it.
  if (width == sourceWidth) {
    rows(image, target.get());
    return target;
  }
  if (height == sourceHeight) {
    columns(image, target.get());
    return target;
  }
  // The library's order: across first when the width shrinks, down first when it grows.
  // Intermediate values are clamped to bytes, so the order shows where kernels overshoot.
  const bool columnsFirst = width < sourceWidth;
  const int middleWidth = columnsFirst ? width : sourceWidth;
  const int middleHeight = columnsFirst ? sourceHeight : height;
  Bitmap middle = Adopt(FreeImage_Allocate(middleWidth, middleHeight, static_cast<int>(bpp), 0, 0, 0));
  if (!middle) return nullptr;
  if (columnsFirst) {
    columns(image, middle.get());
    rows(middle.get(), target.get());
  } else {
    rows(image, middle.get());
    columns(middle.get(), target.get());
  }
  return target;
}

}  // namespace vecrast
