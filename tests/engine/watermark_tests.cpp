// The watermark: its box geometry, placement and crop, text and picture overlays.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/font_slots.h"
#include "engine/pipeline.h"
#include "engine/watermark_layout.h"
#include "engine/watermark_picture.h"
#include "engine/watermark_stamp.h"
#include "engine/watermark_text.h"
#include "pipeline_test_images.h"
#include "settings/settings.h"

namespace vecrast {
namespace {

using testing::FilledImage;
using testing::PixelAt;

TEST(WatermarkLinesTest, SplitsAtEveryLineBreakInAnyCase) {
  EXPECT_EQ(SplitWatermarkLines("Page 00001%EOL%of the set"),
            (std::vector<std::string>{"Page 00001", "of the set"}));
  EXPECT_EQ(SplitWatermarkLines("a%eol%%EoL%b%eol%"), (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(SplitWatermarkLines("100% %eo"), (std::vector<std::string>{"100% %eo"}));
  EXPECT_EQ(SplitWatermarkLines(""), (std::vector<std::string>{""}));
}

TEST(TextBoxLayoutTest, OneLineSitsAtThePadding) {
  const TextBoxLayout layout = LayoutTextBox({57}, 19, 4, 3, 2);
  EXPECT_EQ(layout.box, (PixelSize{63, 25}));
  EXPECT_EQ(layout.lineOrigins, (std::vector<PixelPoint>{{3, 3}}));
}

TEST(TextBoxLayoutTest, TwoLinesCentredShareTheWidestWidth) {
  const TextBoxLayout layout = LayoutTextBox({100, 60}, 20, 4, 5, 1);
  EXPECT_EQ(layout.box, (PixelSize{110, 20 + 24 + 10}));
  EXPECT_EQ(layout.lineOrigins, (std::vector<PixelPoint>{{5, 5}, {25, 29}}));
  // Half a pixel rounds away from zero.
  EXPECT_EQ(LayoutTextBox({100, 61}, 20, 0, 5, 1).lineOrigins[1].x, 25);
}

TEST(TextBoxLayoutTest, AlignmentsAndTheSmallestLines) {
  EXPECT_EQ(LayoutTextBox({100, 60}, 20, 0, 5, 0).lineOrigins[1].x, 5);
  EXPECT_EQ(LayoutTextBox({100, 60}, 20, 0, 5, 2).lineOrigins[1].x, 45);
  EXPECT_EQ(LayoutTextBox({100, 60}, 20, 0, 5, 7).lineOrigins[1].x, 0);
  // Several lines are at least 10 pixels wide and high.
  const TextBoxLayout tiny = LayoutTextBox({3, 4}, 6, 0, 0, 0);
  EXPECT_EQ(tiny.box, (PixelSize{10, 20}));
}

TEST(WatermarkPlacementTest, NinePositionsOnTheWholeImage) {
  const WatermarkArea area = AvailableArea(200, 100, false, {20, 30, 5, 15});
  const PixelPoint expected[] = {{10, 10}, {80, 10}, {150, 10}, {10, 40}, {80, 40},
                                 {150, 40}, {10, 70}, {80, 70}, {150, 70}};
  for (int position = 0; position < 9; ++position)
    EXPECT_EQ(PlaceWatermark({40, 20}, area, position, 10, 10), expected[position]) << position;
  EXPECT_EQ(PlaceWatermark({40, 20}, area, 9, 10, 10), (PixelPoint{0, 0}));
  EXPECT_EQ(PlaceWatermark({45, 21}, area, 4, 10, 10), (PixelPoint{77, 39}));
}

TEST(WatermarkPlacementTest, NinePositionsInsideTheFrame) {
  const WatermarkArea area = AvailableArea(200, 100, true, {20, 30, 5, 15});
  const PixelPoint expected[] = {{30, 15}, {75, 15}, {120, 15}, {30, 35}, {75, 35},
                                 {120, 35}, {30, 55}, {75, 55}, {120, 55}};
  for (int position = 0; position < 9; ++position)
    EXPECT_EQ(PlaceWatermark({40, 20}, area, position, 10, 10), expected[position]) << position;
  EXPECT_EQ(PlaceWatermark({40, 20}, area, -1, 10, 10), (PixelPoint{20, 5}));
}

TEST(WatermarkPlacementTest, CropKeepsTheWatermarkInsideTheArea) {
  const WatermarkArea area{0, 0, 200, 100};
  EXPECT_EQ(CroppedSize({300, 50}, area, 10, 10), (PixelSize{190, 50}));
  EXPECT_EQ(CroppedSize({50, 300}, area, 10, 10), (PixelSize{50, 90}));
  EXPECT_EQ(CroppedSize({50, 50}, area, 10, 10), (PixelSize{50, 50}));
  EXPECT_EQ(CroppedSize({50, 50}, area, 200, 10).width, 0);
  EXPECT_LE(CroppedSize({50, 50}, area, 10, 2147483647).height, 0);
}

TEST(WatermarkRotationTest, OnlyOneTo359DegreesTurn) {
  EXPECT_FALSE(IsWatermarkRotation(0));
  EXPECT_TRUE(IsWatermarkRotation(1));
  EXPECT_TRUE(IsWatermarkRotation(359));
  EXPECT_FALSE(IsWatermarkRotation(360));
  EXPECT_FALSE(IsWatermarkRotation(-90));
}

TEST(FontSlotsTest, LoadsBestMatchAndRefusesEmptyNames) {
  EXPECT_FALSE(LoadFont(kWatermarkFontSlot, "", 14, 0));
  EXPECT_EQ(FontInSlot(kWatermarkFontSlot), nullptr);
  EXPECT_FALSE(LoadFont(kFontSlotCount, "Arial", 14, 0));
  ASSERT_TRUE(LoadFont(kWatermarkFontSlot, "Arial", 14, kFontBold | kFontUnderline));
  const LoadedFont* font = FontInSlot(kWatermarkFontSlot);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->pixelSize, 19.0);  // 14 points at 96 pixels per inch
  EXPECT_TRUE(font->underline);
  EXPECT_FALSE(font->strikeOut);
  // An unknown face is substituted, as a font request by name is.
  EXPECT_TRUE(LoadFont(kWatermarkFontSlot, "No Such Face At All", 10, 0));
  FreeFont(kWatermarkFontSlot);
  EXPECT_EQ(FontInSlot(kWatermarkFontSlot), nullptr);
}

// The leftmost and rightmost columns of rows top..bottom holding a pixel brighter than 128.
std::pair<int, int> InkedColumns(FIBITMAP* image, int top, int bottom) {
  int first = testing::Width(image), last = -1;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < testing::Width(image); ++x) {
      if (PixelAt(image, x, y).red <= 128) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
  return {first, last};
}

class TextWatermarkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadFont(kWatermarkFontSlot, "Arial", 14, 0));
    style.font = FontInSlot(kWatermarkFontSlot);
    style.textColor = {255, 255, 255, 255};
    style.backColor = {0, 0, 0, 255};
  }
  void TearDown() override { FreeFont(kWatermarkFontSlot); }
  TextWatermarkStyle style;
};

