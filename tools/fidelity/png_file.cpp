#include "fidelity/png_file.h"

#include <png.h>

#include <cstring>

namespace vecrast::fidelity {
namespace {

// Larger pictures are not produced by the player (2^28 pixels at most) nor by the references.
constexpr uint64_t kMaxPixels = uint64_t(1) << 28;

}  // namespace

bool ReadPng(const std::string& path, RgbImage& image, std::string& reason) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) {
    reason = "cannot read " + path + ": " + png.message;
    return false;
  }
  if (uint64_t(png.width) * png.height > kMaxPixels || png.width == 0 || png.height == 0) {
    png_image_free(&png);
    reason = "unreasonable size in " + path;
    return false;
  }
  png.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(png));
  if (!png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr)) {
    reason = "cannot decode " + path + ": " + png.message;
    png_image_free(&png);
    return false;
  }
  image.width = int(png.width);
  image.height = int(png.height);
  const size_t count = size_t(png.width) * png.height;
  image.rgb.resize(count * 3);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t alpha = rgba[i * 4 + 3];
    for (size_t c = 0; c < 3; ++c) image.rgb[i * 3 + c] = OverWhite(rgba[i * 4 + c], alpha);
  }
  return true;
}

bool WritePng(const std::string& path, const RgbImage& image, std::string& reason) {
  if (image.width <= 0 || image.height <= 0) {
    reason = "empty image for " + path;
    return false;
  }
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = png_uint_32(image.width);
  png.height = png_uint_32(image.height);
  png.format = PNG_FORMAT_RGB;
  png.flags = PNG_IMAGE_FLAG_FAST;
  if (!png_image_write_to_file(&png, path.c_str(), 0, image.rgb.data(), 0, nullptr)) {
    reason = "cannot write " + path + ": " + png.message;
    png_image_free(&png);
    return false;
  }
  return true;
}

}  // namespace vecrast::fidelity
