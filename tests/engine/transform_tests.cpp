// Rotation, resize, flips, colour adjustment, greyscale and threshold: the step contract
// and the sizes, depths and pixels each step gives.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "engine/pipeline.h"
#include "pipeline_test_images.h"
#include "settings/settings.h"

namespace vecrast {
namespace {

using testing::FilledImage;
using testing::Height;
using testing::PixelAt;
using testing::Width;

class TransformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = Settings;
    savedJob = ConversionJob;
    ResetSettings(true);
  }
  void TearDown() override {
    Settings = saved;
    ConversionJob = savedJob;
  }
  SettingsRecord saved;
  ConversionJobRecord savedJob;
};

struct Step {
  const char* name;
  std::function<Bitmap(Bitmap)> run;
  std::function<void()> switchOn;
};

const Step kSteps[] = {
    {"rotate", RotateImage, [] { Settings.doImageRotation = 1; Settings.imageRotation = 90; }},
    {"resize", [](Bitmap b) { return ResizeImage(std::move(b), 40, 30); },
     [] { Settings.doImageResize = 1; Settings.imageWidth = 20; Settings.imageHeight = 10; }},
    {"flip", FlipImage, [] { Settings.doImageFlipHorizontal = Settings.doImageFlipVertical = 1; }},
    {"adjust", AdjustImageColors, [] { Settings.doImageColorCorrection = 1; Settings.imageInvert = 1; }},
    {"greyscale", GreyscaleImage, [] { Settings.doImageGreyscale = 1; }},
    {"threshold", ThresholdImage, [] { Settings.doImageThreshold = 1; Settings.imageThreshold = 9; }},
};

TEST_F(TransformTest, NullInGivesNullOut) {
  for (const Step& step : kSteps) {
    step.switchOn();
    EXPECT_FALSE(step.run(nullptr)) << step.name;
  }
}

TEST_F(TransformTest, StepThatIsOffReturnsItsInput) {
  for (const Step& step : kSteps) {
    Bitmap image = FilledImage(40, 30, 32, 1, 2, 3);
    FIBITMAP* before = image.get();
    Bitmap after = step.run(std::move(image));
    EXPECT_EQ(after.get(), before) << step.name;
    EXPECT_EQ(FreeImage_GetBPP(after.get()), 32u) << step.name;
  }
}

TEST_F(TransformTest, QuarterTurnSimpleSwapsTheSidesAdvancedKeepsThem) {
  Settings.doImageRotation = 1;
  Settings.imageRotation = 90;
  Bitmap simple = RotateImage(FilledImage(300, 200, 32, 9, 9, 9));
  EXPECT_EQ(Width(simple.get()), 200);
  EXPECT_EQ(Height(simple.get()), 300);
  Settings.imageRotationType = 1;
  Bitmap advanced = RotateImage(FilledImage(300, 200, 32, 9, 9, 9));
  EXPECT_EQ(Width(advanced.get()), 300);
  EXPECT_EQ(Height(advanced.get()), 200);
  EXPECT_EQ(PixelAt(advanced.get(), 150, 100).red, 9);
}

TEST_F(TransformTest, SimpleRotationFillsTheCornersWithTheBackColour) {
  Settings.doImageRotation = 1;
  Settings.imageRotation = 45;
  Settings.imageRotationBackColor = "00FF00";
  Bitmap turned = RotateImage(FilledImage(100, 100, 24, 255, 255, 255));
  ASSERT_TRUE(turned);
  EXPECT_GT(Width(turned.get()), 140);
  EXPECT_EQ(PixelAt(turned.get(), 1, 1), (RgbaColor{0, 255, 0, 255}));
  EXPECT_EQ(PixelAt(turned.get(), Width(turned.get()) / 2, Height(turned.get()) / 2),
            (RgbaColor{255, 255, 255, 255}));
}

