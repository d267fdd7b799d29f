#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
// The signs drawn as text load fonts through fontconfig, which keeps a block of its
// configuration for the life of the process; sanitizer builds leave its allocations alone.
// Weak, so that another part of a program may say the same.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

namespace icon_art {

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void Document(Pen& pen, double x, double y, double w, double h) {
  cairo_t* cr = pen.cr;
  const double fold = w * 0.36;
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + w - fold, y);
  cairo_line_to(cr, x + w, y + fold);
  cairo_line_to(cr, x + w, y + h);
  cairo_line_to(cr, x, y + h);
  cairo_close_path(cr);
  pen.FillAndEdge(pen.style.paper, y, y + h);
  cairo_move_to(cr, x + w - fold, y);
  cairo_line_to(cr, x + w - fold, y + fold);
  cairo_line_to(cr, x + w, y + fold);
  pen.Edge(pen.EdgeColourFor(pen.style.paper));
}

void DocumentLines(Pen& pen, double x, double y, double w, int lines) {
  for (int i = 0; i < lines; ++i) {
    cairo_move_to(pen.cr, x, y + 2.0 * i);
    cairo_line_to(pen.cr, x + w - (i % 2) * w * 0.3, y + 2.0 * i);
  }
  pen.Line(Mix(pen.style.paper, kBlack, 0.35), 0.7);
}

void Folder(Pen& pen, double x, double y, double w, double h) {
  cairo_t* cr = pen.cr;
  const double tab = w * 0.4;
  cairo_move_to(cr, x, y + 1.5);
  cairo_line_to(cr, x + 1, y);
  cairo_line_to(cr, x + tab - 1, y);
  cairo_line_to(cr, x + tab, y + 1.5);
  cairo_line_to(cr, x + w, y + 1.5);
  cairo_line_to(cr, x + w, y + h);
  cairo_line_to(cr, x, y + h);
  cairo_close_path(cr);
  pen.FillAndEdge(Mix(pen.style.folder, kBlack, 0.15), y, y + h);
  // The front flap.
  cairo_move_to(cr, x, y + 4);
  cairo_line_to(cr, x + w, y + 4);
  cairo_line_to(cr, x + w, y + h);
  cairo_line_to(cr, x, y + h);
  cairo_close_path(cr);
  pen.FillAndEdge(pen.style.folder, y + 4, y + h);
}

void Arrow(Pen& pen, double x0, double y0, double x1, double y1, double thick, Rgb colour) {
  cairo_t* cr = pen.cr;
  const double dx = x1 - x0, dy = y1 - y0;
  const double length = std::hypot(dx, dy);
  const double ux = dx / length, uy = dy / length;  // along
  const double nx = -uy, ny = ux;                   // across
  const double head = thick * 1.6;
  const double neck = length - head;
  const double half = thick / 2;
  auto at = [&](double along, double across) {
    return std::pair{x0 + ux * along + nx * across, y0 + uy * along + ny * across};
  };
  const std::pair<double, double> points[] = {at(0, -half), at(neck, -half), at(neck, -head), at(length, 0),
                                              at(neck, head), at(neck, half), at(0, half)};
  cairo_move_to(cr, points[0].first, points[0].second);
  for (const auto& [px, py] : points) cairo_line_to(cr, px, py);
  cairo_close_path(cr);
  pen.FillAndEdge(colour, std::min(y0, y1) - head, std::max(y0, y1) + head);
}

void Badge(Pen& pen, double cx, double cy, double r, Rgb colour, const std::function<void()>& sign) {
  cairo_arc(pen.cr, cx, cy, r, 0, 2 * kPi);
  pen.FillAndEdge(colour, cy - r, cy + r);
  sign();
}

void PlusSign(Pen& pen, double cx, double cy, double arm, double width) {
  cairo_move_to(pen.cr, cx - arm, cy);
  cairo_line_to(pen.cr, cx + arm, cy);
  cairo_move_to(pen.cr, cx, cy - arm);
  cairo_line_to(pen.cr, cx, cy + arm);
  pen.Line(kWhite, width);
}

void CrossSign(Pen& pen, double cx, double cy, double arm, double width, Rgb colour) {
  cairo_move_to(pen.cr, cx - arm, cy - arm);
  cairo_line_to(pen.cr, cx + arm, cy + arm);
  cairo_move_to(pen.cr, cx + arm, cy - arm);
  cairo_line_to(pen.cr, cx - arm, cy + arm);
  pen.Line(colour, width);
}

void Star(Pen& pen, double cx, double cy, double outer, Rgb colour) {
  const double inner = outer * 0.45;
  for (int i = 0; i < 10; ++i) {
    const double angle = -kPi / 2 + i * kPi / 5;
    const double r = (i % 2 == 0) ? outer : inner;
    if (i == 0) cairo_move_to(pen.cr, cx + r * std::cos(angle), cy + r * std::sin(angle));
    else cairo_line_to(pen.cr, cx + r * std::cos(angle), cy + r * std::sin(angle));
  }
  cairo_close_path(pen.cr);
  pen.FillAndEdge(colour, cy - outer, cy + outer);
}

