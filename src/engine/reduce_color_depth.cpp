#include "engine/reduce_color_depth.h"

#include "engine/drop_alpha.h"
#include "engine/pipeline.h"
#include "settings/settings.h"

namespace vecrast {

namespace {

// Each FreeImage conversion makes a new bitmap; the Bitmap owner releases the old one.
Bitmap Convert(const Bitmap& bitmap, FIBITMAP* (*conversion)(FIBITMAP*)) {
  return Adopt(conversion(bitmap.get()));
}

bool IsPlain32BitImage(const Bitmap& bitmap) {
  return FreeImage_GetImageType(bitmap.get()) == FIT_BITMAP && FreeImage_GetBPP(bitmap.get()) == 32;
}

bool IsOneOf(std::string_view extension, std::initializer_list<std::string_view> list) {
  for (const auto entry : list) {
    if (entry == extension) return true;
  }
  return false;
}

Bitmap To16Bits(Bitmap bitmap, std::string_view extension) {
  if (FreeImage_GetBPP(bitmap.get()) > 32) bitmap = Convert(bitmap, FreeImage_ConvertTo24Bits);
  if (!bitmap) return nullptr;
  const bool fiveFiveFive = IsOneOf(extension, {"ico", "tga"});
  return Convert(bitmap, fiveFiveFive ? FreeImage_ConvertTo16Bits555 : FreeImage_ConvertTo16Bits565);
}

Bitmap To8Bits(Bitmap bitmap, std::string_view extension) {
  if (IsOneOf(extension, {"j2k", "jp2", "jpg", "jxr"})) return Convert(bitmap, FreeImage_ConvertTo8Bits);
  if (FreeImage_GetBPP(bitmap.get()) != 24) bitmap = Convert(bitmap, FreeImage_ConvertTo24Bits);
  if (!bitmap) return nullptr;
  return Adopt(FreeImage_ColorQuantizeEx(bitmap.get(), FIQ_WUQUANT, 256, 0, nullptr));
}

}  // namespace

Bitmap ReduceColorDepthTo(Bitmap bitmap, int targetBpp, std::string_view extension) {
  if (!bitmap) return nullptr;
  if (static_cast<int>(FreeImage_GetBPP(bitmap.get())) == targetBpp) return bitmap;
  switch (targetBpp) {
    case 96: return Convert(bitmap, FreeImage_ConvertToRGBF);
    case 48: return Convert(bitmap, FreeImage_ConvertToRGB16);
    case 32: return Convert(bitmap, FreeImage_ConvertTo32Bits);
    case 24: return IsPlain32BitImage(bitmap) ? DropAlpha(bitmap) : Convert(bitmap, FreeImage_ConvertTo24Bits);
    case 16: return To16Bits(std::move(bitmap), extension);
    case 8: return To8Bits(std::move(bitmap), extension);
    case 4: return Convert(bitmap, FreeImage_ConvertTo4Bits);
    case 1: return Adopt(FreeImage_Dither(bitmap.get(), FID_FS));
    default:
      lastStepProblem = "there is no conversion to " + std::to_string(targetBpp) + " bits per pixel";
      return nullptr;
  }
}

Bitmap ReduceColorDepth(Bitmap bitmap) {
  return ReduceColorDepthTo(std::move(bitmap), ConversionJob.targetBpp, ConversionJob.outputExtension);
}

}  // namespace vecrast
