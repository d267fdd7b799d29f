// The pen every icon is drawn with: fills and outlines in a style's colours, ruled or
// hand-drawn. Shapes are built as Cairo paths on a 16-unit grid; the pen fills and strokes
// them.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "icon_art.h"

namespace icon_art {

Rgb Mix(Rgb a, Rgb b, double t);
inline constexpr Rgb kWhite{1, 1, 1};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr double kPi = 3.14159265358979323846;

// A small deterministic noise source, so that a hand-drawn icon looks the same on every build.
class Wander {
 public:
  explicit Wander(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
  // A value from -1 to 1.
  double Next();

 private:
  uint32_t state_;
};

struct Pen {
  cairo_t* cr;
  const IconStyle& style;
  int pixelSize;  // the icon's size in pixels: outlines grow more slowly than the drawing
  Wander wander;

  // Fills the current path with `colour` (shaded unless the style is flat, hatched when it is
  // sketchy and the icon large), then outlines it. `top` and `bottom` span the shade.
  void FillAndEdge(Rgb colour, double top = 0, double bottom = 16);

  // Outlines the current path (`widthScale` times the outline width).
  void Edge(Rgb colour, double widthScale = 1.0);

  // Strokes the current path in a colour of its own, `width` grid units wide.
  void Line(Rgb colour, double width);

  // The outline colour for a shape filled with `fill`.
  Rgb EdgeColourFor(Rgb fill) const;

  // The outline width in grid units at this icon's size.
  double EdgeWidth() const;

  // How far lines wander and fills sit off their outlines at this icon's size: the small
  // sizes keep their lines on whole pixels, where a wander only blurs.
  double Wobble() const;
  double FillOffset() const;

 private:
  void Fill(Rgb colour, double top, double bottom);
  void Hatch(Rgb colour, double top, double bottom);
  void Stroke(Rgb colour, double width);
  bool Sketchy() const;
};

}  // namespace icon_art
