// The thin ownership layer over FreeImage bitmaps: every bitmap is released exactly once.
#pragma once

#include <FreeImage.h>

#include <memory>

namespace vecrast {

struct BitmapUnloader {
  void operator()(FIBITMAP* bitmap) const {
    if (bitmap) FreeImage_Unload(bitmap);
  }
};

// An owned FreeImage bitmap; null means "no image" (a failed step).
using Bitmap = std::unique_ptr<FIBITMAP, BitmapUnloader>;

// Takes ownership of a bitmap returned by a FreeImage call (which may be null).
inline Bitmap Adopt(FIBITMAP* bitmap) { return Bitmap(bitmap); }

}  // namespace vecrast
