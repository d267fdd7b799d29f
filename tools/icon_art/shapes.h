// The shapes the icons are made of, on the 16-unit grid: documents, folders, arrows, badges
// and signs. Each builds its path and hands it to the pen.
#pragma once

#include <cairo.h>

#include <functional>
#include <string_view>

#include "pen.h"

namespace icon_art {

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Document(Pen& pen, double x, double y, double w, double h);
// Text lines on a document, for the larger sizes where they read as writing.
void DocumentLines(Pen& pen, double x, double y, double w, int lines);
void Folder(Pen& pen, double x, double y, double w, double h);
// A fat arrow from (x0, y0) to (x1, y1), shaft `thick` units wide.
void Arrow(Pen& pen, double x0, double y0, double x1, double y1, double thick, Rgb colour);
// A round badge with a white sign drawn by `sign` inside it.
void Badge(Pen& pen, double cx, double cy, double r, Rgb colour, const std::function<void()>& sign);
void PlusSign(Pen& pen, double cx, double cy, double arm, double width);
void CrossSign(Pen& pen, double cx, double cy, double arm, double width, Rgb colour);
void Star(Pen& pen, double cx, double cy, double outer, Rgb colour);
void Gear(Pen& pen, double cx, double cy, double outer, Rgb colour);
void Picture(Pen& pen, double x, double y, double w, double h);
void Globe(Pen& pen, double cx, double cy, double r);
void Envelope(Pen& pen, double x, double y, double w, double h);
// A letter or sign drawn as text, centred on (cx, cy); used for "?", "i" and "!".
void Glyph(cairo_t* cr, std::string_view text, double cx, double cy, double height, Rgb colour);
void CircularArrows(Pen& pen, double cx, double cy, double r, Rgb colour);
void Magnifier(Pen& pen, double cx, double cy, double r);

}  // namespace icon_art