TEST_F(TextWatermarkTest, PlainTextWritesOnlyTheTwoColours) {
  style.padding = 3;
  style.textColor = {255, 255, 255, 200};
  Bitmap box = RenderTextWatermark("Hello", style);
  ASSERT_TRUE(box);
  EXPECT_GT(testing::Width(box.get()), 30);
  EXPECT_GE(testing::Height(box.get()), 19 + 6);
  int textPixels = 0;
  for (int y = 0; y < testing::Height(box.get()); ++y) {
    for (int x = 0; x < testing::Width(box.get()); ++x) {
      const RgbaColor pixel = PixelAt(box.get(), x, y);
      const bool text = pixel == RgbaColor{255, 255, 255, 200};
      ASSERT_TRUE(text || pixel == (RgbaColor{0, 0, 0, 255})) << x << "," << y;
      textPixels += text;
      if (x < 3 || y < 3) {
        ASSERT_FALSE(text);  // the padding stays clear
      }
    }
  }
  EXPECT_GT(textPixels, 20);
}

TEST_F(TextWatermarkTest, AntialiasedTextHasSmoothEdgesAndItsOpacity) {
  style.antialiased = true;
  style.backColor = {0, 0, 0, 0};
  style.textColor = {255, 0, 0, 255};
  Bitmap box = RenderTextWatermark("Smooth", style);
  ASSERT_TRUE(box);
  bool partial = false, opaque = false;
  for (int y = 0; y < testing::Height(box.get()); ++y)
    for (int x = 0; x < testing::Width(box.get()); ++x) {
      const RgbaColor pixel = PixelAt(box.get(), x, y);
      partial |= pixel.alpha > 0 && pixel.alpha < 255;
      opaque |= pixel.alpha == 255 && pixel.red == 255;
    }
  EXPECT_TRUE(partial);
  EXPECT_TRUE(opaque);
}

