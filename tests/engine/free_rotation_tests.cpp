// The bilinear turn against a plain double-precision bilinear turn written out here, the
// canvas sizes, and the sharing of rows between threads.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <numbers>
#include <random>
#include <vector>

#include "engine/free_rotation.h"
#include "engine/row_split.h"
#include "pipeline_test_images.h"

namespace vecrast {
namespace {

using testing::Height;
using testing::PixelAt;
using testing::Width;

// Random colours and random alpha (which the turn must ignore).
Bitmap RandomPicture(int width, int height, unsigned seed) {
  Bitmap image = Adopt(FreeImage_Allocate(width, height, 32, 0, 0, 0));
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y) {
    BYTE* pixel = FreeImage_GetScanLine(image.get(), y);
    for (int i = 0; i < width * 4; ++i) pixel[i] = static_cast<BYTE>(random());
  }
  return image;
}

int Mirror(int index, int size) {
  while (index < 0 || index >= size) index = index < 0 ? -1 - index : 2 * size - 1 - index;
  return index;
}

// The canvas a turn should give: the library's when it grows, the source's own when kept.
TurnedCanvas ExpectedCanvas(int width, int height, double degrees, RotationCanvas canvas) {
  if (canvas == RotationCanvas::kKeep) return {width, height, width / 2.0, height / 2.0};
  return LibraryTurnedCanvas(width, height, degrees);
}

// Top-down picture coordinates throughout: the centre of target pixel (x, y), turned back
// clockwise about the point where the source's centre lands, is sampled bilinearly between
// the source pixel centres.
RgbaColor ExpectedPixel(FIBITMAP* source, const TurnedCanvas& target, double degrees, RotationCanvas canvas,
                        RgbaColor background, int x, int y) {
  const int width = Width(source), height = Height(source);
  const double radians = degrees * std::numbers::pi / 180.0;
  const double c = std::cos(radians), s = std::sin(radians);
  const double dx = x + 0.5 - target.centreX, dy = y + 0.5 - (target.height - target.centreY);
  const double sx = c * dx - s * dy + width / 2.0 - 0.5;
  const double sy = s * dx + c * dy + height / 2.0 - 0.5;
  const int x0 = static_cast<int>(std::floor(sx)), y0 = static_cast<int>(std::floor(sy));
  const double fx = sx - x0, fy = sy - y0;
  double sums[3] = {};
  for (int j = 0; j < 2; ++j) {
    for (int i = 0; i < 2; ++i) {
      const double weight = (i ? fx : 1 - fx) * (j ? fy : 1 - fy);
      int px = x0 + i, py = y0 + j;
      RgbaColor color = background;
      if (canvas == RotationCanvas::kKeep) {
        color = PixelAt(source, Mirror(px, width), Mirror(py, height));
      } else if (px >= 0 && px < width && py >= 0 && py < height) {
        color = PixelAt(source, px, py);
      }
      sums[0] += weight * color.red;
      sums[1] += weight * color.green;
      sums[2] += weight * color.blue;
    }
  }
  auto level = [](double value) { return static_cast<std::uint8_t>(std::lround(value)); };
  return {level(sums[0]), level(sums[1]), level(sums[2]), 255};
}

struct TurnCase {
  int width, height;
  RotationCanvas canvas;
};

const TurnCase kTurnCases[] = {
    {23, 17, RotationCanvas::kGrow}, {23, 17, RotationCanvas::kKeep},
    {8, 31, RotationCanvas::kGrow},  {8, 31, RotationCanvas::kKeep},
    {40, 3, RotationCanvas::kGrow},  {40, 3, RotationCanvas::kKeep},  // far past the short side
    {1, 6, RotationCanvas::kGrow},   {1, 6, RotationCanvas::kKeep},   // no pixel has a right neighbour
};
const double kAngles[] = {0, 1, 30, 45, 89.5, 90, 137, 180, 200.25, 271.5, 333, -40};

TEST(FreeRotation, EveryPixelWithinOneLevelOfExactBilinear) {
  const RgbaColor background{200, 30, 90, 255};
  unsigned seed = 1;
  for (const TurnCase& c : kTurnCases) {
    for (const double degrees : kAngles) {
      Bitmap source = RandomPicture(c.width, c.height, seed++);
      Bitmap turned = TurnImage(source.get(), degrees, c.canvas, background, 1);
      ASSERT_TRUE(turned);
      const TurnedCanvas target = ExpectedCanvas(c.width, c.height, degrees, c.canvas);
      const int width = Width(turned.get()), height = Height(turned.get());
      ASSERT_EQ(width, target.width) << degrees;
      ASSERT_EQ(height, target.height) << degrees;
      int worst = 0;
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          const RgbaColor got = PixelAt(turned.get(), x, y);
          const RgbaColor want = ExpectedPixel(source.get(), target, degrees, c.canvas, background, x, y);
          ASSERT_EQ(got.alpha, 255);
          worst = std::max({worst, std::abs(got.red - want.red), std::abs(got.green - want.green),
                            std::abs(got.blue - want.blue)});
        }
      }
      EXPECT_LE(worst, 1) << c.width << "x" << c.height << " canvas "
                          << static_cast<int>(c.canvas) << " at " << degrees << " degrees";
    }
  }
}

