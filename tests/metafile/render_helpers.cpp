#include "render_helpers.h"

#include <gtest/gtest.h>

namespace metafile_test {

metafile::Picture Render(const wmfw::Bytes& bytes) {
  metafile::Picture picture;
  std::string reason;
  EXPECT_TRUE(metafile::RenderPlaceableMetafile(bytes.data(), bytes.size(), picture, reason)) << reason;
  return picture;
}

bool ReadHeaderAndPlacement(const wmfw::Bytes& bytes, metafile::PlaceableHeader& header,
                            metafile::Placement& placement) {
  std::string reason;
  const bool read = metafile::ReadPlaceableHeader(bytes.data(), bytes.size(), header, reason) &&
                    metafile::ComputePlacement(header, placement, reason);
  EXPECT_TRUE(read) << reason;
  return read;
}

uint32_t At(const metafile::Picture& picture, int x, int y) {
  if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) return 0xDEADBEEF;
  return picture.pixels[size_t(y) * size_t(picture.width) + size_t(x)] & 0xFFFFFF;
}

int Count(const metafile::Picture& picture, uint32_t rgb, int left, int top, int right, int bottom) {
  if (right < 0) right = picture.width;
  if (bottom < 0) bottom = picture.height;
  int n = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) n += At(picture, x, y) == rgb;
  }
  return n;
}

}  // namespace metafile_test
