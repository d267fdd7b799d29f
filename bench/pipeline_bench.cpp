// Cost of each image pipeline step on a 2000 x 1500 picture, against the JPEG encoding of
// the same picture (no step should cost more than that). Each step runs as the pipeline
// runs it: through its settings, on a fresh copy of the rendered 32-bit picture.
#include <benchmark/benchmark.h>

#include <functional>

#include "engine/font_slots.h"
#include "engine/pipeline.h"
#include "settings/settings.h"

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

const Bitmap& Rendered() {
  static const Bitmap picture = TestPicture(32);
  return picture;
}

void BM_JpegEncode(benchmark::State& state) {
  Bitmap image = Adopt(FreeImage_ConvertTo24Bits(Rendered().get()));
  for (auto _ : state) {
    FIMEMORY* memory = FreeImage_OpenMemory();
    benchmark::DoNotOptimize(FreeImage_SaveToMemory(FIF_JPEG, image.get(), memory, 95));
    FreeImage_CloseMemory(memory);
  }
}
BENCHMARK(BM_JpegEncode)->Unit(benchmark::kMillisecond);

// Times one step on a copy of the picture; the copy itself is not timed.
void RunStep(benchmark::State& state, const std::function<void()>& configure,
             const std::function<Bitmap(Bitmap)>& step) {
  ResetSettings(true);
  configure();
  for (auto _ : state) {
    state.PauseTiming();
    Bitmap copy = Adopt(FreeImage_Clone(Rendered().get()));
    state.ResumeTiming();
    Bitmap result = step(std::move(copy));
    benchmark::DoNotOptimize(result.get());
    state.PauseTiming();
    result.reset();
    state.ResumeTiming();
  }
}

void BM_RotateSimple30(benchmark::State& state) {
  RunStep(state, [] { Settings.doImageRotation = 1; Settings.imageRotation = 30; }, RotateImage);
}
void BM_RotateSimple90(benchmark::State& state) {
  RunStep(state, [] { Settings.doImageRotation = 1; Settings.imageRotation = 90; }, RotateImage);
}
void BM_RotateAdvanced30(benchmark::State& state) {
  RunStep(state, [] {
    Settings.doImageRotation = 1;
    Settings.imageRotation = 30;
    Settings.imageRotationType = 1;
  }, RotateImage);
}
void BM_ResizeHalfBicubic(benchmark::State& state) {
  RunStep(state, [] {
    Settings.doImageResize = 1;
    Settings.imageWidth = Settings.imageHeight = 50;
    Settings.imageWidthUnit = Settings.imageHeightUnit = 1;
  }, [](Bitmap b) { return ResizeImage(std::move(b), kWidth, kHeight); });
}
void BM_FlipBoth(benchmark::State& state) {
  RunStep(state, [] { Settings.doImageFlipHorizontal = Settings.doImageFlipVertical = 1; }, FlipImage);
}
void BM_AdjustColors(benchmark::State& state) {
  RunStep(state, [] {
    Settings.doImageColorCorrection = 1;
    Settings.imageBrightness = 20;
    Settings.imageContrast = 10;
    Settings.imageGamma = 1.2;
    Settings.imageInvert = 1;
  }, AdjustImageColors);
}
void BM_Greyscale(benchmark::State& state) {
  RunStep(state, [] { Settings.doImageGreyscale = 1; }, GreyscaleImage);
}
void BM_Threshold(benchmark::State& state) {
  RunStep(state, [] { Settings.doImageThreshold = 1; Settings.imageThreshold = 128; }, ThresholdImage);
}
void BM_Frame(benchmark::State& state) {
  RunStep(state, [] {
    Settings.doFrame = 1;
    Settings.solidLeft = Settings.solidRight = 20;
    Settings.solidTop = Settings.solidBottom = 30;
    Settings.solidTopColor = "FF0000";
    Settings.solidOpacity = 200;
  }, [](Bitmap b) { return DrawFrame(std::move(b), kWidth, kHeight); });
}
void BM_TextWatermark(benchmark::State& state) {
  LoadFont(kWatermarkFontSlot, "Arial", 14, 0);
  const bool antialiased = state.range(0) != 0;
  const int rotation = static_cast<int>(state.range(1));
  RunStep(state, [&] {
    Settings.doWatermark = 1;
    Settings.text = "Copyright 2026 Zentrafax. All rights reserved.%eol%Page 00001";
    Settings.backOpacity = 128;
    Settings.textPadding = 4;
    Settings.textAntialiasing = antialiased ? 1 : 0;
    Settings.textRotation = rotation;
  }, [](Bitmap b) { return DrawWatermark(std::move(b), kWidth, kHeight); });
  FreeFont(kWatermarkFontSlot);
}

BENCHMARK(BM_RotateSimple30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RotateSimple90)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RotateAdvanced30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResizeHalfBicubic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlipBoth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdjustColors)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Greyscale)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Threshold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Frame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextWatermark)->Args({0, 0})->Args({1, 0})->Args({1, 30})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vecrast

BENCHMARK_MAIN();
