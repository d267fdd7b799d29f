#include "icon_art.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>

namespace icon_art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// --- Pen: fills and edges, with the style's shading and hand-drawn wander ------------------

// A small deterministic noise source, so that a hand-drawn icon looks the same on every build.
class Wander {
 public:
  explicit Wander(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
  double Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_ % 20001u) / 10000.0 - 1.0;
  }

 private:
  uint32_t state_;
};

// Replaces the current path by a flattened copy whose points wander by up to `amount` grid
// units, smoothly along each outline.
void WanderPath(cairo_t* cr, double amount, Wander& wander) {
  if (amount <= 0) return;
  cairo_path_t* path = cairo_copy_path_flat(cr);
  cairo_new_path(cr);
  double driftX = 0, driftY = 0;
  for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
    const cairo_path_data_t& head = path->data[i];
    driftX = 0.6 * driftX + 0.4 * wander.Next() * amount;
    driftY = 0.6 * driftY + 0.4 * wander.Next() * amount;
    switch (head.header.type) {
      case CAIRO_PATH_MOVE_TO: cairo_move_to(cr, path->data[i + 1].point.x + driftX, path->data[i + 1].point.y + driftY); break;
      case CAIRO_PATH_LINE_TO: cairo_line_to(cr, path->data[i + 1].point.x + driftX, path->data[i + 1].point.y + driftY); break;
      case CAIRO_PATH_CLOSE_PATH: cairo_close_path(cr); break;
      case CAIRO_PATH_CURVE_TO: break;  // a flattened path has none
    }
  }
  cairo_path_destroy(path);
}

Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
const Rgb kWhite{1, 1, 1};
const Rgb kBlack{0, 0, 0};

struct Pen {
  cairo_t* cr;
  const IconStyle& style;
  Wander wander;

  // Fills the current path with `colour` (shaded unless the style is flat), then edges it.
  void FillAndEdge(Rgb colour, double top = 0, double bottom = 16) {
    WanderPath(cr, style.wobble, wander);
    if (style.flat) {
      cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
    } else {
      cairo_pattern_t* shade = cairo_pattern_create_linear(0, top, 0, bottom);
      const Rgb light = Mix(colour, kWhite, 0.35);
      const Rgb dark = Mix(colour, kBlack, 0.12);
      cairo_pattern_add_color_stop_rgb(shade, 0, light.r, light.g, light.b);
      cairo_pattern_add_color_stop_rgb(shade, 1, dark.r, dark.g, dark.b);
      cairo_set_source(cr, shade);
      cairo_pattern_destroy(shade);
    }
    cairo_fill_preserve(cr);
    Edge(EdgeColourFor(colour));
  }

  // Strokes the current path with the outline width.
  void Edge(Rgb colour, double widthScale = 1.0) {
    WanderPath(cr, style.wobble, wander);
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
    cairo_set_line_width(cr, style.edgeUnits * widthScale);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  }

  // A stroke in a colour of its own, `width` grid units wide.
  void Line(Rgb colour, double width) {
    WanderPath(cr, style.wobble, wander);
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  }

  Rgb EdgeColourFor(Rgb fill) const { return Mix(style.outline, Mix(fill, kBlack, 0.55), 0.5); }
};

// --- Shapes on the 16-unit grid --------------------------------------------------------------

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

// Text lines on a document, for the larger sizes where they read as writing.
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

// A fat arrow from (x0, y0) to (x1, y1), shaft `thick` units wide.
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

// A round badge with a white sign drawn by `sign` inside it.
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

// A letter or sign drawn as text, centred on (cx, cy); used for "?", "i" and "!".
void Glyph(cairo_t* cr, std::string_view text, double cx, double cy, double height, Rgb colour) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, height);
  const std::string s(text);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, s.c_str(), &extents);
  cairo_move_to(cr, cx - extents.width / 2 - extents.x_bearing, cy - extents.height / 2 - extents.y_bearing);
  cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
  cairo_show_text(cr, s.c_str());
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

// --- The icons -------------------------------------------------------------------------------

using Drawing = std::function<void(Pen&)>;

