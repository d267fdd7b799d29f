// The program's icon artwork, drawn as vector shapes with Cairo at any pixel size.
//
// Every image key the window uses (the 22 command icons, the three form images and the About
// banner) has one drawing here. Shapes are laid out on a 16-unit grid, so that strokes land on
// whole pixels at 16, 32, 48 and 64 pixels. A style chooses colours and the pen: the built-in
// set and the shipped themes are the same drawings in different styles.
#pragma once

#include <cairo.h>

#include <string>
#include <string_view>
#include <vector>

namespace icon_art {

struct Rgb {
  double r, g, b;
};

struct IconStyle {
  std::string name;
  Rgb outline;        // the dark edge of every shape
  Rgb paper;          // documents
  Rgb folder;         // folders
  Rgb accent;         // arrows, plus signs, highlights
  Rgb alert;          // delete, error, exit
  Rgb info;           // help, about, web
  double edgeUnits;   // outline width in grid units at 16 px (1 = one pixel); thinner when larger
  double wobble;      // 0 for ruled lines; above 0 the pen wanders like a hand-drawn line
  bool flat;          // true: plain fills; false: a soft top-to-bottom shade
  double outlineTint = 0.5;  // 0: every outline in `outline`; 1: a dark shade of its fill
  double fillOffset = 0;     // hand-coloured fills sit this far (grid units) off their outline
  bool sketchy = false;      // from 32 px on: outlines drawn twice and fills hatched
};

// The built-in look of the program.
IconStyle BuiltinStyle();

// A theme the program ships: its archive's key, its display name and its style.
struct ShippedTheme {
  std::string key;
  std::string displayName;
  IconStyle style;
};

// "handdrawn" (the default theme) first, then the others.
std::vector<ShippedTheme> ShippedThemes();

// Draws the icon `key` filling a size x size square at the origin of `cr`. False for an
// unknown key.
bool DrawIcon(cairo_t* cr, std::string_view key, int size, const IconStyle& style);

// The About dialog's banner, width x height pixels, with the product title.
void DrawBanner(cairo_t* cr, int width, int height, const IconStyle& style, std::string_view title);

}  // namespace icon_art
