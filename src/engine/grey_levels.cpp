#include "engine/grey_levels.h"

#include <vector>

namespace vecrast {
namespace {

bool IsColour(FIBITMAP* image) {
  if (!image || FreeImage_GetImageType(image) != FIT_BITMAP || !FreeImage_HasPixels(image))
    return false;
  const unsigned bpp = FreeImage_GetBPP(image);
  return bpp == 24 || bpp == 32;
}

// An 8-bit image whose palette maps each index to the same grey.
bool IsGrey(FIBITMAP* image) {
  return image && FreeImage_GetImageType(image) == FIT_BITMAP && FreeImage_HasPixels(image) &&
         FreeImage_GetBPP(image) == 8 && FreeImage_GetColorType(image) == FIC_MINISBLACK;
}

// The library's luma: Rec. 709 weights in single precision, rounded half up. The same
// float operations in the same order give the same level for every colour.
inline BYTE Luma(BYTE red, BYTE green, BYTE blue) {
  return static_cast<BYTE>(0.2126F * red + 0.7152F * green + 0.0722F * blue + 0.5F);
}

void GreyRow(const BYTE* source, unsigned bytesPerPixel, unsigned width, BYTE* target) {
  for (unsigned x = 0; x < width; ++x, source += bytesPerPixel)
    target[x] = Luma(source[FI_RGBA_RED], source[FI_RGBA_GREEN], source[FI_RGBA_BLUE]);
}

Bitmap AllocateGrey(unsigned width, unsigned height, int bpp) {
  Bitmap grey = Adopt(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), bpp, 0, 0, 0));
  if (!grey) return nullptr;
  RGBQUAD* palette = FreeImage_GetPalette(grey.get());
  const unsigned colours = FreeImage_GetColorsUsed(grey.get());
  for (unsigned i = 0; i < colours; ++i) {
    const auto level = static_cast<BYTE>(i * 255 / (colours - 1));
    palette[i] = {level, level, level, 0};
  }
  return grey;
}

}  // namespace

Bitmap GreyLevels(FIBITMAP* image) {
  if (!IsColour(image)) return nullptr;
  const unsigned width = FreeImage_GetWidth(image);
  const unsigned height = FreeImage_GetHeight(image);
  const unsigned bytesPerPixel = FreeImage_GetBPP(image) / 8;
  Bitmap grey = AllocateGrey(width, height, 8);
  if (!grey) return nullptr;
  for (unsigned y = 0; y < height; ++y)
    GreyRow(FreeImage_GetScanLine(image, static_cast<int>(y)), bytesPerPixel, width,
            FreeImage_GetScanLine(grey.get(), static_cast<int>(y)));
  return grey;
}

Bitmap BlackAndWhite(FIBITMAP* image, BYTE level) {
  const bool colour = IsColour(image);
  if (!colour && !IsGrey(image)) return nullptr;
  const unsigned width = FreeImage_GetWidth(image);
  const unsigned height = FreeImage_GetHeight(image);
  const unsigned bytesPerPixel = FreeImage_GetBPP(image) / 8;
  Bitmap bilevel = AllocateGrey(width, height, 1);
  if (!bilevel) return nullptr;
  std::vector<BYTE> greyRow(width);
  for (unsigned y = 0; y < height; ++y) {
    const BYTE* source = FreeImage_GetScanLine(image, static_cast<int>(y));
    if (colour) {
      GreyRow(source, bytesPerPixel, width, greyRow.data());
      source = greyRow.data();
    }
    BYTE* target = FreeImage_GetScanLine(bilevel.get(), static_cast<int>(y));
    for (unsigned x = 0; x < width; x += 8) {
      BYTE packed = 0;
      for (unsigned bit = 0; bit < 8 && x + bit < width; ++bit)
        if (source[x + bit] >= level) packed = static_cast<BYTE>(packed | (0x80 >> bit));
      target[x / 8] = packed;
    }
  }
  return bilevel;
}

}  // namespace vecrast
