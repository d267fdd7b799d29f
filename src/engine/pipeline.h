// The image pipeline that every converted file passes through, in this fixed order:
// rotation, resize, flips, colour adjustment, greyscale, threshold, frame, watermark,
// colour-depth reduction.
//
// Every step takes the current bitmap by value and returns the one to continue with:
// null in gives null out; a step whose option is off returns its input unchanged; a step
// that makes a new bitmap lets the old one go (the Bitmap owner releases it). A null
// result makes the file fail at saving.
#pragma once

#include <string>

#include "engine/bitmap.h"

namespace vecrast {

// A step that returns no image on purpose (a size over the limits) says why here; the
// conversion clears it before each step and reports it with the step's name. When the
// image library returned nothing the step leaves it empty.
extern std::string lastStepProblem;

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