TEST_F(TextWatermarkTest, TwoLinesCentredInTheBox) {
  style.alignment = 1;
  style.padding = 4;
  Bitmap box = RenderTextWatermark("WWWWWWWWWW%EOL%WW", style);
  ASSERT_TRUE(box);
  const int width = testing::Width(box.get());
  const int height = testing::Height(box.get());
  const auto [firstTop, lastTop] = InkedColumns(box.get(), 0, height / 2);
  const auto [firstBottom, lastBottom] = InkedColumns(box.get(), height / 2, height);
  EXPECT_LE(firstTop, 6);
  EXPECT_GE(lastTop, width - 7);
  EXPECT_GT(firstBottom, width / 3);
  EXPECT_NEAR(firstBottom + lastBottom, width - 1, 3);  // the short line's middle is the box's
}

TEST_F(TextWatermarkTest, NoFontOrEmptyBoxGivesNoWatermark) {
  EXPECT_FALSE(RenderTextWatermark("", style));  // no padding: an empty box
  style.font = nullptr;
  EXPECT_FALSE(RenderTextWatermark("Text", style));
}

TEST_F(TextWatermarkTest, InvalidUtf8StillDraws) {
  Bitmap box = RenderTextWatermark("A\xff\xc3(B", style);
  ASSERT_TRUE(box);
  EXPECT_GT(InkedColumns(box.get(), 0, testing::Height(box.get())).second, 20);
}

class PictureWatermarkTest : public ::testing::Test {
 protected:
  std::string Save(FIBITMAP* picture, FREE_IMAGE_FORMAT format, const char* extension) {
    std::string path = ::testing::TempDir() + "vecrast_picture_" + std::to_string(getpid()) + "_" +
                       std::to_string(paths.size()) + extension;
    EXPECT_TRUE(FreeImage_Save(format, picture, path.c_str(), 0));
    paths.push_back(path);
    return path;
  }
  void TearDown() override {
    for (const std::string& path : paths) std::remove(path.c_str());
  }
  std::vector<std::string> paths;
};

TEST_F(PictureWatermarkTest, RedPictureTurnsGrey76WithItsOpacity) {
  Bitmap red = FilledImage(4, 3, 24, 255, 0, 0);
  for (const auto& [format, extension] :
       {std::pair{FIF_PNG, ".png"}, std::pair{FIF_BMP, ".bmp"}}) {
    Bitmap grey = LoadPictureWatermark(Save(red.get(), format, extension), true, 128);
    ASSERT_TRUE(grey) << extension;
    EXPECT_EQ(FreeImage_GetBPP(grey.get()), 32u);
    EXPECT_EQ(PixelAt(grey.get(), 2, 1), (RgbaColor{76, 76, 76, 128})) << extension;
  }
  Bitmap kept = LoadPictureWatermark(Save(red.get(), FIF_PNG, ".png"), false, 255);
  EXPECT_EQ(PixelAt(kept.get(), 0, 0), (RgbaColor{255, 0, 0, 255}));
}

TEST_F(PictureWatermarkTest, AlphaOfThePictureIsScaled) {
  Bitmap picture = FilledImage(2, 2, 32, 0, 255, 0, 100);
  Bitmap loaded = LoadPictureWatermark(Save(picture.get(), FIF_PNG, ".png"), false, 51);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(PixelAt(loaded.get(), 1, 1), (RgbaColor{0, 255, 0, 20}));
}

// A 16-bit picture of the given type, every pixel the same samples (red, green, blue, alpha;
// grey uses the first).
Bitmap SixteenBitPicture(FREE_IMAGE_TYPE type, std::vector<WORD> samples) {
  Bitmap picture = Adopt(FreeImage_AllocateT(type, 3, 2));
  for (int row = 0; row < 2; ++row) {
    WORD* pixel = reinterpret_cast<WORD*>(FreeImage_GetScanLine(picture.get(), row));
    for (int column = 0; column < 3; ++column) {
      for (const WORD sample : samples) *pixel++ = sample;
    }
  }
  return picture;
}

