#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>

#include "engine/fast_rescale.h"
#include "engine/pipeline.h"
#include "settings/settings.h"

namespace vecrast {
namespace {

// The largest resize target: a JPEG holds at most 65500 pixels a side, and beyond 2^28 pixels
// the allocation alone would be a hazard.
constexpr long long kMaxSide = 65500;
constexpr long long kMaxArea = 1LL << 28;

constexpr int kPixels = 0;
constexpr int kPercent = 1;
constexpr int kLargeImagesOnly = 1;

// value percent of current, rounded to the nearest integer with ties to even; computed
// exactly, so that 50 % of 301 is 150 and not whatever 0.5 × 301 rounds to in floating point.
long long PercentOf(long long value, long long current) {
  const long long product = value * current;
  long long quotient = product / 100;
  long long remainder = product % 100;
  if (remainder < 0) {  // floor division
    remainder += 100;
    quotient -= 1;
  }
  if (remainder > 50 || (remainder == 50 && quotient % 2 != 0)) ++quotient;
  return quotient;
}

long long ToPixels(int value, int unit, int current) {
  switch (unit) {
    case kPixels: return value;
    case kPercent: return PercentOf(value, current);
    default: return 0;
  }
}

// Half away from zero on the 32-bit float ratio, as sizes from ratios are rounded here.
long long ScaledSide(long long target, float ratio) {
  return std::llround(static_cast<double>(target) / static_cast<double>(ratio));
}

FREE_IMAGE_FILTER ResizeFilter(int algorithm) {
  static constexpr FREE_IMAGE_FILTER kFilters[] = {FILTER_BOX, FILTER_BILINEAR, FILTER_BSPLINE,
                                                   FILTER_BICUBIC, FILTER_CATMULLROM,
                                                   FILTER_LANCZOS3};
  if (algorithm < 0 || algorithm >= static_cast<int>(std::size(kFilters))) return FILTER_BICUBIC;
  return kFilters[algorithm];
}

void RecordOutputSize(FIBITMAP* bitmap) {
  ConversionJob.outputWidth = static_cast<int>(FreeImage_GetWidth(bitmap));
  ConversionJob.outputHeight = static_cast<int>(FreeImage_GetHeight(bitmap));
}

Bitmap Resize(Bitmap bitmap) {
  const long long w = FreeImage_GetWidth(bitmap.get());
  const long long h = FreeImage_GetHeight(bitmap.get());
  const long long targetWidth = ToPixels(Settings.imageWidth, Settings.imageWidthUnit, static_cast<int>(w));
  const long long targetHeight = ToPixels(Settings.imageHeight, Settings.imageHeightUnit, static_cast<int>(h));
  if (targetWidth <= 0 || targetHeight <= 0) return bitmap;
  if (targetWidth == w && targetHeight == h) return bitmap;
  if (Settings.imageResizeType == kLargeImagesOnly && w < targetWidth && h < targetHeight)
    return bitmap;
  long long width = targetWidth;
  long long height = targetHeight;
  if (Settings.keepAspectRatio) {
    if (w >= h) {
      height = ScaledSide(targetWidth, static_cast<float>(w) / static_cast<float>(h));
    } else {
      width = ScaledSide(targetHeight, static_cast<float>(h) / static_cast<float>(w));
    }
  }
  // A side that the aspect ratio rounds to nothing fails the file, as the library's rescale
  // does, rather than stretching a sliver to one pixel.
  if (width < 1 || height < 1) {
    lastStepProblem = "the aspect ratio rounds a side of the resized image to nothing";
    return nullptr;
  }
  if (width > kMaxSide || height > kMaxSide || width * height > kMaxArea) {
    lastStepProblem = "a " + std::to_string(width) + " x " + std::to_string(height) +
                      " image is over the size limits (32767 pixels a side, 2^28 pixels in all)";
    return nullptr;
  }
  const FREE_IMAGE_FILTER filter = ResizeFilter(Settings.imageResizeAlgorithm);
  const int newWidth = static_cast<int>(width);
  const int newHeight = static_cast<int>(height);
  if (Bitmap resampled = Resample(bitmap.get(), newWidth, newHeight, filter)) return resampled;
  return Adopt(FreeImage_Rescale(bitmap.get(), newWidth, newHeight, filter));
}

}  // namespace

// The image's own size is what counts; the size the caller passes is the same when the
// pipeline runs in order.
Bitmap ResizeImage(Bitmap bitmap, int, int) {
  if (bitmap && Settings.doImageResize) bitmap = Resize(std::move(bitmap));
  RecordOutputSize(bitmap.get());
  return bitmap;
}

}  // namespace vecrast
