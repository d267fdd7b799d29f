// Where the image library's rotation (FreeImage_Rotate) puts a turned picture: the canvas it
// grows to and where the picture's centre lands on it. Our own turns (the picture's and the
// watermark's) use the same canvas, so that sizes, "%width%"-free layouts and anchored
// watermarks come out as the library would place them.
#pragma once

namespace vecrast {

struct TurnedCanvas {
  int width = 0;
  int height = 0;
  // The point the picture's centre lands on, in stored-row coordinates: x from the left edge,
  // y from the bottom edge, in pixels.
  double centreX = 0;
  double centreY = 0;
};

// The canvas of a `width` x `height` picture turned counter-clockwise by `degrees` (finite).
// The library turns by an exact quarter turn first and shears the rest (at most 45 degrees)
// in three passes; each shear moves rows or columns by whole-row offsets of its own, which
// places the centre up to a pixel and a half away from the canvas's middle.
TurnedCanvas LibraryTurnedCanvas(int width, int height, double degrees);

}  // namespace vecrast
