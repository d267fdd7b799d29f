#include "pen.h"

#include <algorithm>
#include <cmath>

namespace icon_art {

namespace {

// Replaces the current path by a flattened copy cut into short pieces whose points wander
// smoothly by up to `amount` grid units, so that straight edges bend like a pen line.
void WanderPath(cairo_t* cr, double amount, Wander& wander) {
  if (amount <= 0) return;
  cairo_path_t* path = cairo_copy_path_flat(cr);
  cairo_new_path(cr);
  double driftX = 0, driftY = 0, lastX = 0, lastY = 0;
  const auto step = [&] {
    driftX = 0.65 * driftX + 0.35 * wander.Next() * amount;
    driftY = 0.65 * driftY + 0.35 * wander.Next() * amount;
  };
  for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
    const cairo_path_data_t& head = path->data[i];
    if (head.header.type == CAIRO_PATH_CLOSE_PATH) {
      cairo_close_path(cr);
      continue;
    }
    if (head.header.type != CAIRO_PATH_MOVE_TO && head.header.type != CAIRO_PATH_LINE_TO) continue;
    const double x = path->data[i + 1].point.x, y = path->data[i + 1].point.y;
    if (head.header.type == CAIRO_PATH_MOVE_TO) {
      step();
      cairo_move_to(cr, x + driftX, y + driftY);
    } else {
      const int pieces = std::max(1, static_cast<int>(std::ceil(std::hypot(x - lastX, y - lastY) / 1.5)));
      for (int piece = 1; piece <= pieces; ++piece) {
        const double t = static_cast<double>(piece) / pieces;
        step();
        cairo_line_to(cr, lastX + (x - lastX) * t + driftX, lastY + (y - lastY) * t + driftY);
      }
    }
    lastX = x;
    lastY = y;
  }
  cairo_path_destroy(path);
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

double Wander::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<double>(state_ % 20001u) / 10000.0 - 1.0;
}

bool Pen::Sketchy() const { return style.sketchy && pixelSize >= 32; }

double Pen::EdgeWidth() const { return style.edgeUnits * std::pow(16.0 / pixelSize, 0.4); }

double Pen::Wobble() const { return style.wobble * std::clamp((pixelSize - 16) / 16.0, 0.15, 1.0); }

double Pen::FillOffset() const { return pixelSize < 24 ? 0 : style.fillOffset * std::min(1.0, pixelSize / 32.0); }

Rgb Pen::EdgeColourFor(Rgb fill) const { return Mix(style.outline, Mix(fill, kBlack, 0.55), style.outlineTint); }

void Pen::FillAndEdge(Rgb colour, double top, double bottom) {
  cairo_path_t* shape = cairo_copy_path(cr);
  cairo_save(cr);
  cairo_translate(cr, FillOffset(), FillOffset() * 0.8);
  Fill(colour, top, bottom);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, shape);
  Edge(EdgeColourFor(colour));
  cairo_path_destroy(shape);
}

void Pen::Fill(Rgb colour, double top, double bottom) {
  cairo_path_t* shape = cairo_copy_path(cr);
  WanderPath(cr, Wobble(), wander);
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
  cairo_fill(cr);
  if (Sketchy()) {
    cairo_new_path(cr);
    cairo_append_path(cr, shape);
    Hatch(colour, top, bottom);
  }
  cairo_path_destroy(shape);
}

// Pencil strokes across the fill, darker below and lighter above, clipped to the shape.
void Pen::Hatch(Rgb colour, double top, double bottom) {
  cairo_save(cr);
  cairo_clip(cr);
  const Rgb dark = Mix(colour, kBlack, 0.22);
  cairo_set_line_width(cr, 0.45);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double offset = -16; offset < 16; offset += 1.7) {
    const double jitter = wander.Next() * 0.35;
    cairo_move_to(cr, offset + jitter, 16.5);
    cairo_line_to(cr, offset + 16.5 + jitter, 0);
  }
  cairo_pattern_t* fade = cairo_pattern_create_linear(0, top, 0, bottom);
  cairo_pattern_add_color_stop_rgba(fade, 0, dark.r, dark.g, dark.b, 0.05);
  cairo_pattern_add_color_stop_rgba(fade, 1, dark.r, dark.g, dark.b, 0.45);
  cairo_set_source(cr, fade);
  cairo_stroke(cr);
  cairo_pattern_destroy(fade);
  cairo_restore(cr);
}

void Pen::Edge(Rgb colour, double widthScale) {
  const double width = EdgeWidth() * widthScale;
  if (width <= 0) {
    cairo_new_path(cr);
    return;
  }
  if (!Sketchy()) {
    Stroke(colour, width);
    return;
  }
  // A sketch goes over its outline twice: a firm line and a lighter, wandering second pass.
  cairo_path_t* shape = cairo_copy_path(cr);
  Stroke(colour, width);
  cairo_append_path(cr, shape);
  cairo_push_group(cr);
  Stroke(colour, width * 0.55);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, 0.55);
  cairo_path_destroy(shape);
}

void Pen::Line(Rgb colour, double width) { Stroke(colour, width); }

void Pen::Stroke(Rgb colour, double width) {
  WanderPath(cr, Wobble(), wander);
  cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

}  // namespace icon_art
