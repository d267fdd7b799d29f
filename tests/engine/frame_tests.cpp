// The frame: band colours, mitred seams, one opacity, and bands wider than the image.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/frame_bands.h"
#include "engine/pipeline.h"
#include "pipeline_test_images.h"
#include "settings/settings.h"

namespace vecrast {
namespace {

using testing::FilledImage;
using testing::PixelAt;

constexpr RgbaColor kRed{255, 0, 0, 255};
constexpr RgbaColor kGreen{0, 255, 0, 255};
constexpr RgbaColor kBlue{0, 0, 255, 255};
constexpr RgbaColor kBlack{0, 0, 0, 255};
constexpr RgbaColor kWhite{255, 255, 255, 255};

FrameStyle FourColours(int width, int opacity = 255) {
  return {{width, width, width, width}, kBlack, kGreen, kRed, kBlue, opacity};
}

bool Near(RgbaColor a, RgbaColor b, int tolerance) {
  return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
         std::abs(a.blue - b.blue) <= tolerance;
}

TEST(PaintFrameTest, EachBandHasItsColourAndTheCentreIsUntouched) {
  Bitmap image = FilledImage(100, 100, 24, 255, 255, 255);
  ASSERT_TRUE(PaintFrame(image.get(), FourColours(10)));
  EXPECT_EQ(testing::Width(image.get()), 100);
  EXPECT_EQ(PixelAt(image.get(), 50, 5), kRed);     // top
  EXPECT_EQ(PixelAt(image.get(), 95, 50), kGreen);  // right
  EXPECT_EQ(PixelAt(image.get(), 50, 95), kBlue);   // bottom
  EXPECT_EQ(PixelAt(image.get(), 5, 50), kBlack);   // left
  for (int y = 10; y < 90; ++y)
    for (int x = 10; x < 90; ++x) ASSERT_EQ(PixelAt(image.get(), x, y), kWhite) << x << "," << y;
}

TEST(PaintFrameTest, CornersAreMitredWithoutGaps) {
  Bitmap image = FilledImage(100, 100, 24, 255, 255, 255);
  ASSERT_TRUE(PaintFrame(image.get(), FourColours(10)));
  EXPECT_EQ(PixelAt(image.get(), 7, 2), kRed);    // above the top-left diagonal: top band
  EXPECT_EQ(PixelAt(image.get(), 2, 7), kBlack);  // below it: left band
  EXPECT_EQ(PixelAt(image.get(), 97, 7), kGreen);
  EXPECT_EQ(PixelAt(image.get(), 92, 97), kBlue);
  // Along the seams, mixes of the two band colours only: no white shows through.
  for (int i = 0; i < 10; ++i) {
    const RgbaColor topLeft = PixelAt(image.get(), i, i);  // red and black
    EXPECT_EQ(topLeft.green + topLeft.blue, 0) << i;
    const RgbaColor bottomRight = PixelAt(image.get(), 99 - i, 99 - i);  // green and blue
    EXPECT_EQ(bottomRight.red, 0) << i;
  }
}

TEST(PaintFrameTest, OpacityMixesHalfAndHalf) {
  Bitmap image = FilledImage(100, 100, 24, 255, 255, 255);
  ASSERT_TRUE(PaintFrame(image.get(), FourColours(10, 128)));
  EXPECT_TRUE(Near(PixelAt(image.get(), 50, 5), {255, 127, 127, 255}, 2));
  EXPECT_TRUE(Near(PixelAt(image.get(), 5, 50), {127, 127, 127, 255}, 2));
  EXPECT_EQ(PixelAt(image.get(), 50, 50), kWhite);
}

TEST(PaintFrameTest, ColourOfTheWrongLengthGivesNoBand) {
  Bitmap image = FilledImage(100, 100, 24, 10, 20, 30);
  FrameStyle style = FourColours(10);
  style.topColor = ParseColor("F00", 255);
  ASSERT_TRUE(PaintFrame(image.get(), style));
  EXPECT_EQ(PixelAt(image.get(), 50, 5), (RgbaColor{10, 20, 30, 255}));
  EXPECT_EQ(PixelAt(image.get(), 95, 50), kGreen);
}

TEST(PaintFrameTest, BandsWiderThanTheImageStayInsideIt) {
  Bitmap image = FilledImage(40, 30, 24, 255, 255, 255);
  ASSERT_TRUE(PaintFrame(image.get(), {{30, 30, 500, 500}, kBlack, kGreen, kRed, kBlue, 255}));
  EXPECT_EQ(testing::Width(image.get()), 40);
  EXPECT_EQ(testing::Height(image.get()), 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_NE(PixelAt(image.get(), x, y), kWhite) << x << "," << y;
}

TEST(PaintFrameTest, NoBandsLeaveTheImageAndWrongDepthsAreRefused) {
  Bitmap image = FilledImage(20, 20, 24, 1, 2, 3);
  ASSERT_TRUE(PaintFrame(image.get(), FourColours(0)));
  EXPECT_EQ(PixelAt(image.get(), 0, 0), (RgbaColor{1, 2, 3, 255}));
  Bitmap deep = FilledImage(20, 20, 32, 1, 2, 3);
  EXPECT_FALSE(PaintFrame(deep.get(), FourColours(5)));
  EXPECT_FALSE(PaintFrame(nullptr, FourColours(5)));
}

}  // namespace
}  // namespace vecrast

namespace vecrast {
namespace {

class DrawFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = Settings;
    ResetSettings(true);
  }
  void TearDown() override { Settings = saved; }
  SettingsRecord saved;
};

TEST_F(DrawFrameTest, FourBandsThroughTheSettings) {
  Settings.doFrame = 1;
  Settings.solidLeft = Settings.solidRight = Settings.solidTop = Settings.solidBottom = 10;
  Settings.solidTopColor = "FF0000";
  Settings.solidRightColor = "00FF00";
  Settings.solidBottomColor = "0000FF";
  Settings.solidLeftColor = "000000";
  Bitmap framed = DrawFrame(FilledImage(100, 100, 32, 255, 255, 255), 100, 100);
  ASSERT_TRUE(framed);
  EXPECT_EQ(FreeImage_GetBPP(framed.get()), 24u);
  EXPECT_EQ(testing::Width(framed.get()), 100);
  EXPECT_EQ(testing::Height(framed.get()), 100);
  EXPECT_EQ(PixelAt(framed.get(), 50, 5), kRed);
  EXPECT_EQ(PixelAt(framed.get(), 95, 50), kGreen);
  EXPECT_EQ(PixelAt(framed.get(), 50, 95), kBlue);
  EXPECT_EQ(PixelAt(framed.get(), 5, 50), kBlack);
  EXPECT_EQ(PixelAt(framed.get(), 50, 50), kWhite);
}

TEST_F(DrawFrameTest, OffLeavesTheImageOtherwiseItBecomes24Bits) {
  Bitmap image = FilledImage(20, 20, 32, 1, 2, 3);
  FIBITMAP* before = image.get();
  EXPECT_EQ(DrawFrame(std::move(image), 20, 20).get(), before);
  EXPECT_FALSE(DrawFrame(nullptr, 0, 0));
  for (const int kind : {1, 2}) {  // solid with no widths, and an unknown kind
    Settings.doFrame = static_cast<int8_t>(kind);
    Bitmap converted = DrawFrame(FilledImage(20, 20, 32, 1, 2, 3), 20, 20);
    EXPECT_EQ(FreeImage_GetBPP(converted.get()), 24u) << kind;
    EXPECT_EQ(PixelAt(converted.get(), 0, 0), (RgbaColor{1, 2, 3, 255})) << kind;
  }
}

}  // namespace
}  // namespace vecrast
