#include <gtest/gtest.h>

#include "engine/formats.h"
#include "engine_test_helpers.h"
#include "settings/settings.h"

using namespace vecrast;

TEST(Formats, TableHasTwentyRowsWithFreeImageIds) {
  const auto& table = FormatTable();
  EXPECT_EQ(table.size(), 20u);
  EXPECT_EQ(FindOutputFormat("jpg").formatId, FIF_JPEG);
  EXPECT_EQ(FindOutputFormat("png").formatId, FIF_PNG);
  EXPECT_EQ(FindOutputFormat("tiff").formatId, FIF_TIFF);
  EXPECT_EQ(FindOutputFormat("webp").formatId, FIF_WEBP);
  EXPECT_EQ(FindOutputFormat("jxr").formatId, FIF_JXR);
  EXPECT_EQ(FindOutputFormat("exr").formatId, FIF_EXR);
  EXPECT_EQ(FindOutputFormat("jpg").description, "JPEG File Format");
  for (const auto& [extension, format] : table) {
    EXPECT_EQ(extension, format.extension);
    EXPECT_TRUE(HasFormatRow(extension));
    const auto depths = AllowedBppList(extension);
    ASSERT_FALSE(depths.empty()) << extension;
    for (size_t i = 1; i < depths.size(); ++i) EXPECT_LT(depths[i - 1], depths[i]) << extension;
  }
  const OutputFormat& none = FindOutputFormat("dds");
  EXPECT_EQ(none.formatId, 0);
  EXPECT_TRUE(none.extension.empty());
  EXPECT_TRUE(none.allowedBpp.empty());
  EXPECT_FALSE(HasFormatRow("dds"));
  EXPECT_FALSE(HasFormatRow("JPG"));
}

TEST(Formats, IsAllowedBpp) {
  struct Case {
    const char* extension;
    int bpp;
    bool allowed;
  };
  const Case cases[] = {
      {"jpg", 24, true},  {"jpg", 8, true},   {"jpg", 16, false}, {"jpg", 32, false}, {"jpg", 0, true},
      {"dds", 0, true},   {"dds", 24, false}, {"png", 48, true},  {"png", 16, false}, {"bmp", 1, true},
      {"tiff", 96, true}, {"xpm", 24, true},  {"xpm", 8, false},  {"gif", 8, true},   {"jpg", -24, false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsAllowedBpp(c.extension, c.bpp), c.allowed) << c.extension << " " << c.bpp;
}

TEST(Formats, ChooseAutoBpp) {
  struct Case {
    const char* extension;
    int source;
    int chosen;
  };
  const Case cases[] = {
      {"jpg", 32, 24}, {"bmp", 32, 32}, {"png", 32, 32}, {"png", 24, 24}, {"png", 2, 4},
      {"gif", 32, 8},  {"exr", 32, 96}, {"pbm", 32, 1},  {"ppm", 32, 48}, {"dds", 32, 0},
      {"jpg", 1, 8},   {"tga", 16, 16}, {"xpm", 32, 24},
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseAutoBpp(c.extension, c.source), c.chosen) << c.extension;
}

class SaveFlags : public ::testing::Test {
 protected:
  void SetUp() override { enginetest::ResetRunRecords(); }
};

TEST_F(SaveFlags, FromSettings) {
  struct Case {
    const char* name;
    void (*set)();
    const char* extension;
    int32_t flags;
  };
  const Case cases[] = {
      {"jpg defaults", [] {}, "jpg", 95 + 0x10000},
      {"jpg 4:2:0 progressive", [] { Settings.jpgQuality = 80, Settings.jpgChroma = 2, Settings.jpgSaveAs = 3; },
       "jpg", 80 + 0x4000 + 0x2000},
      {"jpg baseline 4:1:1", [] { Settings.jpgChroma = 3, Settings.jpgSaveAs = 1; }, "jpg", 95 + 0x1000 + 0x40000},
      {"jpg optimised 4:2:2", [] { Settings.jpgChroma = 1, Settings.jpgSaveAs = 2; }, "jpg", 95 + 0x8000 + 0x20000},
      {"jpg quality unchecked", [] { Settings.jpgQuality = 300, Settings.jpgChroma = 9; }, "jpg", 300},
      {"png none interlaced", [] { Settings.pngInterlaced = 1; }, "png", 0x300},
      {"png best", [] { Settings.pngCompression = 3; }, "png", 9},
      {"png out of range", [] { Settings.pngCompression = 4; }, "png", 0},
      {"bmp rle", [] { Settings.bmpCompression = 1; }, "bmp", 1},
      {"exr none", [] {}, "exr", 2},
      {"exr b44", [] { Settings.exrCompression = 4; }, "exr", 32},
      {"exr negative", [] { Settings.exrCompression = -1; }, "exr", 0},
      {"tga rle", [] { Settings.tgaCompression = 1; }, "tga", 2},
      {"tiff none", [] {}, "tiff", 0x800},
      {"tiff lzw cmyk", [] { Settings.tiffCompression = 6, Settings.tiffColorModel = 1; }, "tiff", 0x4000 + 1},
      {"tiff logluv", [] { Settings.tiffCompression = 8; }, "tiff", 0x10000},
      {"jxr lossless", [] {}, "jxr", 100},
      {"webp lossless", [] {}, "webp", 0x100},
      {"gif none", [] { Settings.pngCompression = 3; }, "gif", 0},
      {"dds none", [] {}, "dds", 0},
  };
  for (const auto& c : cases) {
    enginetest::ResetRunRecords();
    c.set();
    EXPECT_EQ(SaveFlagsFor(c.extension), c.flags) << c.name;
  }
}

TEST_F(SaveFlags, RunSetUpFillsTheJob) {
  ConversionJob.outputExtension = "jpg";
  SetUpOutputFormat();
  EXPECT_EQ(ConversionJob.formatId, FIF_JPEG);
  EXPECT_EQ(ConversionJob.targetBpp, 0);
  EXPECT_EQ(ConversionJob.autoBpp, 1);
  EXPECT_EQ(ConversionJob.saveFlags, 95 + 0x10000);

  Settings.pngBpp = 8;
  ConversionJob.outputExtension = "png";
  SetUpOutputFormat();
  EXPECT_EQ(ConversionJob.formatId, FIF_PNG);
  EXPECT_EQ(ConversionJob.targetBpp, 8);
  EXPECT_EQ(ConversionJob.autoBpp, 0);

  int count = 0;
  for (const char* extension : {"bmp", "dds", "exr", "gif", "hdr", "ico", "j2k", "jng", "jp2", "jpg", "jxr", "pbm",
                                "pcx", "pfm", "pgm", "png", "ppm", "psd", "tga", "tiff", "wbmp", "webp", "xpm"}) {
    EXPECT_NE(OutputBppSetting(extension), nullptr) << extension;
    ++count;
  }
  EXPECT_EQ(count, 23);
  EXPECT_EQ(OutputBppSetting("svg"), nullptr);
  EXPECT_EQ(OutputBppSetting("tga"), &Settings.tgaBpp);
}