const std::map<std::string, Drawing, std::less<>>& Drawings() {
  static const std::map<std::string, Drawing, std::less<>> drawings = {
      {"New", [](Pen& p) { Document(p, 3.5, 1.5, 10, 13); DocumentLines(p, 5.5, 7.5, 6, 3); Star(p, 11.5, 4, 3.6, p.style.folder); }},
      {"Add", [](Pen& p) {
         Document(p, 2.5, 1.5, 10, 13); DocumentLines(p, 4.5, 6.5, 5, 3);
         Badge(p, 11.5, 11.5, 4, p.style.accent, [&] { PlusSign(p, 11.5, 11.5, 2.2, 1.5); });
       }},
      {"InFiles", [](Pen& p) { Document(p, 1.5, 0.5, 9, 11); Document(p, 5.5, 4.5, 9, 11); DocumentLines(p, 7.5, 9.5, 4, 3); }},
      {"InFolder", [](Pen& p) { Document(p, 4.5, 0.5, 8, 9); Folder(p, 0.5, 4.5, 15, 10); }},
      {"OutFolder", [](Pen& p) { Folder(p, 0.5, 3.5, 13, 11); Arrow(p, 5, 10, 15, 4, 2.6, p.style.accent); }},
      {"OutFormat", [](Pen& p) { Picture(p, 0.5, 2.5, 13, 11); Gear(p, 12.5, 12, 3.5, Mix(p.style.outline, kWhite, 0.6)); }},
      {"FavFolder", [](Pen& p) { Folder(p, 0.5, 2.5, 15, 12); Star(p, 8, 9.5, 4, Mix(p.style.alert, p.style.folder, 0.3)); }},
      {"ImportFiles", [](Pen& p) { Document(p, 5.5, 1.5, 10, 13); Arrow(p, 0.5, 8, 9, 8, 2.6, p.style.accent); }},
      {"ExportFiles", [](Pen& p) { Document(p, 0.5, 1.5, 10, 13); Arrow(p, 6, 8, 15.5, 8, 2.6, p.style.accent); }},
      {"Exit", [](Pen& p) {
         RoundedRect(p.cr, 1.5, 1.5, 8, 13, 0.8); p.FillAndEdge(Mix(p.style.folder, kBlack, 0.45), 1.5, 14.5);
         Arrow(p, 6, 8, 15.5, 8, 2.8, p.style.alert);
       }},
      {"Copy", [](Pen& p) { Document(p, 1.5, 0.5, 9, 11); Document(p, 5.5, 4.5, 9, 11); }},
      {"Delete", [](Pen& p) {
         CrossSign(p, 8, 8, 5, 4.4, p.EdgeColourFor(p.style.alert)); CrossSign(p, 8, 8, 5, 2.6, p.style.alert);
       }},
      {"SelectAll", [](Pen& p) {
         cairo_rectangle(p.cr, 1.5, 1.5, 13, 13); cairo_set_dash(p.cr, std::array<double, 1>{2.0}.data(), 1, 0);
         p.Edge(p.style.outline); cairo_set_dash(p.cr, nullptr, 0, 0);
         cairo_move_to(p.cr, 4.5, 8); cairo_line_to(p.cr, 7, 10.5); cairo_line_to(p.cr, 11.5, 5);
         p.Line(p.style.accent, 2.2);
       }},
      {"Convert", [](Pen& p) {
         Document(p, 0.5, 0.5, 8, 10); Picture(p, 6.5, 6.5, 9, 8);
         Arrow(p, 3, 13, 6.5, 13, 1.8, p.style.accent);
       }},
      {"Error", [](Pen& p) {
         Badge(p, 8, 8, 7, p.style.alert, [&] { CrossSign(p, 8, 8, 3, 2.2, kWhite); });
       }},
      {"Preferences", [](Pen& p) { Gear(p, 8, 8, 7.2, Mix(p.style.outline, kWhite, 0.55)); }},
      {"CustomConverter", [](Pen& p) { Document(p, 1.5, 0.5, 10, 13); Magnifier(p, 9, 9, 3.6); }},
      {"Help", [](Pen& p) { Badge(p, 8, 8, 7, p.style.info, [&] { Glyph(p.cr, "?", 8, 8, 11, kWhite); }); }},
      {"Email", [](Pen& p) { Envelope(p, 0.5, 3.5, 15, 10); }},
      {"Web", [](Pen& p) { Globe(p, 8, 8, 7); }},
      {"Updates", [](Pen& p) { CircularArrows(p, 8, 8, 5.2, p.style.accent); }},
      {"About", [](Pen& p) { Badge(p, 8, 8, 7, p.style.info, [&] { Glyph(p.cr, "i", 8, 8.3, 11, kWhite); }); }},
  };
  return drawings;
}

uint32_t SeedOf(std::string_view key) {
  uint32_t seed = 2166136261u;
  for (char c : key) seed = (seed ^ static_cast<uint8_t>(c)) * 16777619u;
  return seed;
}

}  // namespace

IconStyle BuiltinStyle() {
  return IconStyle{"builtin",
                   {0.18, 0.20, 0.24},
                   {0.98, 0.98, 0.96},
                   {0.96, 0.76, 0.26},
                   {0.20, 0.63, 0.27},
                   {0.85, 0.20, 0.17},
                   {0.20, 0.45, 0.80},
                   1.0,
                   0.0,
                   false};
}

bool DrawIcon(cairo_t* cr, std::string_view key, int size, const IconStyle& style) {
  const auto found = Drawings().find(key);
  if (found == Drawings().end()) return false;
  cairo_save(cr);
  cairo_scale(cr, size / 16.0, size / 16.0);
  Pen pen{cr, style, Wander(SeedOf(key))};
  found->second(pen);
  cairo_restore(cr);
  return true;
}

void DrawBanner(cairo_t* cr, int width, int height, const IconStyle& style, std::string_view title) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, width, 0);
  const Rgb left = Mix(style.info, kBlack, 0.25), right = Mix(style.info, kWhite, 0.25);
  cairo_pattern_add_color_stop_rgb(sky, 0, left.r, left.g, left.b);
  cairo_pattern_add_color_stop_rgb(sky, 1, right.r, right.g, right.b);
  cairo_rectangle(cr, 0, 0, width, height);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  const int iconSize = height - 8;
  cairo_save(cr);
  cairo_translate(cr, 6, 4);
  DrawIcon(cr, "Convert", iconSize, style);
  cairo_restore(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, height * 0.45);
  const std::string text(title);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  cairo_move_to(cr, iconSize + 16, height / 2.0 - extents.height / 2 - extents.y_bearing);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_show_text(cr, text.c_str());
}

}  // namespace icon_art