TEST_F(TransformTest, AnyAngleTurnsCounterClockwise) {
  Settings.doImageRotation = 1;
  Settings.imageRotation = 30;
  Settings.imageRotationBackColor = "0000FF";
  Bitmap image = FilledImage(300, 200, 32, 255, 255, 255);
  for (int y = 0; y < 100; ++y)  // the top half red
    for (int x = 0; x < 300; ++x) testing::SetPixel(image.get(), x, y, {255, 0, 0, 255});
  Bitmap turned = RotateImage(std::move(image));
  ASSERT_TRUE(turned);
  EXPECT_EQ(FreeImage_GetBPP(turned.get()), 32u);
  // The library's canvas: 300 cos 30 + 200 sin 30 = 359.8 and 300 sin 30 + 200 cos 30 = 323.2,
  // each rounded and grown by one pixel.
  EXPECT_EQ(Width(turned.get()), 361);
  EXPECT_EQ(Height(turned.get()), 324);
  EXPECT_EQ(PixelAt(turned.get(), 2, 2), (RgbaColor{0, 0, 255, 255}));
  // The border between the halves passes the centre (180, 162) and rises to the right, to
  // y = 104 at x = 280 and falls to y = 220 at x = 80.
  EXPECT_EQ(PixelAt(turned.get(), 280, 90), (RgbaColor{255, 0, 0, 255}));
  EXPECT_EQ(PixelAt(turned.get(), 280, 120), (RgbaColor{255, 255, 255, 255}));
  EXPECT_EQ(PixelAt(turned.get(), 80, 205), (RgbaColor{255, 0, 0, 255}));
  EXPECT_EQ(PixelAt(turned.get(), 80, 235), (RgbaColor{255, 255, 255, 255}));
  EXPECT_EQ(PixelAt(turned.get(), 180, 150), (RgbaColor{255, 0, 0, 255}));
  EXPECT_EQ(PixelAt(turned.get(), 180, 175), (RgbaColor{255, 255, 255, 255}));

  Settings.imageRotationType = 1;  // advanced: same size, no background anywhere
  Bitmap kept = RotateImage(FilledImage(300, 200, 24, 0, 128, 0));
  ASSERT_TRUE(kept);
  EXPECT_EQ(FreeImage_GetBPP(kept.get()), 24u);
  EXPECT_EQ(Width(kept.get()), 300);
  EXPECT_EQ(PixelAt(kept.get(), 0, 0), (RgbaColor{0, 128, 0, 255}));
  EXPECT_EQ(PixelAt(kept.get(), 299, 199), (RgbaColor{0, 128, 0, 255}));
}

TEST_F(TransformTest, AnglesOutsideOneTo359LeaveTheImageAndItsDepth) {
  Settings.doImageRotation = 1;
  for (const int angle : {0, 360, -90, 400}) {
    Settings.imageRotation = angle;
    Bitmap grey = Adopt(FreeImage_ConvertToGreyscale(FilledImage(30, 20, 24, 5, 5, 5).get()));
    FIBITMAP* before = grey.get();
    Bitmap after = RotateImage(std::move(grey));
    EXPECT_EQ(after.get(), before) << angle;
    EXPECT_EQ(FreeImage_GetBPP(after.get()), 8u) << angle;
  }
}

TEST_F(TransformTest, RotationBringsLowDepthsTo24Bits) {
  Settings.doImageRotation = 1;
  Settings.imageRotation = 90;
  Bitmap grey = Adopt(FreeImage_ConvertToGreyscale(FilledImage(30, 20, 24, 5, 5, 5).get()));
  Bitmap turned = RotateImage(std::move(grey));
  EXPECT_EQ(FreeImage_GetBPP(turned.get()), 24u);
  EXPECT_EQ(Width(turned.get()), 20);
}

struct ResizeCase {
  int width, height;                      // image
  int targetWidth, widthUnit, targetHeight, heightUnit;
  int keepAspect, type;
  int expectedWidth, expectedHeight;
};

