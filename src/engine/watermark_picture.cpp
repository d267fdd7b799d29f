#include "engine/watermark_picture.h"

#include <algorithm>
#include <memory>

#include "platform/read_file.h"

namespace vecrast {
namespace {

// A picture file larger than this is not read; no sane watermark comes near it.
constexpr std::size_t kMaxPictureFileBytes = std::size_t{256} << 20;
// The largest picture worth an allocation, as for rendered pictures. Its sides are not
// limited on their own: the step crops a large picture to the image.
constexpr unsigned long long kMaxArea = 1ULL << 28;

struct MemoryCloser {
  void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};

bool IsPictureFormat(FREE_IMAGE_FORMAT format) {
  return format == FIF_PNG || format == FIF_BMP || format == FIF_JPEG;
}

bool HasSaneSize(FIBITMAP* bitmap) {
  const unsigned width = FreeImage_GetWidth(bitmap);
  const unsigned height = FreeImage_GetHeight(bitmap);
  return width > 0 && height > 0 && static_cast<unsigned long long>(width) * height <= kMaxArea;
}

// A 16-bit sample as an 8-bit one, to the nearest level: 20000 gives 78.
BYTE EightBits(WORD sample) { return static_cast<BYTE>((sample * 255u + 32767u) / 65535u); }

// 16-bit grey, RGB and RGBA pictures (PNG has all three) at 8 bits a channel, each sample
// scaled on its own; the library's own conversion drops the colour ones and stretches a grey
// one to its darkest and lightest sample.
Bitmap SixteenBitsTo32Bits(FIBITMAP* picture) {
  const FREE_IMAGE_TYPE type = FreeImage_GetImageType(picture);
  const unsigned width = FreeImage_GetWidth(picture);
  const unsigned height = FreeImage_GetHeight(picture);
  Bitmap converted = Adopt(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 32));
  if (!converted) return nullptr;
  const unsigned samples = type == FIT_UINT16 ? 1 : type == FIT_RGB16 ? 3 : 4;
  for (unsigned row = 0; row < height; ++row) {
    const auto* from = reinterpret_cast<const WORD*>(FreeImage_GetScanLine(picture, static_cast<int>(row)));
    BYTE* to = FreeImage_GetScanLine(converted.get(), static_cast<int>(row));
    for (unsigned column = 0; column < width; ++column, from += samples, to += 4) {
      // Samples are red, green, blue, alpha in memory; grey is one sample for all three.
      to[FI_RGBA_RED] = EightBits(from[0]);
      to[FI_RGBA_GREEN] = EightBits(from[samples >= 3 ? 1 : 0]);
      to[FI_RGBA_BLUE] = EightBits(from[samples >= 3 ? 2 : 0]);
      to[FI_RGBA_ALPHA] = samples == 4 ? EightBits(from[3]) : 255;
    }
  }
  return converted;
}

Bitmap To32Bits(Bitmap picture) {
  switch (FreeImage_GetImageType(picture.get())) {
    case FIT_BITMAP:
      return Adopt(FreeImage_ConvertTo32Bits(picture.get()));
    case FIT_UINT16:
    case FIT_RGB16:
    case FIT_RGBA16:
      return SixteenBitsTo32Bits(picture.get());
    default: {
      Bitmap standard = Adopt(FreeImage_ConvertToStandardType(picture.get(), TRUE));
      return standard ? Adopt(FreeImage_ConvertTo32Bits(standard.get())) : nullptr;
    }
  }
}

// The file is read like every file the user names (without blocking, bounded) and decoded
// from memory.
Bitmap LoadAs32Bits(const std::string& path) {
  std::string bytes;
  std::string reason;
  if (!ReadWholeFile(path, kMaxPictureFileBytes, FileKinds::kRegular, bytes, reason)) return nullptr;
  const std::unique_ptr<FIMEMORY, MemoryCloser> memory(
      FreeImage_OpenMemory(reinterpret_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size())));
  if (!memory) return nullptr;
  const FREE_IMAGE_FORMAT format = FreeImage_GetFileTypeFromMemory(memory.get(), 0);
  if (!IsPictureFormat(format)) return nullptr;
  // The header alone first, so that a huge picture is refused before it is decoded.
  Bitmap header = Adopt(FreeImage_LoadFromMemory(format, memory.get(), FIF_LOAD_NOPIXELS));
  if (!header || !HasSaneSize(header.get())) return nullptr;
  header.reset();
  FreeImage_SeekMemory(memory.get(), 0, SEEK_SET);
  Bitmap picture = Adopt(FreeImage_LoadFromMemory(format, memory.get(), 0));
  if (!picture || !HasSaneSize(picture.get())) return nullptr;
  return To32Bits(std::move(picture));
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
