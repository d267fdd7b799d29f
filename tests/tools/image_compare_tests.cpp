#include "fidelity/image_compare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace vecrast::fidelity {
namespace {

RgbImage Noise(int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  RgbImage image = MakeImage(width, height, 0, 0, 0);
  for (uint8_t& v : image.rgb) v = uint8_t(random() & 0xFF);
  return image;
}

double LumaAt(const RgbImage& image, int x, int y) {
  const uint8_t* p = image.Pixel(x, y);
  return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
}

// SSIM the slow, obvious way: every 11 × 11 window weighted in full.
double DirectSsim(const RgbImage& a, const RgbImage& b) {
  const double* w = SsimWeights();
  const double c1 = 6.5025, c2 = 58.5225;
  double total = 0;
  int windows = 0;
  for (int top = 0; top + kSsimWindow <= a.height; ++top) {
    for (int left = 0; left + kSsimWindow <= a.width; ++left) {
      double ma = 0, mb = 0, aa = 0, bb = 0, ab = 0;
      for (int j = 0; j < kSsimWindow; ++j) {
        for (int i = 0; i < kSsimWindow; ++i) {
          const double weight = w[i] * w[j];
          const double va = LumaAt(a, left + i, top + j), vb = LumaAt(b, left + i, top + j);
          ma += weight * va, mb += weight * vb;
          aa += weight * va * va, bb += weight * vb * vb, ab += weight * va * vb;
        }
      }
      const double va = aa - ma * ma, vb = bb - mb * mb, cov = ab - ma * mb;
      total += ((2 * ma * mb + c1) * (2 * cov + c2)) / ((ma * ma + mb * mb + c1) * (va + vb + c2));
      ++windows;
    }
  }
  return total / windows;
}

TEST(SsimWeights, AreANormalisedSymmetricGaussian) {
  const double* w = SsimWeights();
  double sum = 0;
  for (int i = 0; i < kSsimWindow; ++i) sum += w[i];
  EXPECT_NEAR(sum, 1.0, 1e-12);
  EXPECT_DOUBLE_EQ(w[0], w[10]);
  EXPECT_NEAR(w[5] / w[6], std::exp(1.0 / (2 * 1.5 * 1.5)), 1e-12);
}

TEST(CompareImages, IdenticalImagesAreAPerfectMatch) {
  const RgbImage image = Noise(40, 30, 1);
  const Comparison c = CompareImages(image, image);
  EXPECT_TRUE(c.sameSize);
  EXPECT_NEAR(c.ssim, 1.0, 1e-12);
  EXPECT_TRUE(std::isinf(c.psnr));
  EXPECT_EQ(c.bigDiffShare, 0.0);
}

TEST(GreySsim, StreamedFilteringEqualsDirectWindows) {
  const RgbImage a = Noise(37, 23, 2);
  RgbImage b = a;
  std::mt19937 random(3);
  for (uint8_t& v : b.rgb) v = uint8_t(std::clamp(int(v) + int(random() % 61) - 30, 0, 255));
  EXPECT_NEAR(GreySsim(a, b), DirectSsim(a, b), 1e-9);
  const RgbImage c = Noise(37, 23, 4);
  EXPECT_NEAR(GreySsim(a, c), DirectSsim(a, c), 1e-9);
}

TEST(GreySsim, FlatImagesFollowTheLuminanceTerm) {
  // No variance anywhere: SSIM = (2 a b + C1) / (a² + b² + C1).
  const double c1 = (0.01 * 255) * (0.01 * 255);
  const RgbImage white = MakeImage(20, 20, 255, 255, 255);
  const RgbImage black = MakeImage(20, 20, 0, 0, 0);
  const RgbImage grey = MakeImage(20, 20, 100, 100, 100);
  EXPECT_NEAR(GreySsim(white, black), c1 / (255.0 * 255 + c1), 1e-12);
  EXPECT_NEAR(GreySsim(white, grey), (2 * 255.0 * 100 + c1) / (255.0 * 255 + 100.0 * 100 + c1), 1e-12);
}

TEST(GreySsim, ComparesLumaNotColour) {
  // Pure red has the luma of grey 76.245: as grey pictures they are nearly the same.
  const RgbImage red = MakeImage(16, 16, 255, 0, 0);
  const RgbImage grey = MakeImage(16, 16, 76, 76, 76);
  EXPECT_GT(GreySsim(red, grey), 0.9999);
  EXPECT_LT(RgbPsnr(red, grey), 10.0);
}

TEST(GreySsim, NeedsOneWholeWindow) {
  EXPECT_TRUE(std::isnan(GreySsim(MakeImage(10, 40, 0, 0, 0), MakeImage(10, 40, 0, 0, 0))));
  EXPECT_FALSE(std::isnan(GreySsim(MakeImage(11, 11, 0, 0, 0), MakeImage(11, 11, 0, 0, 0))));
}

TEST(RgbPsnr, AveragesTheSquaredErrorOverThreeChannels) {
  const RgbImage a = MakeImage(8, 8, 100, 100, 100);
  const RgbImage b = MakeImage(8, 8, 110, 100, 100);  // one channel off by 10: MSE 100 / 3
  EXPECT_NEAR(RgbPsnr(a, b), 10 * std::log10(255.0 * 255 * 3 / 100), 1e-9);
}

TEST(BigDifferenceShare, CountsPixelsWhoseLargestChannelDifferenceExceeds32) {
  RgbImage a = MakeImage(10, 10, 100, 100, 100);
  RgbImage b = a;
  b.Pixel(0, 0)[2] = 133;  // 33: counts
  b.Pixel(1, 0)[1] = 132;  // 32: does not
  b.Pixel(2, 0)[0] = 60;   // 40 below: counts
  EXPECT_DOUBLE_EQ(BigDifferenceShare(a, b), 2.0 / 100);
}

TEST(CompareImages, DifferentSizesCompareTheCommonTopLeftArea) {
  const RgbImage reference = Noise(30, 20, 5);
  RgbImage ours = Noise(34, 25, 6);  // same top-left 30 × 20, noise beyond
  for (int y = 0; y < 20; ++y) std::copy_n(reference.Pixel(0, y), 30 * 3, ours.Pixel(0, y));
  const Comparison c = CompareImages(ours, reference);
  EXPECT_FALSE(c.sameSize);
  EXPECT_EQ(c.width, 30);
  EXPECT_EQ(c.height, 20);
  EXPECT_NEAR(c.ssim, 1.0, 1e-12);
  EXPECT_EQ(c.bigDiffShare, 0.0);
}

TEST(SideBySide, ShowsReferenceOursAndTheDifference) {
  RgbImage reference = MakeImage(12, 10, 255, 255, 255);
  RgbImage ours = reference;
  ours.Pixel(3, 4)[0] = 0;    // big difference
  ours.Pixel(5, 5)[1] = 250;  // small difference
  const RgbImage out = SideBySide(ours, reference);
  ASSERT_EQ(out.width, 12 * 3 + 8);
  ASSERT_EQ(out.height, 10);
  EXPECT_EQ(out.Pixel(16 + 3, 4)[0], 0);  // ours, copied
  const int diff = 12 + 4 + 12 + 4;
  EXPECT_EQ(std::vector<uint8_t>(out.Pixel(diff + 3, 4), out.Pixel(diff + 3, 4) + 3), (std::vector<uint8_t>{255, 0, 0}));
  EXPECT_EQ(out.Pixel(diff + 5, 5)[1], 170);
  EXPECT_EQ(out.Pixel(diff, 0)[0], 255);
}

}  // namespace
}  // namespace vecrast::fidelity
