// Colour texts, Cairo hand-over and overlay blending shared by the frame and watermark.
#include <gtest/gtest.h>

#include "engine/cairo_bitmap.h"
#include "engine/frame_bands.h"
#include "engine/overlay_blend.h"
#include "engine/parse_color.h"
#include "pipeline_test_images.h"

namespace vecrast {
namespace {

using testing::FilledImage;
using testing::PixelAt;

TEST(ParseColorTest, ReadsSixHexDigitsAndAlpha) {
  struct Case {
    const char* text;
    int alpha;
    RgbaColor expected;
  };
  const Case cases[] = {
      {"FF8000", 255, {255, 128, 0, 255}},
      {"0a0B0c", 7, {10, 11, 12, 7}},
      {"000000", 300, {0, 0, 0, 255}},
      {"FFFFFF", -4, {255, 255, 255, 0}},
      {"FF00", 255, {}},        // too short: transparent black
      {"FF000000", 255, {}},    // too long
      {"", 255, {}},
      {"ZZ00FF", 255, {0, 0, 255, 255}},  // a pair that is not hexadecimal reads as 0
  };
  for (const Case& c : cases) EXPECT_EQ(ParseColor(c.text, c.alpha), c.expected) << c.text;
}

TEST(FrameBandsTest, ClampsBandsIntoTheImage) {
  EXPECT_EQ(ClampFrameBands({10, 10, 10, 10}, 100, 100), (FrameBands{10, 10, 10, 10}));
  EXPECT_EQ(ClampFrameBands({70, 70, 80, 30}, 100, 100), (FrameBands{70, 30, 80, 20}));
  EXPECT_EQ(ClampFrameBands({500, 5, -3, 200}, 100, 50), (FrameBands{100, 0, 0, 50}));
}

TEST(CairoBitmapTest, SurfaceBecomesUprightStraightAlphaBitmap) {
  CairoSurface surface = MakeTransparentSurface(4, 3);
  CairoContext context = MakeContext(surface.get());
  cairo_set_source_rgba(context.get(), 1.0, 0.0, 0.0, 1.0);
  cairo_rectangle(context.get(), 0, 0, 1, 1);  // top-left pixel: opaque red
  cairo_fill(context.get());
  cairo_set_source_rgba(context.get(), 0.0, 0.0, 1.0, 128 / 255.0);
  cairo_rectangle(context.get(), 3, 2, 1, 1);  // bottom-right pixel: half-transparent blue
  cairo_fill(context.get());
  context.reset();

  Bitmap bitmap = BitmapFromSurface(surface.get());
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(FreeImage_GetBPP(bitmap.get()), 32u);
  EXPECT_EQ(PixelAt(bitmap.get(), 0, 0), (RgbaColor{255, 0, 0, 255}));
  EXPECT_EQ(PixelAt(bitmap.get(), 3, 2), (RgbaColor{0, 0, 255, 128}));
  EXPECT_EQ(PixelAt(bitmap.get(), 1, 1), (RgbaColor{0, 0, 0, 0}));

  CairoSurface back = SurfaceFromBitmap(bitmap.get());
  ASSERT_TRUE(back);
  Bitmap again = BitmapFromSurface(back.get());
  EXPECT_EQ(PixelAt(again.get(), 3, 2), (RgbaColor{0, 0, 255, 128}));
  EXPECT_EQ(PixelAt(again.get(), 0, 0), (RgbaColor{255, 0, 0, 255}));
}

TEST(CairoBitmapTest, RefusesEmptySizes) {
  EXPECT_FALSE(MakeTransparentSurface(0, 5));
  EXPECT_FALSE(MakeTransparentSurface(5, -1));
  EXPECT_FALSE(BitmapFromSurface(nullptr));
}

TEST(OverlayBlendTest, BlendsByAlphaInsideTheImageOnly) {
  Bitmap image = FilledImage(10, 10, 24, 255, 255, 255);
  Bitmap overlay = FilledImage(2, 2, 32, 0, 0, 0, 128);
  testing::SetPixel(overlay.get(), 1, 1, {255, 0, 0, 255});
  testing::SetPixel(overlay.get(), 0, 1, {0, 0, 0, 0});

  ASSERT_TRUE(BlendOverlay(image.get(), overlay.get(), 8, 0));
  EXPECT_EQ(PixelAt(image.get(), 8, 0), (RgbaColor{127, 127, 127, 255}));  // half black on white
  EXPECT_EQ(PixelAt(image.get(), 9, 1), (RgbaColor{255, 0, 0, 255}));      // opaque
  EXPECT_EQ(PixelAt(image.get(), 8, 1), (RgbaColor{255, 255, 255, 255}));  // transparent
  EXPECT_EQ(PixelAt(image.get(), 7, 0), (RgbaColor{255, 255, 255, 255}));  // outside

  EXPECT_FALSE(BlendOverlay(image.get(), overlay.get(), 9, 0));
  EXPECT_FALSE(BlendOverlay(image.get(), overlay.get(), -1, 0));
  EXPECT_FALSE(BlendOverlay(image.get(), overlay.get(), 0, 9));
  EXPECT_FALSE(BlendOverlay(overlay.get(), image.get(), 0, 0));  // depths swapped
}

}  // namespace
}  // namespace vecrast