// 16-bit PNGs (RGB16, RGBA16, 16-bit grey) are brought to 8 bits sample by sample: colour ones
// were left off before, and grey ones stretched to the picture's own darkest and lightest.
TEST_F(PictureWatermarkTest, SixteenBitPicturesKeepTheirLevels) {
  struct Case {
    const char* name;
    FREE_IMAGE_TYPE type;
    std::vector<WORD> samples;
    RgbaColor expected;
  } cases[] = {
      {"RGB16", FIT_RGB16, {65535, 20000, 0}, {255, 78, 0, 255}},
      {"RGBA16", FIT_RGBA16, {0, 65535, 20000, 32768}, {0, 255, 78, 128}},
      {"grey", FIT_UINT16, {20000}, {78, 78, 78, 255}},
  };
  for (const Case& c : cases) {
    Bitmap picture = SixteenBitPicture(c.type, c.samples);
    if (c.type == FIT_UINT16) {  // one lighter pixel, so that stretching would show
      reinterpret_cast<WORD*>(FreeImage_GetScanLine(picture.get(), 0))[0] = 40000;
    }
    Bitmap loaded = LoadPictureWatermark(Save(picture.get(), FIF_PNG, ".png"), false, 255);
    ASSERT_TRUE(loaded) << c.name;
    EXPECT_EQ(FreeImage_GetBPP(loaded.get()), 32u) << c.name;
    EXPECT_EQ(PixelAt(loaded.get(), 2, 0), c.expected) << c.name;
  }
}

// Sides longer than rendered pictures may have are no reason to drop the watermark: the step
// crops it to the image like any other large picture.
TEST_F(PictureWatermarkTest, APictureWiderThanThirtyTwoThousandPixelsIsKept) {
  Bitmap wide = FilledImage(40000, 2, 24, 0, 0, 255);
  Bitmap loaded = LoadPictureWatermark(Save(wide.get(), FIF_PNG, ".png"), false, 255);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(testing::Width(loaded.get()), 40000);
  Bitmap image = FilledImage(100, 50, 24, 255, 255, 255);
  WatermarkPlacement placement;
  placement.area = {0, 0, 100, 50};
  placement.position = 0;
  placement.offsetX = 10;
  placement.offsetY = 10;
  ASSERT_TRUE(StampWatermark(image.get(), std::move(loaded), placement));
  EXPECT_EQ(PixelAt(image.get(), 99, 10), (RgbaColor{0, 0, 255, 255}));
  EXPECT_EQ(PixelAt(image.get(), 9, 10), (RgbaColor{255, 255, 255, 255}));
}

TEST_F(PictureWatermarkTest, APipeInsteadOfAPictureDoesNotBlock) {
  const std::string fifo = ::testing::TempDir() + "vecrast_mark_fifo_" + std::to_string(getpid());
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  paths.push_back(fifo);
  EXPECT_FALSE(LoadPictureWatermark(fifo, false, 255));
}

TEST_F(PictureWatermarkTest, UnreadableOrOtherFormatsGiveNoPicture) {
  EXPECT_FALSE(LoadPictureWatermark("/nonexistent/picture.png", false, 255));
  EXPECT_FALSE(LoadPictureWatermark("", false, 255));
  Bitmap picture = FilledImage(2, 2, 24, 1, 2, 3);
  EXPECT_FALSE(LoadPictureWatermark(Save(picture.get(), FIF_TIFF, ".tif"), false, 255));
  const std::string text = ::testing::TempDir() + "vecrast_not_a_picture.png";
  std::ofstream(text) << "not a picture";
  paths.push_back(text);
  EXPECT_FALSE(LoadPictureWatermark(text, false, 255));
}

}  // namespace
}  // namespace vecrast

