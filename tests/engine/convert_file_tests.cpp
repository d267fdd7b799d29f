#include <gtest/gtest.h>

#include <sys/stat.h>

#include "engine/convert_file.h"
#include "engine/formats.h"
#include "engine_test_helpers.h"
#include "fidelity/process_limits.h"
#include "metafile/metafile.h"
#include "settings/settings.h"
#include "wmf_writer.h"

using namespace vecrast;
using enginetest::TempFolder;

namespace {

// A 2 x 1 inch picture (192 x 96 pixels at 96 per inch) with a red rectangle over its
// top-right quarter and nothing drawn elsewhere.
wmfw::Bytes RedQuarterMetafile() {
  wmfw::WmfWriter w;
  w.SetWindowOrg(0, 0).SetWindowExt(2880, 1440);
  w.CreateBrush(0, wmfw::Rgb(255, 0, 0)).SelectObject(0);
  w.CreatePen(5, 0, 0).SelectObject(1);  // null pen: the fill alone
  w.Rectangle(1440, 0, 2880, 720);
  return w.Placeable(0, 0, 2880, 1440, 1440);
}

class ConvertFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    enginetest::ResetRunRecords();
    ConversionJob.outputFolder = out.path();
    ConversionJob.inputPath = in.path() + "Plan.wmf";
  }

  TempFolder in;
  TempFolder out;
};

RGBQUAD PixelTopDown(FIBITMAP* bitmap, unsigned x, unsigned yFromTop) {
  RGBQUAD pixel{};
  FreeImage_GetPixelColor(bitmap, x, FreeImage_GetHeight(bitmap) - 1 - yFromTop, &pixel);
  return pixel;
}

}  // namespace

TEST_F(ConvertFileTest, WritesAJpgOfThePlaceableSizeOnWhite) {
  const wmfw::Bytes bytes = RedQuarterMetafile();
  ASSERT_TRUE(wmfw::WriteFile(ConversionJob.inputPath, bytes));

  ASSERT_TRUE(ConvertFile()) << lastFailureReason;
  EXPECT_TRUE(lastFailureReason.empty());
  EXPECT_EQ(ConversionJob.outputPath, out.path() + "Plan.jpg");
  EXPECT_EQ(out.Entries(), std::vector<std::string>{"Plan.jpg"});
  EXPECT_EQ(ConversionJob.sourceBpp, 32);
  EXPECT_EQ(ConversionJob.targetBpp, 24) << "Auto depth for jpg";
  EXPECT_EQ(ConversionJob.outputWidth, 192);
  EXPECT_EQ(ConversionJob.outputHeight, 96);

  Bitmap saved = Adopt(FreeImage_Load(FIF_JPEG, ConversionJob.outputPath.c_str(), 0));
  ASSERT_TRUE(saved);
  EXPECT_EQ(FreeImage_GetWidth(saved.get()), 192u);
  EXPECT_EQ(FreeImage_GetHeight(saved.get()), 96u);
  EXPECT_EQ(FreeImage_GetBPP(saved.get()), 24u);
  const RGBQUAD white = PixelTopDown(saved.get(), 20, 70);
  EXPECT_GE(white.rgbRed, 245);
  EXPECT_GE(white.rgbGreen, 245);
  EXPECT_GE(white.rgbBlue, 245);
  const RGBQUAD red = PixelTopDown(saved.get(), 150, 20);
  EXPECT_GE(red.rgbRed, 240);
  EXPECT_LE(red.rgbGreen, 15);
  EXPECT_LE(red.rgbBlue, 15);
}

TEST_F(ConvertFileTest, EightBitJpgIsGreyscale) {
  const wmfw::Bytes bytes = RedQuarterMetafile();
  ASSERT_TRUE(wmfw::WriteFile(ConversionJob.inputPath, bytes));
  Settings.jpgBpp = 8;
  SetUpOutputFormat();
  ASSERT_TRUE(ConvertFile()) << lastFailureReason;
  Bitmap saved = Adopt(FreeImage_Load(FIF_JPEG, ConversionJob.outputPath.c_str(), 0));
  ASSERT_TRUE(saved);
  EXPECT_EQ(FreeImage_GetBPP(saved.get()), 8u);
  EXPECT_EQ(FreeImage_GetColorType(saved.get()), FIC_MINISBLACK);
}

