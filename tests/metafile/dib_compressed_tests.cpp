// DIBs whose bits are a PNG or JPEG file, built here with the same libraries.
#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>
#include <png.h>

#include "metafile/dib_decode.h"
#include "render_helpers.h"

namespace {

using namespace metafile_test;
using wmfw::Bytes;

Bytes EncodePng(int width, int height, const std::vector<uint8_t>& rgb) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(width);
  image.height = png_uint_32(height);
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr);
  Bytes out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgb.data(), 0, nullptr)) return {};
  out.resize(size);
  return out;
}

Bytes EncodeJpeg(int width, int height, const std::vector<uint8_t>& rgb) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<uint8_t*>(rgb.data() + size_t(info.next_scanline) * size_t(width) * 3);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

Bytes CompressedDib(int width, int height, uint32_t compression, const Bytes& file) {
  wmfw::DibContent s;
  s.width = width;
  s.height = height;
  s.bitCount = 0;
  s.compression = compression;
  s.bits = file;
  return wmfw::PackedDib(s);
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) return false;
  }
  return true;
}

TEST(CompressedDib, PngPixelsLandUpright) {
  const std::vector<uint8_t> rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
  wmfw::WmfWriter w;
  w.DibStretchBlt(10, 10, 2, 2, 0, 0, 2, 2, 0x00CC0020, CompressedDib(2, 2, 5, EncodePng(2, 2, rgb)));
  const auto p = Render(w.Placeable(0, 0, 100, 100, 96));
  EXPECT_EQ(At(p, 10, 10), kRed);
  EXPECT_EQ(At(p, 11, 10), kGreen);
  EXPECT_EQ(At(p, 10, 11), kBlue);
  EXPECT_EQ(At(p, 11, 11), 0xFFFF00u);
}

TEST(CompressedDib, JpegDecodesToItsColours) {
  std::vector<uint8_t> rgb;
  for (int i = 0; i < 16 * 16; ++i) rgb.insert(rgb.end(), {200, 30, 60});
  wmfw::WmfWriter w;
  w.DibStretchBlt(10, 10, 16, 16, 0, 0, 16, 16, 0x00CC0020, CompressedDib(16, 16, 4, EncodeJpeg(16, 16, rgb)));
  const auto p = Render(w.Placeable(0, 0, 100, 100, 96));
  EXPECT_TRUE(Near(At(p, 12, 12), 0xC81E3C, 6)) << std::hex << At(p, 12, 12);
  EXPECT_TRUE(Near(At(p, 25, 25), 0xC81E3C, 6));
  EXPECT_EQ(At(p, 26, 26), kWhite);
}

TEST(CompressedDib, OversizedOrBrokenFilesAreRefused) {
  Bytes png = EncodePng(1, 1, {1, 2, 3});
  ASSERT_GT(png.size(), 24u);
  // IHDR width and height (big-endian at 16 and 20) raised to 100000 × 100000.
  const uint8_t big[4] = {0x00, 0x01, 0x86, 0xA0};
  std::memcpy(png.data() + 16, big, 4);
  std::memcpy(png.data() + 20, big, 4);
  metafile::BitmapImage image;
  const Bytes dib = CompressedDib(1, 1, 5, png);
  EXPECT_FALSE(metafile::DecodeDib(dib.data(), dib.size(), 0, {}, image));
  Bytes jpeg = EncodeJpeg(8, 8, std::vector<uint8_t>(8 * 8 * 3, 128));
  jpeg.resize(jpeg.size() / 3);
  const Bytes cut = CompressedDib(8, 8, 4, jpeg);
  metafile::DecodeDib(cut.data(), cut.size(), 0, {}, image);  // must not crash; partial data may decode
  const Bytes junk = CompressedDib(8, 8, 4, Bytes(64, 0x55));
  EXPECT_FALSE(metafile::DecodeDib(junk.data(), junk.size(), 0, {}, image));
}

}  // namespace
