#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <filesystem>

#include "fidelity/png_file.h"
#include "fidelity/rgb_image.h"

namespace vecrast::fidelity {
namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("vecrast_fidelity_" + std::to_string(getpid()) + name)).string();
}

TEST(FromPicture, ComposesAlphaOverWhite) {
  metafile::Picture picture;
  picture.width = 3;
  picture.height = 1;
  picture.pixels = {0xFF102030u, 0x00000000u, 0x80000000u};
  const RgbImage image = FromPicture(picture);
  ASSERT_EQ(image.width, 3);
  EXPECT_EQ(std::vector<uint8_t>(image.rgb.begin(), image.rgb.end()),
            (std::vector<uint8_t>{0x10, 0x20, 0x30, 255, 255, 255, 127, 127, 127}));
}

TEST(FromPicture, RejectsAPixelCountThatDoesNotMatchTheSize) {
  metafile::Picture picture;
  picture.width = 2;
  picture.height = 2;
  picture.pixels.resize(3);
  EXPECT_EQ(FromPicture(picture).width, 0);
}

TEST(Png, RoundTripKeepsEveryPixel) {
  RgbImage image = MakeImage(7, 5, 0, 0, 0);
  for (size_t i = 0; i < image.rgb.size(); ++i) image.rgb[i] = uint8_t(i * 7);
  const std::string path = TempPath("roundtrip.png");
  std::string reason;
  ASSERT_TRUE(WritePng(path, image, reason)) << reason;
  RgbImage back;
  ASSERT_TRUE(ReadPng(path, back, reason)) << reason;
  EXPECT_EQ(back.width, 7);
  EXPECT_EQ(back.height, 5);
  EXPECT_EQ(back.rgb, image.rgb);
  std::filesystem::remove(path);
}

TEST(Png, ReadsAlphaAsComposedOverWhite) {
  const uint8_t rgba[] = {0, 0, 0, 0, 0, 0, 0, 255, 200, 0, 0, 128};
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = 3;
  png.height = 1;
  png.format = PNG_FORMAT_RGBA;
  const std::string path = TempPath("alpha.png");
  ASSERT_TRUE(png_image_write_to_file(&png, path.c_str(), 0, rgba, 0, nullptr));
  RgbImage image;
  std::string reason;
  ASSERT_TRUE(ReadPng(path, image, reason)) << reason;
  EXPECT_EQ(image.rgb, (std::vector<uint8_t>{255, 255, 255, 0, 0, 0, 227, 127, 127}));
  std::filesystem::remove(path);
}

TEST(Png, MissingAndBrokenFilesFailWithAReason) {
  RgbImage image;
  std::string reason;
  EXPECT_FALSE(ReadPng(TempPath("missing.png"), image, reason));
  EXPECT_FALSE(reason.empty());
  const std::string path = TempPath("broken.png");
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fputs("\x89PNG\r\n\x1a\n but nothing else", f);
  std::fclose(f);
  reason.clear();
  EXPECT_FALSE(ReadPng(path, image, reason));
  EXPECT_FALSE(reason.empty());
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace vecrast::fidelity
