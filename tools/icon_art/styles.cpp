// The looks the drawings come in: the built-in set and the shipped themes.
#include "icon_art.h"

namespace icon_art {

IconStyle BuiltinStyle() {
  return IconStyle{.name = "builtin",
                   .outline = {0.18, 0.20, 0.24},
                   .paper = {0.98, 0.98, 0.96},
                   .folder = {0.96, 0.76, 0.26},
                   .accent = {0.20, 0.63, 0.27},
                   .alert = {0.85, 0.20, 0.17},
                   .info = {0.20, 0.45, 0.80},
                   .edgeUnits = 1.0,
                   .wobble = 0.0,
                   .flat = false};
}

namespace {

// Ink on cream paper, coloured in by hand: the outlines wander, the colour sits a little off
// them, and the larger sizes show pencil strokes and a second pass of the pen.
IconStyle HandDrawnStyle() {
  return IconStyle{.name = "handdrawn",
                   .outline = {0.22, 0.19, 0.17},
                   .paper = {1.00, 0.98, 0.93},
                   .folder = {0.98, 0.77, 0.31},
                   .accent = {0.35, 0.67, 0.31},
                   .alert = {0.88, 0.33, 0.25},
                   .info = {0.28, 0.55, 0.80},
                   .edgeUnits = 1.0,
                   .wobble = 0.28,
                   .flat = true,
                   .outlineTint = 0.15,
                   .fillOffset = 0.3,
                   .sketchy = true};
}

// Plain saturated colours with thin outlines in a dark shade of each fill.
IconStyle FlatStyle() {
  return IconStyle{.name = "flat",
                   .outline = {0.25, 0.28, 0.33},
                   .paper = {1.00, 1.00, 1.00},
                   .folder = {1.00, 0.70, 0.00},
                   .accent = {0.26, 0.63, 0.28},
                   .alert = {0.90, 0.22, 0.21},
                   .info = {0.12, 0.53, 0.90},
                   .edgeUnits = 0.8,
                   .wobble = 0.0,
                   .flat = true,
                   .outlineTint = 0.85};
}

}  // namespace

std::vector<ShippedTheme> ShippedThemes() {
  return {{"handdrawn", "Hand-drawn", HandDrawnStyle()}, {"flat", "Flat", FlatStyle()}};
}

}  // namespace icon_art
