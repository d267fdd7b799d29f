#include "engine/watermark_picture.h"

#include <algorithm>

namespace vecrast {
namespace {

// The same limits as for rendered pictures: nothing larger is worth an allocation.
constexpr unsigned kMaxSide = 32767;
constexpr unsigned long long kMaxArea = 1ULL << 28;

bool IsPictureFormat(FREE_IMAGE_FORMAT format) {
  return format == FIF_PNG || format == FIF_BMP || format == FIF_JPEG;
}

bool HasSaneSize(FIBITMAP* bitmap) {
  const unsigned width = FreeImage_GetWidth(bitmap);
  const unsigned height = FreeImage_GetHeight(bitmap);
  return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
         static_cast<unsigned long long>(width) * height <= kMaxArea;
}

Bitmap LoadAs32Bits(const std::string& path) {
  const FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
  if (!IsPictureFormat(format)) return nullptr;
  // The header alone first, so that a huge picture is refused before it is decoded.
  Bitmap header = Adopt(FreeImage_Load(format, path.c_str(), FIF_LOAD_NOPIXELS));
  if (!header || !HasSaneSize(header.get())) return nullptr;
  header.reset();
  Bitmap picture = Adopt(FreeImage_Load(format, path.c_str(), 0));
  if (!picture || !HasSaneSize(picture.get())) return nullptr;
  if (FreeImage_GetImageType(picture.get()) != FIT_BITMAP) {
    picture = Adopt(FreeImage_ConvertToStandardType(picture.get(), TRUE));
    if (!picture) return nullptr;
  }
  return Adopt(FreeImage_ConvertTo32Bits(picture.get()));
}

}  // namespace

Bitmap LoadPictureWatermark(const std::string& path, bool greyscale, int opacity) {
  Bitmap picture = LoadAs32Bits(path);
  if (!picture) return nullptr;
  const unsigned scale = static_cast<unsigned>(std::clamp(opacity, 0, 255));
  const unsigned width = FreeImage_GetWidth(picture.get());
  const unsigned height = FreeImage_GetHeight(picture.get());
  for (unsigned row = 0; row < height; ++row) {
    BYTE* pixel = FreeImage_GetScanLine(picture.get(), static_cast<int>(row));
    for (unsigned column = 0; column < width; ++column, pixel += 4) {
      pixel[FI_RGBA_ALPHA] = static_cast<BYTE>((pixel[FI_RGBA_ALPHA] * scale + 127) / 255);
      if (greyscale) {
        const BYTE grey = static_cast<BYTE>((77 * pixel[FI_RGBA_RED] + 150 * pixel[FI_RGBA_GREEN] +
                                             29 * pixel[FI_RGBA_BLUE]) >> 8);
        pixel[FI_RGBA_RED] = pixel[FI_RGBA_GREEN] = pixel[FI_RGBA_BLUE] = grey;
      }
    }
  }
  return picture;
}

}  // namespace vecrast