namespace vecrast {
namespace {

using testing::FilledImage;
using testing::PixelAt;

constexpr RgbaColor kOpaqueRed{255, 0, 0, 255};
constexpr RgbaColor kWhite{255, 255, 255, 255};

// The bounding box of the pixels that are not white.
struct Marked {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};
Marked MarkedBox(FIBITMAP* image) {
  Marked box;
  for (int y = 0; y < testing::Height(image); ++y)
    for (int x = 0; x < testing::Width(image); ++x) {
      if (PixelAt(image, x, y) == kWhite) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x);
      box.bottom = std::max(box.bottom, y);
    }
  return box;
}

TEST(StampWatermarkTest, BottomRightTenPixelsFromTheCorner) {
  Bitmap image = FilledImage(200, 100, 24, 255, 255, 255);
  WatermarkPlacement placement{{0, 0, 200, 100}, 8, 10, 10, 0};
  ASSERT_TRUE(StampWatermark(image.get(), FilledImage(30, 20, 32, 255, 0, 0), placement));
  const Marked box = MarkedBox(image.get());
  EXPECT_EQ(box.right, 200 - 10 - 1);
  EXPECT_EQ(box.bottom, 100 - 10 - 1);
  EXPECT_EQ(box.left, 200 - 10 - 30);
  EXPECT_EQ(PixelAt(image.get(), 170, 80), kOpaqueRed);
}

TEST(StampWatermarkTest, InsideTheFrameStartsPastTheLeftBand) {
  Bitmap image = FilledImage(200, 100, 24, 255, 255, 255);
  WatermarkPlacement placement{AvailableArea(200, 100, true, {20, 0, 0, 0}), 0, 10, 10, 0};
  ASSERT_TRUE(StampWatermark(image.get(), FilledImage(30, 20, 32, 255, 0, 0), placement));
  EXPECT_EQ(MarkedBox(image.get()).left, 30);
  EXPECT_EQ(MarkedBox(image.get()).top, 10);
}

TEST(StampWatermarkTest, LargerPictureKeepsItsTopLeftPart) {
  Bitmap image = FilledImage(100, 80, 24, 255, 255, 255);
  Bitmap picture = FilledImage(300, 300, 32, 0, 0, 255);
  testing::SetPixel(picture.get(), 0, 0, kOpaqueRed);
  WatermarkPlacement placement{{0, 0, 100, 80}, 0, 10, 10, 0};
  ASSERT_TRUE(StampWatermark(image.get(), std::move(picture), placement));
  EXPECT_EQ(PixelAt(image.get(), 10, 10), kOpaqueRed);
  EXPECT_EQ(PixelAt(image.get(), 99, 79), (RgbaColor{0, 0, 255, 255}));
  EXPECT_EQ(PixelAt(image.get(), 9, 9), kWhite);
}

TEST(StampWatermarkTest, CroppedToNothingOrOutsideLeavesTheImageAlone) {
  Bitmap image = FilledImage(100, 80, 24, 255, 255, 255);
  EXPECT_FALSE(StampWatermark(image.get(), FilledImage(30, 20, 32, 255, 0, 0),
                              {{0, 0, 100, 80}, 0, 100, 10, 0}));
  EXPECT_FALSE(StampWatermark(image.get(), FilledImage(30, 20, 32, 255, 0, 0),
                              {{0, 0, 100, 80}, 0, -5, 10, 0}));
  EXPECT_FALSE(StampWatermark(image.get(), nullptr, {{0, 0, 100, 80}, 0, 10, 10, 0}));
  EXPECT_EQ(MarkedBox(image.get()).right, -1);
}

// Where the alpha of a 32-bit picture weighs, in stored rows.
std::pair<double, double> AlphaCentroid(FIBITMAP* image) {
  double sumX = 0, sumY = 0, sum = 0;
  for (int row = 0; row < testing::Height(image); ++row) {
    const BYTE* line = FreeImage_GetScanLine(image, row);
    for (int column = 0; column < testing::Width(image); ++column) {
      const double alpha = line[4 * column + FI_RGBA_ALPHA];
      sumX += alpha * (column + 0.5), sumY += alpha * (row + 0.5), sum += alpha;
    }
  }
  return {sumX / sum, sumY / sum};
}

// A turned picture watermark gets the library's canvas and lands where the library puts it,
// so that anchored watermarks sit where the positions put them.
TEST(StampWatermarkTest, RotationMatchesTheLibrarysCanvasAndPlacement) {
  for (const int degrees : {1, 17, 30, 45, 100, 135, 200, 290, 333, 359}) {
    Bitmap mark = FilledImage(61, 23, 32, 0, 0, 0, 0);
    for (int y = 4; y < 9; ++y)
      for (int x = 8; x < 15; ++x) testing::SetPixel(mark.get(), x, y, {255, 0, 0, 255});
    Bitmap library = Adopt(FreeImage_Rotate(mark.get(), degrees, nullptr));
    Bitmap ours = RotateWatermark(std::move(mark), degrees);
    ASSERT_TRUE(library && ours);
    EXPECT_EQ(testing::Width(ours.get()), testing::Width(library.get())) << degrees;
    EXPECT_EQ(testing::Height(ours.get()), testing::Height(library.get())) << degrees;
    const auto [expectedX, expectedY] = AlphaCentroid(library.get());
    const auto [gotX, gotY] = AlphaCentroid(ours.get());
    EXPECT_LT(std::hypot(gotX - expectedX, gotY - expectedY), 0.25) << degrees;
  }
}

TEST(StampWatermarkTest, RotationTurnsTheBoxWithTransparentCorners) {
  Bitmap box = FilledImage(40, 10, 32, 255, 0, 0);
  testing::SetPixel(box.get(), 0, 0, {0, 0, 255, 255});
  Bitmap turned = RotateWatermark(std::move(box), 90);
  ASSERT_TRUE(turned);
  EXPECT_EQ(testing::Width(turned.get()), 10);
  EXPECT_EQ(testing::Height(turned.get()), 40);
  EXPECT_EQ(PixelAt(turned.get(), 0, 39), (RgbaColor{0, 0, 255, 255}));  // counter-clockwise
  Bitmap tilted = RotateWatermark(FilledImage(40, 20, 32, 255, 0, 0), 30);
  ASSERT_TRUE(tilted);
  // The library's canvas: 40 cos 30 + 20 sin 30 = 44.6 and 40 sin 30 + 20 cos 30 = 37.3, each
  // rounded and grown by one pixel.
  EXPECT_EQ(testing::Width(tilted.get()), 46);
  EXPECT_EQ(testing::Height(tilted.get()), 38);
  EXPECT_EQ(PixelAt(tilted.get(), 0, 0).alpha, 0);
  EXPECT_EQ(PixelAt(tilted.get(), 22, 19), (RgbaColor{255, 0, 0, 255}));
  // Counter-clockwise: the right end rises, so the topmost corner is right of the middle.
  EXPECT_EQ(PixelAt(tilted.get(), 33, 3).alpha, 255);
  EXPECT_EQ(PixelAt(tilted.get(), 11, 3).alpha, 0);
  Bitmap same = FilledImage(40, 10, 32, 255, 0, 0);
  FIBITMAP* before = same.get();
  EXPECT_EQ(RotateWatermark(std::move(same), 360).get(), before);
}

}  // namespace
}  // namespace vecrast

