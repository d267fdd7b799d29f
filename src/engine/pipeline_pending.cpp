// Pass-through versions of the pipeline steps that are not built yet, so that the
// conversion links and runs. Each definition is removed when its real step lands.
#include "engine/pipeline.h"

namespace vecrast {

Bitmap RotateImage(Bitmap bitmap) { return bitmap; }
Bitmap ResizeImage(Bitmap bitmap, int, int) { return bitmap; }
Bitmap FlipImage(Bitmap bitmap) { return bitmap; }
Bitmap AdjustImageColors(Bitmap bitmap) { return bitmap; }
Bitmap GreyscaleImage(Bitmap bitmap) { return bitmap; }
Bitmap ThresholdImage(Bitmap bitmap) { return bitmap; }
Bitmap DrawFrame(Bitmap bitmap, int, int) { return bitmap; }
Bitmap DrawWatermark(Bitmap bitmap, int, int) { return bitmap; }

}  // namespace vecrast