TEST_F(TransformTest, ResizeSizesAndRounding) {
  const ResizeCase cases[] = {
      {301, 201, 50, 1, 50, 1, 0, 0, 150, 100},   // 150.5 and 100.5 round to even
      {303, 203, 50, 1, 50, 1, 0, 0, 152, 102},   // 151.5 and 101.5 too
      {150, 150, 7, 1, 7, 1, 0, 0, 10, 10},       // 10.5 exactly, not 10.500000000000002
      {400, 300, 800, 0, 100, 0, 1, 0, 800, 600}, // landscape: only the width counts
      {300, 400, 100, 0, 800, 0, 1, 0, 600, 800}, // portrait: only the height counts
      {333, 100, 100, 0, 1, 0, 1, 0, 100, 30},    // 100 / 3.33 = 30.03
      {400, 300, 1000, 0, 1000, 0, 0, 1, 400, 300},  // large images only: small one stays
      {1200, 300, 1000, 0, 1000, 0, 0, 1, 1000, 1000},
      {400, 300, 0, 0, 100, 0, 0, 0, 400, 300},   // a target of 0 leaves the image
      {400, 300, 100, 2, 100, 0, 0, 0, 400, 300}, // an unknown unit gives 0
      {10000, 60, 100, 0, 100, 0, 1, 0, 100, 1},  // 0.6 rounds up to one pixel
      {30, 20, 40000, 0, 10, 0, 0, 0, 40000, 10}, // beyond the canvas limit, within the JPEG one
  };
  Settings.doImageResize = 1;
  for (const ResizeCase& c : cases) {
    Settings.imageWidth = c.targetWidth;
    Settings.imageWidthUnit = static_cast<int8_t>(c.widthUnit);
    Settings.imageHeight = c.targetHeight;
    Settings.imageHeightUnit = static_cast<int8_t>(c.heightUnit);
    Settings.keepAspectRatio = static_cast<int8_t>(c.keepAspect);
    Settings.imageResizeType = static_cast<int8_t>(c.type);
    Bitmap resized = ResizeImage(FilledImage(c.width, c.height, 24, 0, 0, 0), c.width, c.height);
    ASSERT_TRUE(resized) << c.width << "x" << c.height;
    EXPECT_EQ(Width(resized.get()), c.expectedWidth) << c.width << "x" << c.height;
    EXPECT_EQ(Height(resized.get()), c.expectedHeight) << c.width << "x" << c.height;
    EXPECT_EQ(ConversionJob.outputWidth, c.expectedWidth);
    EXPECT_EQ(ConversionJob.outputHeight, c.expectedHeight);
  }
}

TEST_F(TransformTest, EveryFilterGivesTheTargetSize) {
  Settings.doImageResize = 1;
  Settings.imageWidth = 37;
  Settings.imageHeight = 23;
  for (const int algorithm : {0, 1, 2, 3, 4, 5, 99, -1}) {
    Settings.imageResizeAlgorithm = static_cast<int8_t>(algorithm);
    Bitmap resized = ResizeImage(FilledImage(80, 60, 24, 200, 100, 50), 80, 60);
    ASSERT_TRUE(resized) << algorithm;
    EXPECT_EQ(Width(resized.get()), 37) << algorithm;
    EXPECT_EQ(Height(resized.get()), 23) << algorithm;
    EXPECT_NEAR(PixelAt(resized.get(), 18, 11).red, 200, 1) << algorithm;
  }
}

TEST_F(TransformTest, ResizeRecordsTheOutputSizeEvenWhenOff) {
  Bitmap image = ResizeImage(FilledImage(64, 48, 24, 0, 0, 0), 64, 48);
  EXPECT_EQ(ConversionJob.outputWidth, 64);
  EXPECT_EQ(ConversionJob.outputHeight, 48);
  EXPECT_FALSE(ResizeImage(nullptr, 0, 0));
  EXPECT_EQ(ConversionJob.outputWidth, 0);
}

