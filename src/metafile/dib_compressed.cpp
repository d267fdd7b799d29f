#include "metafile/dib_compressed.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <png.h>

#include "metafile/allocation.h"

namespace metafile {

namespace {

struct JpegErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr info) {
  JpegErrorTrap* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
  std::longjmp(trap->jump, 1);
}

void JpegSilence(j_common_ptr, int) {}

// The decoding itself; no object with a destructor lives in this frame, so the error
// jump skips nothing. Returns false on a broken or oversized picture.
bool RunJpegDecoder(jpeg_decompress_struct& info, JpegErrorTrap& trap, const uint8_t* data, size_t size,
                    const DecodeGate& gate, BitmapImage& image, std::vector<uint8_t>& row) {
  if (setjmp(trap.jump)) return false;
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  if (!BitmapSizeAllowed(info.image_width, info.image_height)) return false;
  if (!PassesGate(gate, uint64_t(info.image_width) * info.image_height)) return false;
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3) return false;
  image.width = int(info.output_width);
  image.height = int(info.output_height);
  if (!TryAssign(image.pixels, size_t(image.width) * size_t(image.height), kOpaquePixel)) return false;
  if (!TryAssign(row, size_t(image.width) * 3, uint8_t(0))) return false;
  while (info.output_scanline < info.output_height) {
    const size_t y = info.output_scanline;
    JSAMPROW rows[1] = {row.data()};
    if (jpeg_read_scanlines(&info, rows, 1) != 1) return false;
    uint32_t* out = image.pixels.data() + y * size_t(image.width);
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = row.data() + 3 * size_t(x);
      out[x] = kOpaquePixel | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
    }
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

bool DecodeJpegImage(const uint8_t* data, size_t size, const DecodeGate& gate, BitmapImage& image) {
  if (!data || size < 4) return false;
  jpeg_decompress_struct info;
  JpegErrorTrap trap;
  std::memset(&info, 0, sizeof info);
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JpegErrorExit;
  trap.manager.emit_message = JpegSilence;
  std::vector<uint8_t> row;
  jpeg_create_decompress(&info);
  const bool ok = RunJpegDecoder(info, trap, data, size, gate, image, row);
  jpeg_destroy_decompress(&info);
  if (!ok) image = BitmapImage{};
  return ok;
}

bool DecodePngImage(const uint8_t* data, size_t size, const DecodeGate& gate, BitmapImage& image) {
  if (!data || size < 8) return false;
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, data, size)) return false;
  const uint64_t pixels = uint64_t(png.width) * png.height;
  std::vector<uint8_t> rgb;
  if (!BitmapSizeAllowed(png.width, png.height) || !PassesGate(gate, pixels) ||
      !TryAssign(rgb, size_t(pixels) * 3, uint8_t(0))) {
    png_image_free(&png);
    return false;
  }
  // Transparent parts are composed over white, the picture's background.
  png.format = PNG_FORMAT_RGB;
  png_color white{255, 255, 255};
  if (!png_image_finish_read(&png, &white, rgb.data(), 0, nullptr)) {
    png_image_free(&png);
    return false;
  }
  image.width = int(png.width);
  image.height = int(png.height);
  if (!TryAssign(image.pixels, size_t(pixels), 0u)) {
    image = BitmapImage{};
    return false;
  }
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    const uint8_t* p = rgb.data() + 3 * i;
    image.pixels[i] = kOpaquePixel | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
  }
  return true;
}

}  // namespace metafile