namespace vecrast {
namespace {

using testing::FilledImage;
using testing::PixelAt;

class DrawWatermarkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = Settings;
    savedJob = ConversionJob;
    ResetSettings(true);
    Settings.doWatermark = 1;
    Settings.text = "Watermark";
    Settings.backColor = "000000";
    Settings.backOpacity = 255;
    ASSERT_TRUE(LoadFont(kWatermarkFontSlot, "Arial", 14, 0));
  }
  void TearDown() override {
    FreeFont(kWatermarkFontSlot);
    Settings = saved;
    ConversionJob = savedJob;
    for (const std::string& path : paths) std::remove(path.c_str());
  }
  Bitmap Draw() { return DrawWatermark(FilledImage(200, 100, 32, 255, 255, 255), 200, 100); }
  SettingsRecord saved;
  ConversionJobRecord savedJob;
  std::vector<std::string> paths;
};

TEST_F(DrawWatermarkTest, OneLineBottomRightTenPixelsFromTheCorner) {
  Bitmap image = Draw();
  ASSERT_TRUE(image);
  EXPECT_EQ(FreeImage_GetBPP(image.get()), 24u);
  const Marked box = MarkedBox(image.get());
  EXPECT_EQ(box.right, 189);
  EXPECT_EQ(box.bottom, 89);
  EXPECT_LT(box.left, 150);
  EXPECT_EQ(PixelAt(image.get(), box.right, box.bottom), (RgbaColor{0, 0, 0, 255}));
}

TEST_F(DrawWatermarkTest, InsideTheFrameTheBoxStartsPastTheLeftBand) {
  Settings.doFrame = 1;
  Settings.solidLeft = 20;
  Settings.textBoundary = 1;
  Settings.textPosition = 0;
  EXPECT_EQ(MarkedBox(Draw().get()).left, 30);
  Settings.doFrame = 0;  // without a frame the boundary is the whole image
  EXPECT_EQ(MarkedBox(Draw().get()).left, 10);
}