TEST_F(ConvertFileTest, UnusableInputsFailWithAReasonAndWriteNothing) {
  wmfw::WmfWriter plain;
  plain.Rectangle(0, 0, 10, 10);
  const wmfw::Bytes whole = RedQuarterMetafile();
  wmfw::Bytes emf(108, 0);
  emf[0] = 1, emf[4] = 108, emf[40] = ' ', emf[41] = 'E', emf[42] = 'M', emf[43] = 'F';
  wmfw::Bytes gzip(64, 0);
  gzip[0] = 0x1F, gzip[1] = 0x8B, gzip[2] = 8;
  struct Case {
    const char* name;
    bool create;
    wmfw::Bytes bytes;
  };
  const Case cases[] = {
      {"missing", false, {}},
      {"empty", true, {}},
      {"short", true, wmfw::Bytes(10, 0xD7)},
      {"plain metafile without the placeable header", true, plain.Plain()},
      {"placeable header only", true, wmfw::Bytes(whole.begin(), whole.begin() + 22)},
      {"enhanced metafile", true, emf},
      {"gzip-compressed metafile", true, gzip},
  };
  for (const auto& c : cases) {
    ConversionJob.inputPath = in.path() + "case.wmf";
    std::remove(ConversionJob.inputPath.c_str());
    if (c.create) {
      ASSERT_TRUE(enginetest::WriteBytes(ConversionJob.inputPath, c.bytes));
    }
    EXPECT_FALSE(ConvertFile()) << c.name;
    EXPECT_FALSE(lastFailureReason.empty()) << c.name;
    EXPECT_TRUE(out.Entries().empty()) << c.name;
  }
  ConversionJob.inputPath = in.path();
  EXPECT_FALSE(ConvertFile()) << "a folder";
  EXPECT_NE(lastFailureReason.find("it is a folder"), std::string::npos) << lastFailureReason;
}

TEST_F(ConvertFileTest, FifoInputIsRefusedWithoutBlocking) {
  ConversionJob.inputPath = in.path() + "pipe.wmf";
  ASSERT_EQ(mkfifo(ConversionJob.inputPath.c_str(), 0600), 0);
  EXPECT_FALSE(ConvertFile());
  EXPECT_NE(lastFailureReason.find("it is a pipe"), std::string::npos) << lastFailureReason;
}

TEST_F(ConvertFileTest, MissingOutputFolderLeavesNothingBehind) {
  const wmfw::Bytes bytes = RedQuarterMetafile();
  ASSERT_TRUE(wmfw::WriteFile(ConversionJob.inputPath, bytes));
  ConversionJob.outputFolder = out.path() + "missing/";
  EXPECT_FALSE(ConvertFile());
  EXPECT_FALSE(lastFailureReason.empty());
  EXPECT_TRUE(out.Entries().empty());
}

TEST_F(ConvertFileTest, UnsavableDepthFailsAndKeepsTheOldFile) {
  const wmfw::Bytes bytes = RedQuarterMetafile();
  ASSERT_TRUE(wmfw::WriteFile(ConversionJob.inputPath, bytes));
  ASSERT_TRUE(enginetest::WriteBytes(out.path() + "Plan.jpg", {'o', 'l', 'd'}));
  ConversionJob.autoBpp = 0;
  ConversionJob.targetBpp = 32;  // JPEG takes 8 or 24 bits only
  EXPECT_FALSE(ConvertFile());
  EXPECT_EQ(out.Entries(), std::vector<std::string>{"Plan.jpg"});
  struct stat info {};
  ASSERT_EQ(stat((out.path() + "Plan.jpg").c_str(), &info), 0);
  EXPECT_EQ(info.st_size, 3);
}

