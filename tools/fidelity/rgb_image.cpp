#include "fidelity/rgb_image.h"

namespace vecrast::fidelity {

RgbImage MakeImage(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
  RgbImage image;
  image.width = width;
  image.height = height;
  image.rgb.resize(size_t(width) * size_t(height) * 3);
  for (size_t i = 0; i < image.rgb.size(); i += 3) {
    image.rgb[i] = r;
    image.rgb[i + 1] = g;
    image.rgb[i + 2] = b;
  }
  return image;
}

RgbImage FromPicture(const metafile::Picture& picture) {
  RgbImage image;
  const size_t count = size_t(picture.width) * size_t(picture.height);
  if (picture.width <= 0 || picture.height <= 0 || picture.pixels.size() != count) return image;
  image.width = picture.width;
  image.height = picture.height;
  image.rgb.resize(count * 3);
  for (size_t i = 0; i < count; ++i) {
    const uint32_t p = picture.pixels[i];
    const uint32_t alpha = p >> 24;
    image.rgb[i * 3] = OverWhite((p >> 16) & 0xFF, alpha);
    image.rgb[i * 3 + 1] = OverWhite((p >> 8) & 0xFF, alpha);
    image.rgb[i * 3 + 2] = OverWhite(p & 0xFF, alpha);
  }
  return image;
}

}  // namespace vecrast::fidelity