void Gear(Pen& pen, double cx, double cy, double outer, Rgb colour) {
  cairo_t* cr = pen.cr;
  const int teeth = 8;
  const double root = outer * 0.74;
  for (int i = 0; i < teeth * 4; ++i) {
    const double angle = i * 2 * kPi / (teeth * 4) - kPi / (teeth * 4);
    const double r = (i % 4 == 1 || i % 4 == 2) ? outer : root;
    if (i == 0) cairo_move_to(cr, cx + r * std::cos(angle), cy + r * std::sin(angle));
    else cairo_line_to(cr, cx + r * std::cos(angle), cy + r * std::sin(angle));
  }
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx, cy, outer * 0.32, 2 * kPi, 0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  pen.FillAndEdge(colour, cy - outer, cy + outer);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void Picture(Pen& pen, double x, double y, double w, double h) {
  cairo_t* cr = pen.cr;
  RoundedRect(cr, x, y, w, h, 1);
  pen.FillAndEdge(Mix(pen.style.info, kWhite, 0.55), y, y + h);
  cairo_move_to(cr, x + 0.8, y + h - 0.8);
  cairo_line_to(cr, x + w * 0.38, y + h * 0.45);
  cairo_line_to(cr, x + w * 0.62, y + h * 0.75);
  cairo_line_to(cr, x + w * 0.75, y + h * 0.6);
  cairo_line_to(cr, x + w - 0.8, y + h - 0.8);
  cairo_close_path(cr);
  pen.FillAndEdge(Mix(pen.style.accent, kBlack, 0.1), y, y + h);
  cairo_arc(cr, x + w * 0.74, y + h * 0.3, h * 0.13, 0, 2 * kPi);
  pen.FillAndEdge(pen.style.folder, y, y + h * 0.5);
}

void Globe(Pen& pen, double cx, double cy, double r) {
  cairo_t* cr = pen.cr;
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  pen.FillAndEdge(pen.style.info, cy - r, cy + r);
  const Rgb line = Mix(pen.style.info, kWhite, 0.7);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, 0.45, 1);
  cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_move_to(cr, cx - r, cy);
  cairo_line_to(cr, cx + r, cy);
  cairo_move_to(cr, cx, cy - r);
  cairo_line_to(cr, cx, cy + r);
  cairo_move_to(cr, cx - r * 0.86, cy - r * 0.5);
  cairo_line_to(cr, cx + r * 0.86, cy - r * 0.5);
  cairo_move_to(cr, cx - r * 0.86, cy + r * 0.5);
  cairo_line_to(cr, cx + r * 0.86, cy + r * 0.5);
  pen.Line(line, 0.8);
}

void Envelope(Pen& pen, double x, double y, double w, double h) {
  cairo_t* cr = pen.cr;
  cairo_rectangle(cr, x, y, w, h);
  pen.FillAndEdge(pen.style.paper, y, y + h);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + w / 2, y + h * 0.6);
  cairo_line_to(cr, x + w, y);
  pen.Edge(pen.EdgeColourFor(pen.style.paper));
}

void Glyph(cairo_t* cr, std::string_view text, double cx, double cy, double height, Rgb colour) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, height);
  const std::string s(text);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, s.c_str(), &extents);
  cairo_move_to(cr, cx - extents.width / 2 - extents.x_bearing, cy - extents.height / 2 - extents.y_bearing);
  cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
  cairo_show_text(cr, s.c_str());
  cairo_new_path(cr);  // the text leaves a current point that the next arc would join
}

void CircularArrows(Pen& pen, double cx, double cy, double r, Rgb colour) {
  cairo_t* cr = pen.cr;
  for (int half = 0; half < 2; ++half) {
    const double start = half * kPi + 0.35;
    const double end = start + kPi - 0.8;
    cairo_arc(cr, cx, cy, r, start, end);
    pen.Line(pen.EdgeColourFor(colour), 3.6);
    cairo_arc(cr, cx, cy, r, start, end);
    pen.Line(colour, 2.0);
    const double tipX = cx + r * std::cos(end), tipY = cy + r * std::sin(end);
    const double tx = -std::sin(end), ty = std::cos(end);  // direction of travel
    const double nx = std::cos(end), ny = std::sin(end);
    cairo_move_to(cr, tipX + tx * 2.6, tipY + ty * 2.6);
    cairo_line_to(cr, tipX + nx * 2.2, tipY + ny * 2.2);
    cairo_line_to(cr, tipX - nx * 2.2, tipY - ny * 2.2);
    cairo_close_path(cr);
    pen.FillAndEdge(colour, cy - r, cy + r);
  }
}

void Magnifier(Pen& pen, double cx, double cy, double r) {
  cairo_t* cr = pen.cr;
  cairo_move_to(cr, cx + r * 0.7, cy + r * 0.7);
  cairo_line_to(cr, cx + r * 1.9, cy + r * 1.9);
  pen.Line(pen.style.outline, 2.6);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  pen.FillAndEdge(Mix(pen.style.info, kWhite, 0.75), cy - r, cy + r);
}

}  // namespace icon_art
