#include <gtest/gtest.h>

#include <cstring>

#include "engine/pipeline.h"
#include "engine/reduce_color_depth.h"
#include "engine_test_helpers.h"
#include "settings/settings.h"

using namespace vecrast;

namespace {

// Left half orange, right half blue: two colours that greyscale and dithering tell apart.
Bitmap TwoColourBitmap() {
  Bitmap bitmap = enginetest::SolidBitmap(16, 8, 0xFFFF8000u);
  for (unsigned y = 0; y < 8; ++y) {
    for (unsigned x = 8; x < 16; ++x) {
      RGBQUAD blue{0xFF, 0x00, 0x00, 0xFF};
      FreeImage_SetPixelColor(bitmap.get(), x, y, &blue);
    }
  }
  return bitmap;
}

}  // namespace

TEST(ReduceColorDepth, ConvertsToEachTargetTheFormatWay) {
  struct Case {
    int target;
    const char* extension;
    unsigned bpp;
    FREE_IMAGE_TYPE type;
    FREE_IMAGE_COLOR_TYPE colorType;
  };
  const Case cases[] = {
      {24, "jpg", 24, FIT_BITMAP, FIC_RGB},
      {8, "jpg", 8, FIT_BITMAP, FIC_MINISBLACK},  // greyscale, not a palette
      {8, "jp2", 8, FIT_BITMAP, FIC_MINISBLACK},
      {8, "png", 8, FIT_BITMAP, FIC_PALETTE},  // Wu-quantized palette
      {8, "gif", 8, FIT_BITMAP, FIC_PALETTE},
      {4, "png", 4, FIT_BITMAP, FIC_PALETTE},
      {1, "png", 1, FIT_BITMAP, FIC_MINISBLACK},
      {16, "bmp", 16, FIT_BITMAP, FIC_RGB},
      {16, "tga", 16, FIT_BITMAP, FIC_RGB},
      {48, "png", 48, FIT_RGB16, FIC_RGB},
      {96, "tiff", 96, FIT_RGBF, FIC_RGB},
  };
  for (const auto& c : cases) {
    Bitmap result = ReduceColorDepthTo(TwoColourBitmap(), c.target, c.extension);
    ASSERT_TRUE(result) << c.target << " " << c.extension;
    EXPECT_EQ(FreeImage_GetBPP(result.get()), c.bpp) << c.target << " " << c.extension;
    EXPECT_EQ(FreeImage_GetImageType(result.get()), c.type) << c.target << " " << c.extension;
    EXPECT_EQ(FreeImage_GetColorType(result.get()), c.colorType) << c.target << " " << c.extension;
    EXPECT_EQ(FreeImage_GetWidth(result.get()), 16u);
    EXPECT_EQ(FreeImage_GetHeight(result.get()), 8u);
  }
}

TEST(ReduceColorDepth, SixteenBitsAre555ForIcoAndTgaAnd565Otherwise) {
  struct Case {
    const char* extension;
    unsigned redMask;
  };
  const Case cases[] = {{"tga", FI16_555_RED_MASK}, {"ico", FI16_555_RED_MASK},
                        {"bmp", FI16_565_RED_MASK}, {"png", FI16_565_RED_MASK}};
  for (const auto& c : cases) {
    Bitmap result = ReduceColorDepthTo(TwoColourBitmap(), 16, c.extension);
    ASSERT_TRUE(result);
    EXPECT_EQ(FreeImage_GetRedMask(result.get()), c.redMask) << c.extension;
  }
}

