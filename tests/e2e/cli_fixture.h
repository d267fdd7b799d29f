// Shared pieces of the command-line end-to-end tests: a sandbox with a small metafile in
// it, the banner and status lines a run prints, and JPG decoding.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "cli_sandbox.h"

namespace clitest {

// 1440 units per inch and a 2880 x 1440 box: a 192 x 96 picture whose left half is a red
// rectangle and whose right half stays white.
std::string HalfRedMetafile();
inline constexpr int kPictureWidth = 192;
inline constexpr int kPictureHeight = 96;

std::vector<std::string> BannerLines();
// The status lines of a run that converts its one file.
std::vector<std::string> SuccessLines();

struct DecodedJpg {
  bool ok = false;
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // top row first, 0xRRGGBB
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
DecodedJpg DecodeJpg(const std::string& path);

// True when the two colours differ by at most `tolerance` in each channel.
bool Near(uint32_t a, uint32_t b, int tolerance);

class CliTest : public testing::Test {
 protected:
  void SetUp() override { input_ = box_.WriteFile("in/pic.wmf", HalfRedMetafile()); }
  // The arguments given, then the sandbox's output folder.
  std::vector<std::string> WithInput(std::vector<std::string> extra) const;

  CliSandbox box_;
  std::string input_;
};

}  // namespace clitest