// Beyond the JPEG limit of 65500 a side or 2^28 pixels, and where keeping the aspect ratio
// rounds a side to nothing, the file fails as the library's rescale would; a 10 x 1 image
// would be a stretched sliver nobody asked for.
TEST_F(TransformTest, ResizeTargetsThatCannotBeMadeFailTheFile) {
  const ResizeCase cases[] = {
      {10, 10, 100000, 0, 100000, 0, 0, 0, 0, 0},
      {10, 10, 65501, 0, 10, 0, 0, 0, 0, 0},
      {10, 10, 20000, 0, 20000, 0, 0, 0, 0, 0},  // 4 x 10^8 pixels
      {10000, 1, 100, 0, 100, 0, 1, 0, 0, 0},    // 1 / 100 rounds to 0
      {1, 10000, 100, 0, 100, 0, 1, 0, 0, 0},
  };
  Settings.doImageResize = 1;
  for (const ResizeCase& c : cases) {
    Settings.imageWidth = c.targetWidth;
    Settings.imageHeight = c.targetHeight;
    Settings.keepAspectRatio = static_cast<int8_t>(c.keepAspect);
    EXPECT_FALSE(ResizeImage(FilledImage(c.width, c.height, 24, 0, 0, 0), c.width, c.height))
        << c.width << "x" << c.height << " to " << c.targetWidth << "x" << c.targetHeight;
  }
}

bool SamePixels(FIBITMAP* a, FIBITMAP* b) {
  for (int y = 0; y < Height(a); ++y)
    if (std::memcmp(FreeImage_GetScanLine(a, y), FreeImage_GetScanLine(b, y), FreeImage_GetLine(a)))
      return false;
  return true;
}

TEST_F(TransformTest, FlipsMirrorAndTwiceGiveTheOriginal) {
  Bitmap image = FilledImage(5, 4, 24, 0, 0, 0);
  testing::SetPixel(image.get(), 0, 0, {255, 0, 0, 255});
  Bitmap original = Adopt(FreeImage_Clone(image.get()));
  Settings.doImageFlipHorizontal = 1;
  image = FlipImage(std::move(image));
  EXPECT_EQ(PixelAt(image.get(), 4, 0).red, 255);
  image = FlipImage(std::move(image));
  EXPECT_TRUE(SamePixels(image.get(), original.get()));

  Settings.doImageFlipVertical = 1;  // both, horizontal then vertical
  image = FlipImage(std::move(image));
  EXPECT_EQ(PixelAt(image.get(), 4, 3).red, 255);
  image = FlipImage(std::move(image));
  EXPECT_TRUE(SamePixels(image.get(), original.get()));
}

TEST_F(TransformTest, AdjustmentOnAKnownColour) {
  Settings.doImageColorCorrection = 1;
  Settings.imageInvert = 1;
  Bitmap inverted = AdjustImageColors(FilledImage(4, 4, 24, 10, 20, 30));
  EXPECT_EQ(PixelAt(inverted.get(), 1, 1), (RgbaColor{245, 235, 225, 255}));
  Settings.imageInvert = 0;
  Settings.imageBrightness = 50;
  Bitmap brighter = AdjustImageColors(FilledImage(4, 4, 24, 100, 100, 100));
  EXPECT_EQ(PixelAt(brighter.get(), 1, 1), (RgbaColor{150, 150, 150, 255}));
  // A 1-bit image is brought to 24 bits first.
  Bitmap bilevel = Adopt(FreeImage_Threshold(FilledImage(4, 4, 24, 0, 0, 0).get(), 128));
  EXPECT_EQ(FreeImage_GetBPP(AdjustImageColors(std::move(bilevel)).get()), 24u);
}

TEST_F(TransformTest, GreyscaleGives8BitsThresholdOneBit) {
  Settings.doImageGreyscale = 1;
  Bitmap grey = GreyscaleImage(FilledImage(8, 8, 32, 0, 0, 255));
  EXPECT_EQ(FreeImage_GetBPP(grey.get()), 8u);
  Settings.doImageThreshold = 1;
  Settings.imageThreshold = 128;
  Bitmap both = ThresholdImage(GreyscaleImage(FilledImage(8, 8, 24, 255, 255, 255)));
  EXPECT_EQ(FreeImage_GetBPP(both.get()), 1u);
}

