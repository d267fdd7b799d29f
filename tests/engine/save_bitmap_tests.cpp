#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "engine/save_bitmap.h"
#include "engine_test_helpers.h"

using namespace vecrast;
using enginetest::TempFolder;

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bitmap Rgb24(int width, int height) {
  Bitmap bitmap = enginetest::SolidBitmap(width, height, 0xFF336699u);
  return Adopt(FreeImage_ConvertTo24Bits(bitmap.get()));
}

}  // namespace

TEST(SaveBitmapReplacing, WritesTheFileAndNothingElse) {
  TempFolder out;
  const std::string path = out.path() + "x.jpg";
  std::string reason;
  ASSERT_TRUE(SaveBitmapReplacing(Rgb24(20, 10).get(), FIF_JPEG, path, 90, reason)) << reason;
  EXPECT_EQ(out.Entries(), std::vector<std::string>{"x.jpg"});
  Bitmap loaded = Adopt(FreeImage_Load(FIF_JPEG, path.c_str(), 0));
  ASSERT_TRUE(loaded);
  EXPECT_EQ(FreeImage_GetWidth(loaded.get()), 20u);
  EXPECT_EQ(FreeImage_GetHeight(loaded.get()), 10u);
}

TEST(SaveBitmapReplacing, ReplacesAnExistingFileOnlyWithACompleteOne) {
  TempFolder out;
  const std::string path = out.path() + "x.jpg";
  ASSERT_TRUE(enginetest::WriteBytes(path, {'o', 'l', 'd'}));
  std::string reason;
  // JPEG takes no 32-bit images: the library refuses, the old file stays.
  Bitmap rgba = enginetest::SolidBitmap(4, 4, 0xFF000000u);
  EXPECT_FALSE(SaveBitmapReplacing(rgba.get(), FIF_JPEG, path, 90, reason));
  EXPECT_NE(reason.find("image library"), std::string::npos) << reason;
  EXPECT_EQ(ReadText(path), "old");
  EXPECT_EQ(out.Entries(), std::vector<std::string>{"x.jpg"});

  ASSERT_TRUE(SaveBitmapReplacing(Rgb24(4, 4).get(), FIF_JPEG, path, 90, reason)) << reason;
  EXPECT_NE(ReadText(path), "old");
  EXPECT_EQ(out.Entries(), std::vector<std::string>{"x.jpg"});
}

TEST(SaveBitmapReplacing, FailuresLeaveNoTemporaryFile) {
  TempFolder out;
  std::string reason;
  Bitmap bitmap = Rgb24(4, 4);

  EXPECT_FALSE(SaveBitmapReplacing(bitmap.get(), FIF_JPEG, out.path() + "missing/x.jpg", 90, reason));
  EXPECT_NE(reason.find("cannot create a file in the folder"), std::string::npos) << reason;
  EXPECT_TRUE(out.Entries().empty());

  ASSERT_EQ(mkdir((out.path() + "taken.jpg").c_str(), 0755), 0);
  EXPECT_FALSE(SaveBitmapReplacing(bitmap.get(), FIF_JPEG, out.path() + "taken.jpg", 90, reason));
  EXPECT_EQ(out.Entries(), std::vector<std::string>{"taken.jpg"});

  EXPECT_FALSE(SaveBitmapReplacing(nullptr, FIF_JPEG, out.path() + "null.jpg", 90, reason));
  EXPECT_EQ(out.Entries(), std::vector<std::string>{"taken.jpg"});
}
