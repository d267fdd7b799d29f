// Cost of each image pipeline step on a 2000 x 1500 picture, against the JPEG encoding of
// the same picture (no step should cost more than that).
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/font_slots.h"
#include "engine/frame_bands.h"
#include "engine/watermark_picture.h"
#include "engine/watermark_stamp.h"
#include "engine/watermark_text.h"

namespace vecrast {
namespace {

constexpr int kWidth = 2000;
constexpr int kHeight = 1500;

// A picture with smooth gradients and sharp edges, like a rendered drawing.
Bitmap TestPicture(unsigned bpp) {
  Bitmap image = Adopt(FreeImage_Allocate(kWidth, kHeight, static_cast<int>(bpp), 0, 0, 0));
  const unsigned bytes = bpp / 8;
  for (int y = 0; y < kHeight; ++y) {
    BYTE* pixel = FreeImage_GetScanLine(image.get(), y);
    for (int x = 0; x < kWidth; ++x, pixel += bytes) {
      const bool stripe = ((x / 50) + (y / 50)) % 2 == 0;
      pixel[FI_RGBA_RED] = static_cast<BYTE>(x * 255 / kWidth);
      pixel[FI_RGBA_GREEN] = static_cast<BYTE>(y * 255 / kHeight);
      pixel[FI_RGBA_BLUE] = stripe ? 255 : 0;
      if (bytes == 4) pixel[FI_RGBA_ALPHA] = 255;
    }
  }
  return image;
}

void BM_JpegEncode(benchmark::State& state) {
  Bitmap image = TestPicture(24);
  for (auto _ : state) {
    FIMEMORY* memory = FreeImage_OpenMemory();
    benchmark::DoNotOptimize(FreeImage_SaveToMemory(FIF_JPEG, image.get(), memory, 95));
    FreeImage_CloseMemory(memory);
  }
}
BENCHMARK(BM_JpegEncode);

void BM_Frame(benchmark::State& state) {
  Bitmap image = TestPicture(24);
  const FrameStyle style{{20, 20, 30, 30}, {255, 0, 0, 255}, {0, 255, 0, 255},
                         {0, 0, 255, 255}, {0, 0, 0, 255}, 200};
  for (auto _ : state) benchmark::DoNotOptimize(PaintFrame(image.get(), style));
}
BENCHMARK(BM_Frame);

void BM_TextWatermark(benchmark::State& state) {
  Bitmap image = TestPicture(24);
  LoadFont(kWatermarkFontSlot, "Arial", 14, 0);
  TextWatermarkStyle style;
  style.font = FontInSlot(kWatermarkFontSlot);
  style.textColor = {255, 255, 255, 255};
  style.backColor = {0, 0, 0, 128};
  style.padding = 4;
  style.antialiased = state.range(0) != 0;
  const WatermarkPlacement placement{{0, 0, kWidth, kHeight}, 8, 10, 10, 0};
  for (auto _ : state) {
    Bitmap box = RenderTextWatermark("Copyright 2026 Zentrafax. All rights reserved.%eol%Page 00001", style);
    benchmark::DoNotOptimize(StampWatermark(image.get(), std::move(box), placement));
  }
  FreeFont(kWatermarkFontSlot);
}
BENCHMARK(BM_TextWatermark)->Arg(0)->Arg(1);

void BM_RotatedPictureWatermark(benchmark::State& state) {
  Bitmap image = TestPicture(24);
  Bitmap picture = Adopt(FreeImage_Rescale(TestPicture(32).get(), 400, 300, FILTER_BOX));
  const WatermarkPlacement placement{{0, 0, kWidth, kHeight}, 4, 10, 10,
                                     static_cast<int>(state.range(0))};
  for (auto _ : state) {
    Bitmap copy = Adopt(FreeImage_Clone(picture.get()));
    benchmark::DoNotOptimize(StampWatermark(image.get(), std::move(copy), placement));
  }
}
BENCHMARK(BM_RotatedPictureWatermark)->Arg(0)->Arg(90)->Arg(30);

}  // namespace
}  // namespace vecrast

BENCHMARK_MAIN();