// A black picture with a white 3 x 3 dot around (x, y).
Bitmap DotPicture(int width, int height, int x, int y) {
  Bitmap image = Adopt(FreeImage_Allocate(width, height, 32, 0, 0, 0));
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const bool dot = std::abs(column - x) <= 1 && std::abs(row - y) <= 1;
      const BYTE level = dot ? 255 : 0;
      BYTE* pixel = FreeImage_GetScanLine(image.get(), row) + 4 * column;
      pixel[0] = pixel[1] = pixel[2] = level;
      pixel[3] = 255;
    }
  }
  return image;
}

struct Point {
  double x, y;
};

// The brightness-weighted centre of a picture's green channel.
Point Centroid(FIBITMAP* image) {
  double sumX = 0, sumY = 0, sum = 0;
  for (int row = 0; row < Height(image); ++row) {
    const BYTE* line = FreeImage_GetScanLine(image, row);
    for (int column = 0; column < Width(image); ++column) {
      const double level = line[4 * column + 1];
      sumX += level * (column + 0.5), sumY += level * (row + 0.5), sum += level;
    }
  }
  return {sumX / sum, sumY / sum};
}

// The library's rotation grows the canvas by its own rule (300 x 200 at 45 degrees gives
// 355 x 355, not 354 x 354) and places the picture a little off the canvas's middle; ours
// must give the same canvas and put every pixel within a tenth of a pixel of the library's.
TEST(FreeRotation, GrownCanvasAndPlacementMatchTheLibrary) {
  struct Shape {
    int width, height, step;
  } shapes[] = {{300, 200, 11}, {201, 99, 13}, {64, 64, 11}, {17, 40, 5}};
  for (const Shape& shape : shapes) {
    const int dotX = shape.width / 4, dotY = shape.height / 3;
    Bitmap source = DotPicture(shape.width, shape.height, dotX, dotY);
    std::vector<int> angles = {45, 135, 315};
    for (int degrees = 1; degrees < 360; degrees += shape.step) angles.push_back(degrees);
    for (const int degrees : angles) {
      Bitmap library = Adopt(FreeImage_Rotate(source.get(), degrees, nullptr));
      Bitmap ours = TurnImage(source.get(), degrees, RotationCanvas::kGrow, {0, 0, 0, 255}, 1);
      ASSERT_TRUE(library && ours);
      ASSERT_EQ(Width(ours.get()), Width(library.get())) << shape.width << "x" << shape.height << " " << degrees;
      ASSERT_EQ(Height(ours.get()), Height(library.get())) << shape.width << "x" << shape.height << " " << degrees;
      const Point expected = Centroid(library.get());
      const Point got = Centroid(ours.get());
      EXPECT_LT(std::hypot(got.x - expected.x, got.y - expected.y), 0.1)
          << shape.width << "x" << shape.height << " at " << degrees << ": " << got.x << "," << got.y << " vs "
          << expected.x << "," << expected.y;
    }
  }
  const TurnedCanvas example = LibraryTurnedCanvas(300, 200, 45);
  EXPECT_EQ(example.width, 355);
  EXPECT_EQ(example.height, 355);
}