TEST(ReduceColorDepth, KeepsColoursAndDistinguishesThem) {
  Bitmap rgb = ReduceColorDepthTo(TwoColourBitmap(), 24, "jpg");
  RGBQUAD pixel{};
  ASSERT_TRUE(FreeImage_GetPixelColor(rgb.get(), 2, 2, &pixel));
  EXPECT_EQ(pixel.rgbRed, 0xFF);
  EXPECT_EQ(pixel.rgbGreen, 0x80);
  EXPECT_EQ(pixel.rgbBlue, 0x00);

  Bitmap palette = ReduceColorDepthTo(TwoColourBitmap(), 8, "png");
  BYTE left = 0;
  BYTE right = 0;
  FreeImage_GetPixelIndex(palette.get(), 2, 2, &left);
  FreeImage_GetPixelIndex(palette.get(), 12, 2, &right);
  const RGBQUAD* colours = FreeImage_GetPalette(palette.get());
  EXPECT_EQ(colours[left].rgbRed, 0xFF);
  EXPECT_EQ(colours[right].rgbBlue, 0xFF);
  EXPECT_EQ(colours[right].rgbRed, 0x00);

  // Orange is lighter than blue: the dithered halves differ.
  Bitmap mono = ReduceColorDepthTo(TwoColourBitmap(), 1, "png");
  int leftWhite = 0;
  int rightWhite = 0;
  for (unsigned y = 0; y < 8; ++y) {
    for (unsigned x = 0; x < 16; ++x) {
      BYTE index = 0;
      FreeImage_GetPixelIndex(mono.get(), x, y, &index);
      (x < 8 ? leftWhite : rightWhite) += index;
    }
  }
  EXPECT_GT(leftWhite, rightWhite);
}

TEST(ReduceColorDepth, SameDepthIsKeptAndUnknownTargetsFail) {
  Bitmap bitmap = TwoColourBitmap();
  FIBITMAP* original = bitmap.get();
  Bitmap same = ReduceColorDepthTo(std::move(bitmap), 32, "png");
  EXPECT_EQ(same.get(), original);
  for (const int target : {0, 2, 7, 12, 64, -8}) {
    EXPECT_FALSE(ReduceColorDepthTo(TwoColourBitmap(), target, "png")) << target;
  }
  EXPECT_FALSE(ReduceColorDepthTo(nullptr, 24, "jpg"));
}

TEST(ReduceColorDepth, PipelineStepReadsTheJob) {
  enginetest::ResetRunRecords();
  ConversionJob.outputExtension = "jpg";
  ConversionJob.targetBpp = 8;
  Bitmap grey = ReduceColorDepth(TwoColourBitmap());
  ASSERT_TRUE(grey);
  EXPECT_EQ(FreeImage_GetColorType(grey.get()), FIC_MINISBLACK);
  ConversionJob.targetBpp = 0;
  EXPECT_FALSE(ReduceColorDepth(TwoColourBitmap()));
}

TEST(ReduceColorDepth, TwentyFourBitsMatchTheLibraryConversionAtEveryWidth) {
  for (const int width : {1, 3, 4, 5, 7, 8, 17}) {
    Bitmap source = Adopt(FreeImage_Allocate(width, 3, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
    ASSERT_TRUE(source);
    FreeImage_SetDotsPerMeterX(source.get(), 3780);
    FreeImage_SetDotsPerMeterY(source.get(), 5906);
    for (int y = 0; y < 3; ++y) {
      BYTE* line = FreeImage_GetScanLine(source.get(), y);
      for (int i = 0; i < width * 4; ++i) line[i] = static_cast<BYTE>(y * 97 + i * 13 + 1);
    }
    Bitmap expected = Adopt(FreeImage_ConvertTo24Bits(source.get()));
    Bitmap result = ReduceColorDepthTo(std::move(source), 24, "jpg");
    ASSERT_TRUE(result) << width;
    ASSERT_EQ(FreeImage_GetBPP(result.get()), 24u);
    EXPECT_EQ(FreeImage_GetDotsPerMeterX(result.get()), 3780u);
    EXPECT_EQ(FreeImage_GetDotsPerMeterY(result.get()), 5906u);
    EXPECT_EQ(FreeImage_GetRedMask(result.get()), FreeImage_GetRedMask(expected.get()));
    for (int y = 0; y < 3; ++y) {
      EXPECT_EQ(std::memcmp(FreeImage_GetScanLine(result.get(), y), FreeImage_GetScanLine(expected.get(), y),
                            static_cast<size_t>(width) * 3),
                0)
          << "width " << width << " row " << y;
    }
  }
}