// The level is a byte: 300 acts as 44, so grey 40 turns black and grey 50 white.
TEST_F(TransformTest, ThresholdOf300ActsAs44) {
  Settings.doImageThreshold = 1;
  Settings.imageThreshold = 300;
  for (const auto& [grey, white] : {std::pair{40, false}, std::pair{50, true}}) {
    const auto level = static_cast<std::uint8_t>(grey);
    Bitmap bilevel = ThresholdImage(FilledImage(8, 8, 24, level, level, level));
    ASSERT_EQ(FreeImage_GetBPP(bilevel.get()), 1u);
    BYTE index = 0;
    ASSERT_TRUE(FreeImage_GetPixelIndex(bilevel.get(), 3, 3, &index));
    EXPECT_EQ(index != 0, white) << grey;
  }
}

}  // namespace
}  // namespace vecrast

namespace vecrast {
namespace {

// A picture of pseudo-random colours of the given depth, odd-sized so rows have padding.
Bitmap NoisePicture(unsigned bpp) {
  Bitmap image = Adopt(FreeImage_Allocate(257, 131, static_cast<int>(bpp), 0, 0, 0));
  unsigned state = 12345;
  for (int y = 0; y < Height(image.get()); ++y) {
    BYTE* pixel = FreeImage_GetScanLine(image.get(), y);
    for (unsigned i = 0; i < FreeImage_GetLine(image.get()); ++i) {
      state = state * 1103515245u + 12345u;
      pixel[i] = static_cast<BYTE>(state >> 16);
    }
  }
  return image;
}

bool SameImage(FIBITMAP* a, FIBITMAP* b) {
  if (FreeImage_GetBPP(a) != FreeImage_GetBPP(b) || Width(a) != Width(b) || Height(a) != Height(b))
    return false;
  for (int y = 0; y < Height(a); ++y) {
    for (int x = 0; x < Width(a); ++x) {
      BYTE left = 0, right = 0;
      FreeImage_GetPixelIndex(a, static_cast<unsigned>(x), static_cast<unsigned>(y), &left);
      FreeImage_GetPixelIndex(b, static_cast<unsigned>(x), static_cast<unsigned>(y), &right);
      if (left != right) return false;
    }
  }
  const RGBQUAD* pa = FreeImage_GetPalette(a);
  const RGBQUAD* pb = FreeImage_GetPalette(b);
  for (unsigned i = 0; i < FreeImage_GetColorsUsed(a); ++i)
    if (pa[i].rgbRed != pb[i].rgbRed || pa[i].rgbBlue != pb[i].rgbBlue) return false;
  return true;
}

TEST_F(TransformTest, AdjustmentMatchesTheLibrary) {
  Settings.doImageColorCorrection = 1;
  Settings.imageBrightness = -30;
  Settings.imageContrast = 45;
  Settings.imageGamma = 1.7f;
  Settings.imageInvert = 1;
  for (const unsigned bpp : {24u, 32u}) {
    Bitmap expected = NoisePicture(bpp);
    FreeImage_AdjustColors(expected.get(), -30, 45, 1.7f, TRUE);
    Bitmap adjusted = AdjustImageColors(NoisePicture(bpp));
    for (int y = 0; y < Height(expected.get()); ++y)
      ASSERT_EQ(0, std::memcmp(FreeImage_GetScanLine(adjusted.get(), y),
                               FreeImage_GetScanLine(expected.get(), y),
                               Width(expected.get()) * bpp / 8)) << bpp << " row " << y;
  }
}

TEST_F(TransformTest, HorizontalFlipMatchesTheLibrary) {
  Settings.doImageFlipHorizontal = 1;
  for (const unsigned bpp : {8u, 24u, 32u}) {
    Bitmap picture = bpp == 8 ? Adopt(FreeImage_ConvertToGreyscale(NoisePicture(24).get()))
                              : NoisePicture(bpp);
    Bitmap expected = Adopt(FreeImage_Clone(picture.get()));
    FreeImage_FlipHorizontal(expected.get());
    Bitmap flipped = FlipImage(std::move(picture));
    EXPECT_TRUE(SamePixels(flipped.get(), expected.get())) << bpp;
  }
}

// The steps' own grey and black-and-white conversions match the library's pixel for pixel.
TEST_F(TransformTest, GreyAndThresholdMatchTheLibrary) {
  Settings.doImageGreyscale = 1;
  Settings.doImageThreshold = 1;
  Settings.imageThreshold = 100;
  for (const unsigned bpp : {24u, 32u}) {
    Bitmap picture = NoisePicture(bpp);
    Bitmap expectedGrey = Adopt(FreeImage_ConvertToGreyscale(picture.get()));
    Bitmap expectedBilevel = Adopt(FreeImage_Threshold(picture.get(), 100));
    Bitmap expectedFromGrey = Adopt(FreeImage_Threshold(expectedGrey.get(), 100));
    Bitmap grey = GreyscaleImage(Adopt(FreeImage_Clone(picture.get())));
    EXPECT_TRUE(SameImage(grey.get(), expectedGrey.get())) << bpp;
    EXPECT_TRUE(SameImage(ThresholdImage(Adopt(FreeImage_Clone(picture.get()))).get(),
                          expectedBilevel.get())) << bpp;
    EXPECT_TRUE(SameImage(ThresholdImage(std::move(grey)).get(), expectedFromGrey.get())) << bpp;
  }
}

}  // namespace
}  // namespace vecrast