// Whole turns land on pixel centres, so the pixels come through unchanged but opaque.
TEST(FreeRotation, NoTurnAndAHalfTurnMovePixelsExactly) {
  Bitmap source = RandomPicture(13, 7, 99);
  for (const RotationCanvas canvas : {RotationCanvas::kGrow, RotationCanvas::kKeep}) {
    Bitmap same = TurnImage(source.get(), 0, canvas, {}, 1);
    Bitmap half = TurnImage(source.get(), 180, canvas, {}, 1);
    ASSERT_EQ(Width(same.get()), 13);
    ASSERT_EQ(Height(half.get()), 7);
    for (int y = 0; y < 7; ++y) {
      for (int x = 0; x < 13; ++x) {
        RgbaColor original = PixelAt(source.get(), x, y);
        original.alpha = 255;
        EXPECT_EQ(PixelAt(same.get(), x, y), original) << x << "," << y;
        EXPECT_EQ(PixelAt(half.get(), 12 - x, 6 - y), original) << x << "," << y;
      }
    }
  }
}

TEST(FreeRotation, RefusesWhatItCannotTurn) {
  Bitmap deep = RandomPicture(5, 5, 3);
  Bitmap shallow = Adopt(FreeImage_ConvertTo24Bits(deep.get()));
  Bitmap wide = Adopt(FreeImage_AllocateT(FIT_RGBA16, 5, 5, 64));
  EXPECT_FALSE(TurnImage(nullptr, 30, RotationCanvas::kGrow, {}));
  EXPECT_FALSE(TurnImage(shallow.get(), 30, RotationCanvas::kGrow, {}));
  EXPECT_FALSE(TurnImage(wide.get(), 30, RotationCanvas::kGrow, {}));
  EXPECT_FALSE(TurnImage(deep.get(), std::nan(""), RotationCanvas::kGrow, {}));
  EXPECT_FALSE(TurnImage(deep.get(), HUGE_VAL, RotationCanvas::kKeep, {}));
}

bool SameBytes(FIBITMAP* a, FIBITMAP* b) {
  if (Width(a) != Width(b) || Height(a) != Height(b) || FreeImage_GetBPP(a) != FreeImage_GetBPP(b))
    return false;
  for (int y = 0; y < Height(a); ++y)
    if (std::memcmp(FreeImage_GetScanLine(a, y), FreeImage_GetScanLine(b, y), FreeImage_GetLine(a)))
      return false;
  return true;
}

TEST(FreeRotation, ThreadsChangeNoByte) {
  Bitmap source = RandomPicture(301, 203, 7);
  for (const RotationCanvas canvas : {RotationCanvas::kGrow, RotationCanvas::kKeep}) {
    for (const double degrees : {17.0, 250.0}) {
      Bitmap alone = TurnImage(source.get(), degrees, canvas, {1, 2, 3, 255}, 1);
      for (const int threads : {2, 3, kAutomaticThreads}) {
        Bitmap shared = TurnImage(source.get(), degrees, canvas, {1, 2, 3, 255}, threads);
        EXPECT_TRUE(SameBytes(alone.get(), shared.get())) << degrees << " degrees, " << threads;
      }
    }
  }
}

TEST(RowSplit, TwoThreadsOnlyForLargePictures) {
  struct Case {
    long long pixels;
    int requested, expected;
  } const cases[] = {{100, 0, 1}, {250000, 0, 1}, {250001, 0, 2}, {2000 * 1500, 0, 2}, {10, 3, 3}, {1 << 30, 1, 1}};
  for (const Case& c : cases)
    EXPECT_EQ(RowThreads(c.pixels, c.requested), c.expected) << c.pixels << " " << c.requested;
}

TEST(RowSplit, EveryRowExactlyOnceInOrderedChunks) {
  for (const int rows : {0, 1, 2, 5, 1000}) {
    for (const int threads : {1, 2, 3, 8}) {
      std::vector<std::atomic<int>> visits(static_cast<std::size_t>(rows));
      std::atomic<int> chunks{0};
      SplitRows(rows, threads, [&](int begin, int end) {
        EXPECT_LT(begin, end);
        ++chunks;
        for (int row = begin; row < end; ++row) ++visits[static_cast<std::size_t>(row)];
      });
      for (int row = 0; row < rows; ++row)
        EXPECT_EQ(visits[static_cast<std::size_t>(row)], 1) << rows << " rows, row " << row;
      EXPECT_EQ(chunks, std::min(rows, threads)) << rows << " rows, " << threads << " threads";
    }
  }
}

}  // namespace
}  // namespace vecrast
