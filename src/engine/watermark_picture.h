// The picture watermark: a PNG, BMP or JPEG file made into a 32-bit overlay.
#pragma once

#include <string>

#include "engine/bitmap.h"

namespace vecrast {

// Loads the picture as a 32-bit bitmap with straight alpha: every pixel's alpha is
// multiplied by opacity ÷ 255 (a picture without alpha counts as opaque), and with
// `greyscale` each colour becomes (77 red + 150 green + 29 blue) >> 8. Null when the file
// cannot be read, is not a PNG, BMP or JPEG picture, or is too large to handle (over 2^28
// pixels; a picture with a longer side is cropped by the step like any other). 16-bit
// pictures are brought to 8 bits a channel sample by sample.
Bitmap LoadPictureWatermark(const std::string& path, bool greyscale, int opacity);

}  // namespace vecrast
