#include "engine/turned_canvas.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace vecrast {

namespace {

// The library's sizes truncate after adding a half: round half up, then one pixel more.
int ShearedSide(double side) { return static_cast<int>(static_cast<unsigned>(side + 0.5)) + 1; }

// The three shears of a turn by `radians` (in (-45, 45] degrees, or its equivalent near 360)
// of a `width` x `height` picture, followed through for the picture's centre. Each shear moves
// row or column i by an offset taken at i + 0.5, exactly as far as the blend it makes.
TurnedCanvas ShearCanvas(int width, int height, double radians) {
  const double sine = std::sin(radians);
  const double tangent = std::tan(radians / 2);
  const double w = width, h = height;
  TurnedCanvas canvas;
  canvas.width = ShearedSide(h * std::abs(sine) + w * std::cos(radians));
  canvas.height = ShearedSide(w * std::abs(sine) + h * std::cos(radians));
  const double firstWidth = w + static_cast<unsigned>(h * std::abs(tangent) + 0.5);

  // First shear: rows move right by their height times the tangent.
  const double x1 = w / 2 + (tangent >= 0 ? h / 2 * tangent : (h / 2 - h) * tangent);
  // Second shear: columns move up, less the further right they are.
  const double columnStart = sine > 0 ? (w - 1) * sine : -sine * (w - firstWidth);
  const double y2 = h / 2 + columnStart - (x1 - 0.5) * sine;
  // Third shear: rows move right again.
  const double rowStart = sine >= 0 ? (w - 1) * sine * -tangent : tangent * ((w - 1) * -sine + (1 - canvas.height));
  canvas.centreX = x1 + rowStart + (y2 - 0.5) * tangent;
  canvas.centreY = y2;
  return canvas;
}

}  // namespace

TurnedCanvas LibraryTurnedCanvas(int width, int height, double degrees) {
  // The library turns the stored rows, which run bottom first, by the negative angle.
  double angle = std::fmod(-degrees, 360.0);
  if (angle < 0) angle += 360.0;
  int w = width, h = height;
  if (angle > 45 && angle <= 135) {
    angle -= 90, std::swap(w, h);
  } else if (angle > 135 && angle <= 225) {
    angle -= 180;
  } else if (angle > 225 && angle <= 315) {
    angle -= 270, std::swap(w, h);
  }
  if (angle == 0) return {w, h, w / 2.0, h / 2.0};  // an exact quarter turn
  return ShearCanvas(w, h, angle * std::numbers::pi / 180.0);
}

}  // namespace vecrast
