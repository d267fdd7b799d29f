// The fidelity measures used across the project, so that figures stay comparable: both
// images as RGB on white; PSNR over R, G and B; SSIM on luma (0.299 R + 0.587 G + 0.114 B)
// with an 11 × 11 Gaussian window (sigma 1.5), K1 0.01, K2 0.03, L 255, averaged over the
// windows that lie wholly inside the image; the share of pixels whose largest channel
// difference exceeds 32. Images of different sizes are compared over their common
// top-left area.
#pragma once

#include <cmath>

#include "fidelity/rgb_image.h"

namespace vecrast::fidelity {

struct Comparison {
  bool sameSize = false;
  int width = 0;   // of the common area
  int height = 0;
  double psnr = 0;           // +infinity for identical areas
  double ssim = NAN;         // NaN when the common area is smaller than one window
  double bigDiffShare = 0;   // 0..1
};

Comparison CompareImages(const RgbImage& ours, const RgbImage& reference);

// The three measures alone, over the common top-left area of the two images.
double RgbPsnr(const RgbImage& a, const RgbImage& b);
double GreySsim(const RgbImage& a, const RgbImage& b);
double BigDifferenceShare(const RgbImage& a, const RgbImage& b, int threshold = 32);

// The SSIM window: side, sigma and its normalised one-dimensional weights.
constexpr int kSsimWindow = 11;
constexpr double kSsimSigma = 1.5;
const double* SsimWeights();

// Reference, ours and a difference panel side by side: pixels whose largest channel
// difference exceeds 32 in red, smaller differences in orange, equal pixels as a faint
// copy of the reference.
RgbImage SideBySide(const RgbImage& ours, const RgbImage& reference);

}  // namespace vecrast::fidelity