// The text's tokens are expanded and "%EOL%" starts a second line: the box is about two
// lines high.
TEST_F(DrawWatermarkTest, TokensAndLineBreaksOfTheText) {
  ConversionJob.sequenceNumber = 7;
  Settings.text = "Page 00007";
  const Marked oneLine = MarkedBox(Draw().get());
  Settings.text = "Page %N%";
  EXPECT_EQ(MarkedBox(Draw().get()).left, oneLine.left);
  Settings.text = "Page %N%%EOL%of the set";
  const Marked twoLines = MarkedBox(Draw().get());
  const int lineHeight = oneLine.bottom - oneLine.top + 1;
  EXPECT_GE(twoLines.bottom - twoLines.top + 1, 2 * lineHeight - 1);
  EXPECT_LE(twoLines.bottom - twoLines.top + 1, 2 * lineHeight + 1);
}

TEST_F(DrawWatermarkTest, DefaultBackOpacityLeavesTheBoxPracticallyInvisible) {
  Settings.backOpacity = 1;
  Settings.textPosition = 0;
  Bitmap image = Draw();
  EXPECT_EQ(PixelAt(image.get(), 10, 10), (RgbaColor{254, 254, 254, 255}));
}

TEST_F(DrawWatermarkTest, RotationTurnsTheBox) {
  Settings.textRotation = 90;
  const Marked turned = MarkedBox(Draw().get());
  EXPECT_GT(turned.bottom - turned.top, turned.right - turned.left);
  Settings.textRotation = 360;
  const Marked flat = MarkedBox(Draw().get());
  EXPECT_LT(flat.bottom - flat.top, flat.right - flat.left);
}

// A watermark that its offsets crop to nothing, or that does not fit at its place, is left
// off; the image itself goes on, so the file is still converted.
TEST_F(DrawWatermarkTest, CroppedToNothingOrMisplacedLeavesTheImageWithoutWatermark) {
  Settings.textXOffset = 200;
  Bitmap cropped = Draw();
  ASSERT_TRUE(cropped);
  EXPECT_EQ(FreeImage_GetBPP(cropped.get()), 24u);
  EXPECT_EQ(MarkedBox(cropped.get()).right, -1);
  Settings.textXOffset = -50;
  Settings.textPosition = 0;
  Bitmap outside = Draw();
  ASSERT_TRUE(outside);
  EXPECT_EQ(MarkedBox(outside.get()).right, -1);
}

TEST_F(DrawWatermarkTest, WithoutFontOrPictureTheImageIsOnlyConverted) {
  FreeFont(kWatermarkFontSlot);
  Bitmap image = Draw();
  ASSERT_TRUE(image);
  EXPECT_EQ(FreeImage_GetBPP(image.get()), 24u);
  EXPECT_EQ(MarkedBox(image.get()).right, -1);
  Settings.doWatermark = 2;
  Settings.image = "/nonexistent/mark.png";
  EXPECT_EQ(MarkedBox(Draw().get()).right, -1);
}

TEST_F(DrawWatermarkTest, OffOrNullPassesThrough) {
  EXPECT_FALSE(DrawWatermark(nullptr, 0, 0));
  Settings.doWatermark = 0;
  Bitmap image = FilledImage(20, 20, 32, 1, 2, 3);
  FIBITMAP* before = image.get();
  EXPECT_EQ(DrawWatermark(std::move(image), 20, 20).get(), before);
}

TEST_F(DrawWatermarkTest, RedPictureDrawnGrey) {
  const std::string path = ::testing::TempDir() + "vecrast_mark_" + std::to_string(getpid()) + ".png";
  paths.push_back(path);
  ASSERT_TRUE(FreeImage_Save(FIF_PNG, FilledImage(30, 20, 24, 255, 0, 0).get(), path.c_str(), 0));
  Settings.doWatermark = 2;
  Settings.image = path;
  Settings.imageGreyscale = 1;
  Settings.imagePosition = 4;
  Bitmap image = Draw();
  EXPECT_EQ(PixelAt(image.get(), 100, 50), (RgbaColor{76, 76, 76, 255}));
  const Marked box = MarkedBox(image.get());
  EXPECT_EQ(box.left, 85);
  EXPECT_EQ(box.top, 40);
}

}  // namespace
}  // namespace vecrast