// The saved 24-bit image holds exactly the rendered pixels, whether the pixels go straight
// to 24 bits (no image step on) or through a 32-bit step first (a vertical flip).
TEST_F(ConvertFileTest, TwentyFourBitOutputHoldsTheRenderedPixelsExactly) {
  const wmfw::Bytes bytes = RedQuarterMetafile();
  ASSERT_TRUE(wmfw::WriteFile(ConversionJob.inputPath, bytes));
  metafile::Picture picture;
  std::string reason;
  ASSERT_TRUE(metafile::RenderPlaceableMetafile(bytes.data(), bytes.size(), picture, reason)) << reason;
  for (const bool flip : {false, true}) {
    enginetest::ResetRunRecords();
    ConversionJob.outputFolder = out.path();
    ConversionJob.inputPath = in.path() + "Plan.wmf";
    ConversionJob.outputExtension = "bmp";
    SetUpOutputFormat();
    ConversionJob.autoBpp = 0;
    ConversionJob.targetBpp = 24;
    Settings.doImageFlipVertical = flip ? 1 : 0;
    ASSERT_TRUE(ConvertFile()) << lastFailureReason;
    EXPECT_EQ(ConversionJob.sourceBpp, 32);
    Bitmap saved = Adopt(FreeImage_Load(FIF_BMP, ConversionJob.outputPath.c_str(), 0));
    ASSERT_TRUE(saved);
    ASSERT_EQ(FreeImage_GetBPP(saved.get()), 24u);
    ASSERT_EQ(FreeImage_GetWidth(saved.get()), static_cast<unsigned>(picture.width));
    ASSERT_EQ(FreeImage_GetHeight(saved.get()), static_cast<unsigned>(picture.height));
    int mismatches = 0;
    for (int y = 0; y < picture.height; ++y) {
      const int sourceRow = flip ? picture.height - 1 - y : y;
      for (int x = 0; x < picture.width; ++x) {
        const uint32_t expected = picture.pixels[static_cast<size_t>(sourceRow * picture.width + x)] & 0xFFFFFFu;
        const RGBQUAD got = PixelTopDown(saved.get(), static_cast<unsigned>(x), static_cast<unsigned>(y));
        const uint32_t actual = (uint32_t{got.rgbRed} << 16) | (uint32_t{got.rgbGreen} << 8) | got.rgbBlue;
        if (actual != expected) ++mismatches;
      }
    }
    EXPECT_EQ(mismatches, 0) << (flip ? "flipped" : "straight");
  }
}

// A picture the process has no memory for fails as not converted, with the reason, instead
// of ending the process (the canvas of 2^28 pixels alone needs 1 GiB).
TEST_F(ConvertFileTest, APictureThatDoesNotFitInMemoryFailsWithAReason) {
  using vecrast::fidelity::JobOutcome;
  if (!vecrast::fidelity::MemoryLimitApplies()) GTEST_SKIP() << "no memory limit under the sanitizers";
  wmfw::WmfWriter w;
  w.SetBkMode(1);
  ASSERT_TRUE(wmfw::WriteFile(ConversionJob.inputPath, w.Placeable(0, 0, 16384, 16384, 96)));
  const auto outcomes = vecrast::fidelity::RunInWorkers(1, 1, {60000, 900}, [](size_t) {
    return std::string(ConvertFile() ? "converted" : "failed: ") + lastFailureReason;
  });
  ASSERT_EQ(outcomes[0].end, JobOutcome::End::Done) << vecrast::fidelity::DescribeEnd(outcomes[0]);
  EXPECT_EQ(outcomes[0].text,
            "failed: the metafile was not rendered: there is not enough memory for a picture of 16384 x 16384 pixels");
  EXPECT_TRUE(out.Entries().empty());
}

// A pipeline step that makes no image says which step it was, from what, and why.
TEST_F(ConvertFileTest, AStepThatMakesNoImageSaysWhy) {
  ASSERT_TRUE(wmfw::WriteFile(ConversionJob.inputPath, RedQuarterMetafile()));
  Settings.doImageResize = 1;
  Settings.imageResizeType = 0;
  Settings.keepAspectRatio = 0;
  Settings.imageWidth = 40000;
  Settings.imageWidthUnit = 0;
  Settings.imageHeight = 40000;
  Settings.imageHeightUnit = 0;
  EXPECT_FALSE(ConvertFile());
  EXPECT_EQ(lastFailureReason,
            "the resize step made no image from the 192 x 96 image: a 40000 x 40000 image is over the size limits "
            "(32767 pixels a side, 2^28 pixels in all)");
  EXPECT_TRUE(out.Entries().empty());
}

// What the player could not draw reaches the conversion's notes; the file still converts.
TEST_F(ConvertFileTest, RecordsThePlayerCouldNotUseAreNoted) {
  wmfw::WmfWriter w;
  w.SetWindowExt(2880, 1440).Record(wmfw::kPolygon, {50, 1, 1}).Record(wmfw::kRectangle, {1});
  ASSERT_TRUE(wmfw::WriteFile(ConversionJob.inputPath, w.Placeable(0, 0, 2880, 1440, 1440)));
  ASSERT_TRUE(ConvertFile()) << lastFailureReason;
  EXPECT_EQ(lastConversionNotes, (std::vector<std::string>{"a POLYGON record could not be used (byte 50)",
                                                           "a RECTANGLE record could not be used (byte 62)"}));
  ASSERT_TRUE(wmfw::WriteFile(ConversionJob.inputPath, RedQuarterMetafile()));
  ASSERT_TRUE(ConvertFile()) << lastFailureReason;
  EXPECT_TRUE(lastConversionNotes.empty());
}
