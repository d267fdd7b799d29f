// The image pipeline that every converted file passes through, in this fixed order:
// rotation, resize, flips, colour adjustment, greyscale, threshold, frame, watermark,
// colour-depth reduction.
//
// Every step takes the current bitmap by value and returns the one to continue with:
// null in gives null out; a step whose option is off returns its input unchanged; a step
// that makes a new bitmap lets the old one go (the Bitmap owner releases it). A null
// result makes the file fail at saving.
#pragma once

#include "engine/bitmap.h"

namespace vecrast {

Bitmap RotateImage(Bitmap bitmap);
// Sets ConversionJob.outputWidth and outputHeight to the size after resizing.
Bitmap ResizeImage(Bitmap bitmap, int currentWidth, int currentHeight);
Bitmap FlipImage(Bitmap bitmap);
Bitmap AdjustImageColors(Bitmap bitmap);
Bitmap GreyscaleImage(Bitmap bitmap);
Bitmap ThresholdImage(Bitmap bitmap);
Bitmap DrawFrame(Bitmap bitmap, int outputWidth, int outputHeight);
Bitmap DrawWatermark(Bitmap bitmap, int outputWidth, int outputHeight);
// Reduces to ConversionJob.targetBpp.
Bitmap ReduceColorDepth(Bitmap bitmap);

}  // namespace vecrast
