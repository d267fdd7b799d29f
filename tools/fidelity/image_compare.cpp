#include "fidelity/image_compare.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace vecrast::fidelity {
namespace {

constexpr double kC1 = (0.01 * 255) * (0.01 * 255);
constexpr double kC2 = (0.03 * 255) * (0.03 * 255);

struct Common {
  int width;
  int height;
};

Common CommonArea(const RgbImage& a, const RgbImage& b) {
  return {std::max(0, std::min(a.width, b.width)), std::max(0, std::min(a.height, b.height))};
}

double Luma(const uint8_t* p) { return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]; }

// The five horizontally filtered sums of one image row: x, y, x², y², xy.
constexpr int kMoments = 5;

void FilterRow(const RgbImage& a, const RgbImage& b, int y, int width, std::vector<double>& lumaA,
               std::vector<double>& lumaB, double* out) {
  for (int x = 0; x < width; ++x) {
    lumaA[x] = Luma(a.Pixel(x, y));
    lumaB[x] = Luma(b.Pixel(x, y));
  }
  const double* w = SsimWeights();
  const int outWidth = width - kSsimWindow + 1;
  for (int x = 0; x < outWidth; ++x) {
    double sums[kMoments] = {0, 0, 0, 0, 0};
    for (int k = 0; k < kSsimWindow; ++k) {
      const double va = lumaA[x + k];
      const double vb = lumaB[x + k];
      sums[0] += w[k] * va;
      sums[1] += w[k] * vb;
      sums[2] += w[k] * va * va;
      sums[3] += w[k] * vb * vb;
      sums[4] += w[k] * va * vb;
    }
    for (int m = 0; m < kMoments; ++m) out[size_t(x) * kMoments + m] = sums[m];
  }
}

double SsimOfMoments(const double* m) {
  const double muA = m[0], muB = m[1];
  const double varA = m[2] - muA * muA;
  const double varB = m[3] - muB * muB;
  const double cov = m[4] - muA * muB;
  return ((2 * muA * muB + kC1) * (2 * cov + kC2)) /
         ((muA * muA + muB * muB + kC1) * (varA + varB + kC2));
}

uint8_t Faint(uint8_t v) { return uint8_t(255 - (255 - v) / 4); }

void Blit(const RgbImage& from, RgbImage& to, int left) {
  for (int y = 0; y < from.height; ++y) {
    std::copy_n(from.Pixel(0, y), size_t(from.width) * 3, to.Pixel(left, y));
  }
}

}  // namespace

const double* SsimWeights() {
  static const std::array<double, kSsimWindow> weights = [] {
    std::array<double, kSsimWindow> w{};
    double sum = 0;
    for (int i = 0; i < kSsimWindow; ++i) {
      const double d = i - kSsimWindow / 2;
      w[i] = std::exp(-d * d / (2 * kSsimSigma * kSsimSigma));
      sum += w[i];
    }
    for (double& v : w) v /= sum;
    return w;
  }();
  return weights.data();
}

double RgbPsnr(const RgbImage& a, const RgbImage& b) {
  const Common area = CommonArea(a, b);
  if (area.width == 0 || area.height == 0) return NAN;
  uint64_t squares = 0;
  for (int y = 0; y < area.height; ++y) {
    const uint8_t* pa = a.Pixel(0, y);
    const uint8_t* pb = b.Pixel(0, y);
    for (int i = 0; i < area.width * 3; ++i) {
      const int d = int(pa[i]) - int(pb[i]);
      squares += uint64_t(d * d);
    }
  }
  if (squares == 0) return std::numeric_limits<double>::infinity();
  const double mse = double(squares) / (3.0 * area.width * area.height);
  return 10.0 * std::log10(255.0 * 255.0 / mse);
}

// Separable filtering, streamed: a ring of the last 11 horizontally filtered rows is
// combined vertically, so memory stays proportional to one row.
double GreySsim(const RgbImage& a, const RgbImage& b) {
  const Common area = CommonArea(a, b);
  if (area.width < kSsimWindow || area.height < kSsimWindow) return NAN;
  const int outWidth = area.width - kSsimWindow + 1;
  const size_t rowSize = size_t(outWidth) * kMoments;
  std::vector<double> ring(rowSize * kSsimWindow);
  std::vector<double> combined(rowSize);
  std::vector<double> lumaA(area.width), lumaB(area.width);
  const double* w = SsimWeights();
  double total = 0;
  for (int y = 0; y < area.height; ++y) {
    FilterRow(a, b, y, area.width, lumaA, lumaB, &ring[size_t(y % kSsimWindow) * rowSize]);
    if (y < kSsimWindow - 1) continue;
    const int top = y - kSsimWindow + 1;
    std::fill(combined.begin(), combined.end(), 0.0);
    for (int k = 0; k < kSsimWindow; ++k) {
      const double* row = &ring[size_t((top + k) % kSsimWindow) * rowSize];
      const double weight = w[k];
      for (size_t i = 0; i < rowSize; ++i) combined[i] += weight * row[i];
    }
    for (int x = 0; x < outWidth; ++x) total += SsimOfMoments(&combined[size_t(x) * kMoments]);
  }
  const int outHeight = area.height - kSsimWindow + 1;
  return total / (double(outWidth) * outHeight);
}

double BigDifferenceShare(const RgbImage& a, const RgbImage& b, int threshold) {
  const Common area = CommonArea(a, b);
  if (area.width == 0 || area.height == 0) return NAN;
  uint64_t big = 0;
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      const uint8_t* pa = a.Pixel(x, y);
      const uint8_t* pb = b.Pixel(x, y);
      const int d = std::max({std::abs(pa[0] - pb[0]), std::abs(pa[1] - pb[1]), std::abs(pa[2] - pb[2])});
      if (d > threshold) ++big;
    }
  }
  return double(big) / (double(area.width) * area.height);
}

Comparison CompareImages(const RgbImage& ours, const RgbImage& reference) {
  Comparison c;
  const Common area = CommonArea(ours, reference);
  c.sameSize = ours.width == reference.width && ours.height == reference.height;
  c.width = area.width;
  c.height = area.height;
  c.psnr = RgbPsnr(ours, reference);
  c.ssim = GreySsim(ours, reference);
  c.bigDiffShare = BigDifferenceShare(ours, reference);
  return c;
}

RgbImage SideBySide(const RgbImage& ours, const RgbImage& reference) {
  constexpr int kGap = 4;
  const Common area = CommonArea(ours, reference);
  const int width = reference.width + ours.width + area.width + 2 * kGap;
  const int height = std::max(reference.height, ours.height);
  RgbImage out = MakeImage(width, height, 128, 128, 128);
  Blit(reference, out, 0);
  Blit(ours, out, reference.width + kGap);
  const int diffLeft = reference.width + ours.width + 2 * kGap;
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      const uint8_t* pr = reference.Pixel(x, y);
      const uint8_t* po = ours.Pixel(x, y);
      const int d = std::max({std::abs(pr[0] - po[0]), std::abs(pr[1] - po[1]), std::abs(pr[2] - po[2])});
      uint8_t* q = out.Pixel(diffLeft + x, y);
      if (d > 32) {
        q[0] = 255, q[1] = 0, q[2] = 0;
      } else if (d > 0) {
        q[0] = 255, q[1] = 170, q[2] = 0;
      } else {
        q[0] = Faint(pr[0]), q[1] = Faint(pr[1]), q[2] = Faint(pr[2]);
      }
    }
  }
  return out;
}

}  // namespace vecrast::fidelity