namespace vecrast {
namespace {

// The step's own resampler gives the library's pixels within two levels, for every filter,
// growing and shrinking, with one side kept, in both depths.
TEST_F(TransformTest, ResizeMatchesTheLibraryWithinTwoLevels) {
  struct Size {
    int width, height;
  };
  const Size sizes[] = {{128, 65}, {514, 262}, {190, 300}, {40, 23}, {257, 75}, {1000, 20}, {100, 131}};
  Settings.doImageResize = 1;
  for (const unsigned bpp : {24u, 32u}) {
    Bitmap picture = NoisePicture(bpp);
    for (int algorithm = 0; algorithm <= 5; ++algorithm) {
      Settings.imageResizeAlgorithm = static_cast<int8_t>(algorithm);
      for (const Size& size : sizes) {
        Settings.imageWidth = size.width;
        Settings.imageHeight = size.height;
        static constexpr FREE_IMAGE_FILTER kFilters[] = {FILTER_BOX, FILTER_BILINEAR, FILTER_BSPLINE,
                                                         FILTER_BICUBIC, FILTER_CATMULLROM, FILTER_LANCZOS3};
        Bitmap expected = Adopt(FreeImage_Rescale(picture.get(), size.width, size.height, kFilters[algorithm]));
        Bitmap resized = ResizeImage(Adopt(FreeImage_Clone(picture.get())), 257, 131);
        ASSERT_EQ(Width(resized.get()), size.width);
        ASSERT_EQ(Height(resized.get()), size.height);
        int worst = 0;
        for (int y = 0; y < size.height; ++y) {
          const BYTE* mine = FreeImage_GetScanLine(resized.get(), y);
          const BYTE* theirs = FreeImage_GetScanLine(expected.get(), y);
          for (int i = 0; i < size.width * static_cast<int>(bpp / 8); ++i)
            worst = std::max(worst, std::abs(mine[i] - theirs[i]));
        }
        EXPECT_LE(worst, 2) << bpp << " bits, filter " << algorithm << ", " << size.width << "x"
                            << size.height;
      }
    }
  }
}

}  // namespace
}  // namespace vecrast
