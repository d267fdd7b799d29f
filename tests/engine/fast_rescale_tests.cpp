// The resampler's own guarantees beside its closeness to the library (transform_tests.cpp):
// flat colours stay exactly flat, and sharing rows between threads changes no byte.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "engine/fast_rescale.h"
#include "pipeline_test_images.h"

namespace vecrast {
namespace {

using testing::Height;
using testing::Width;

constexpr FREE_IMAGE_FILTER kFilters[] = {FILTER_BOX,    FILTER_BILINEAR,   FILTER_BSPLINE,
                                          FILTER_BICUBIC, FILTER_CATMULLROM, FILTER_LANCZOS3};

struct ResampleCase {
  int width, height, targetWidth, targetHeight;
};

// Shrinking and growing each way, a side kept, one-pixel sides, rows whose byte count is
// not a multiple of sixteen, and reductions close to the limit.
const ResampleCase kCases[] = {
    {257, 131, 128, 65},  {257, 131, 514, 262}, {64, 40, 64, 97},  {64, 40, 21, 40},
    {37, 9, 1, 1},        {1, 5, 3, 17},        {9, 1, 23, 4},     {300, 200, 299, 201},
    {640, 128, 11, 3},    {5, 3, 321, 190},
};

Bitmap RandomPicture(int width, int height, unsigned bpp, unsigned seed) {
  Bitmap image = Adopt(FreeImage_Allocate(width, height, static_cast<int>(bpp), 0, 0, 0));
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y) {
    BYTE* pixel = FreeImage_GetScanLine(image.get(), y);
    for (unsigned i = 0; i < FreeImage_GetLine(image.get()); ++i) pixel[i] = static_cast<BYTE>(random());
  }
  return image;
}

Bitmap FlatPicture(int width, int height, unsigned bpp, const BYTE* channels) {
  Bitmap image = Adopt(FreeImage_Allocate(width, height, static_cast<int>(bpp), 0, 0, 0));
  const unsigned bytes = bpp / 8;
  for (int y = 0; y < height; ++y) {
    BYTE* pixel = FreeImage_GetScanLine(image.get(), y);
    for (int x = 0; x < width; ++x) std::memcpy(pixel + x * bytes, channels, bytes);
  }
  return image;
}

// Every byte of the rows (not the padding) equal in both bitmaps.
bool SameBytes(FIBITMAP* a, FIBITMAP* b) {
  if (Width(a) != Width(b) || Height(a) != Height(b) || FreeImage_GetBPP(a) != FreeImage_GetBPP(b))
    return false;
  const unsigned rowBytes = FreeImage_GetWidth(a) * FreeImage_GetBPP(a) / 8;
  for (int y = 0; y < Height(a); ++y)
    if (std::memcmp(FreeImage_GetScanLine(a, y), FreeImage_GetScanLine(b, y), rowBytes)) return false;
  return true;
}

// The weights of every target pixel sum to exactly one, wherever the kernel is cut by the
// edge and however many source pixels it covers.
TEST(Resample, FlatColourStaysExactlyFlat) {
  const BYTE colour[4] = {0, 77, 255, 130};
  for (const unsigned bpp : {24u, 32u}) {
    for (const ResampleCase& c : kCases) {
      Bitmap flat = FlatPicture(c.width, c.height, bpp, colour);
      Bitmap expected = FlatPicture(c.targetWidth, c.targetHeight, bpp, colour);
      for (const FREE_IMAGE_FILTER filter : kFilters) {
        Bitmap resampled = Resample(flat.get(), c.targetWidth, c.targetHeight, filter);
        ASSERT_TRUE(resampled) << c.width << "x" << c.height << " filter " << filter;
        EXPECT_TRUE(SameBytes(resampled.get(), expected.get()))
            << bpp << " bits, " << c.width << "x" << c.height << " to " << c.targetWidth << "x"
            << c.targetHeight << ", filter " << filter;
      }
    }
  }
}

TEST(Resample, ThreadsChangeNoByte) {
  const ResampleCase cases[] = {{257, 131, 128, 65}, {64, 40, 64, 97}, {64, 40, 21, 40},
                                {65, 33, 130, 99},   {1, 5, 3, 17},     {9, 1, 23, 4}};
  unsigned seed = 11;
  for (const unsigned bpp : {24u, 32u}) {
    for (const ResampleCase& c : cases) {
      Bitmap picture = RandomPicture(c.width, c.height, bpp, seed++);
      for (const FREE_IMAGE_FILTER filter : {FILTER_BOX, FILTER_LANCZOS3}) {  // narrowest, widest
        Bitmap alone = Resample(picture.get(), c.targetWidth, c.targetHeight, filter, 1);
        for (const int threads : {2, 3}) {
          Bitmap shared = Resample(picture.get(), c.targetWidth, c.targetHeight, filter, threads);
          ASSERT_TRUE(alone && shared);
          EXPECT_TRUE(SameBytes(alone.get(), shared.get()))
              << bpp << " bits, " << c.width << "x" << c.height << " to " << c.targetWidth << "x"
              << c.targetHeight << ", filter " << filter << ", " << threads << " threads";
        }
      }
    }
  }
}

TEST(Resample, LeavesToTheLibraryWhatItDoesNotTake) {
  Bitmap picture = RandomPicture(130, 70, 32, 1);
  Bitmap grey = Adopt(FreeImage_ConvertToGreyscale(picture.get()));
  EXPECT_FALSE(Resample(nullptr, 10, 10, FILTER_BOX));
  EXPECT_FALSE(Resample(grey.get(), 10, 10, FILTER_BOX));
  EXPECT_FALSE(Resample(picture.get(), 0, 10, FILTER_BOX));
  EXPECT_FALSE(Resample(picture.get(), 10, 10, static_cast<FREE_IMAGE_FILTER>(6)));
  EXPECT_FALSE(Resample(picture.get(), 2, 10, FILTER_BICUBIC));  // a reduction beyond 64
  EXPECT_TRUE(Resample(picture.get(), 3, 10, FILTER_BICUBIC));
}

}  // namespace
}  // namespace vecrast
