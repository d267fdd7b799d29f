// Reading and writing PNG files as RGB images.
#pragma once

#include <string>

#include "fidelity/rgb_image.h"

namespace vecrast::fidelity {

// Reads any PNG as 8-bit RGB, alpha composed over white. False (and why) on failure.
bool ReadPng(const std::string& path, RgbImage& image, std::string& reason);

// Writes an 8-bit RGB PNG with fast compression. False (and why) on failure.
bool WritePng(const std::string& path, const RgbImage& image, std::string& reason);

}  // namespace vecrast::fidelity
