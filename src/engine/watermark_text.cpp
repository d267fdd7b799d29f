#include "engine/watermark_text.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "base/utf8.h"
#include "engine/cairo_bitmap.h"
#include "engine/watermark_layout.h"

namespace vecrast {
namespace {

struct FontOptionsDestroyer {
  void operator()(cairo_font_options_t* options) const { cairo_font_options_destroy(options); }
};

// Plain drawing: no anti-aliasing, whole-pixel metrics. Anti-aliased drawing: grey
// coverage, unhinted metrics, as vector text.
void SelectFont(cairo_t* context, const LoadedFont& font, bool antialiased) {
  cairo_set_font_face(context, font.face);
  cairo_set_font_size(context, font.pixelSize);
  std::unique_ptr<cairo_font_options_t, FontOptionsDestroyer> options(cairo_font_options_create());
  cairo_font_options_set_antialias(options.get(),
                                   antialiased ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_metrics(options.get(),
                                      antialiased ? CAIRO_HINT_METRICS_OFF : CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(context, options.get());
  cairo_set_antialias(context, antialiased ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
}

void SetColor(cairo_t* context, RgbaColor color, int alpha) {
  cairo_set_source_rgba(context, color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                        alpha / 255.0);
}

int LineWidth(cairo_t* context, const std::string& line, bool rounded) {
  cairo_text_extents_t extents;
  cairo_text_extents(context, line.c_str(), &extents);
  const double width = std::clamp(extents.x_advance, 0.0, 1e9);
  return static_cast<int>(rounded ? std::round(width) : std::ceil(width));
}

std::vector<int> LineWidths(cairo_t* context, const std::vector<std::string>& lines, bool rounded) {
  std::vector<int> widths;
  for (const std::string& line : lines) widths.push_back(LineWidth(context, line, rounded));
  return widths;
}

// Underline and strike-out as bars across the line, the way a decorated font draws them.
void DrawDecorations(cairo_t* context, const LoadedFont& font, double x, double baseline,
                     int width, double ascent) {
  const double thickness = std::max(1.0, std::round(font.pixelSize / 14.0));
  if (font.underline)
    cairo_rectangle(context, x, baseline + std::max(1.0, std::round(font.pixelSize / 10.0)), width,
                    thickness);
  if (font.strikeOut)
    cairo_rectangle(context, x, baseline - std::round(ascent * 0.3), width, thickness);
  cairo_fill(context);
}

struct MeasuredText {
  std::vector<std::string> lines;
  std::vector<int> widths;  // plain widths
  double ascent = 0;
  TextBoxLayout layout;
};

bool Measure(std::string_view text, const TextWatermarkStyle& style, MeasuredText& measured) {
  CairoSurface scratch = MakeTransparentSurface(1, 1);
  CairoContext context = scratch ? MakeContext(scratch.get()) : nullptr;
  if (!context) return false;
  SelectFont(context.get(), *style.font, false);
  cairo_font_extents_t extents;
  cairo_font_extents(context.get(), &extents);
  // Invalid UTF-8 would put the Cairo context in an error state and blank the whole box.
  measured.lines = SplitWatermarkLines(base::ValidUtf8(text));
  measured.widths = LineWidths(context.get(), measured.lines, false);
  measured.ascent = extents.ascent;
  const int lineHeight = static_cast<int>(std::ceil(extents.ascent + extents.descent));
  measured.layout =
      LayoutTextBox(measured.widths, lineHeight, style.leading, style.padding, style.alignment);
  return cairo_status(context.get()) == CAIRO_STATUS_SUCCESS;
}

void DrawLines(cairo_t* context, const MeasuredText& measured, const LoadedFont& font,
               const std::vector<int>& widths, bool antialiased) {
  cairo_font_extents_t extents;
  cairo_font_extents(context, &extents);
  for (std::size_t i = 0; i < measured.lines.size(); ++i) {
    const PixelPoint origin = measured.layout.lineOrigins[i];
    const double baseline = origin.y + extents.ascent;
    cairo_move_to(context, origin.x, baseline);
    if (antialiased) {
      cairo_text_path(context, measured.lines[i].c_str());
      cairo_fill(context);
    } else {
      cairo_show_text(context, measured.lines[i].c_str());
    }
    DrawDecorations(context, font, origin.x, baseline, widths[i], extents.ascent);
  }
}

// Box and text pixels are written as they are: the text's colour and opacity replace the
// box's wherever a glyph covers a pixel.
void DrawPlain(cairo_t* context, const MeasuredText& measured, const TextWatermarkStyle& style) {
  cairo_set_operator(context, CAIRO_OPERATOR_SOURCE);
  SetColor(context, style.backColor, style.backColor.alpha);
  cairo_paint(context);
  SelectFont(context, *style.font, false);
  SetColor(context, style.textColor, style.textColor.alpha);
  DrawLines(context, measured, *style.font, measured.widths, false);
}

// The box at its opacity, then the opaque text as one layer at the text's opacity.
void DrawAntialiased(cairo_t* context, MeasuredText& measured, const TextWatermarkStyle& style) {
  SetColor(context, style.backColor, style.backColor.alpha);
  cairo_paint(context);
  SelectFont(context, *style.font, true);
  const std::vector<int> widths = LineWidths(context, measured.lines, true);
  if (measured.lines.size() > 1) {
    for (std::size_t i = 0; i < widths.size(); ++i)
      measured.layout.lineOrigins[i].x =
          AlignLine(measured.layout.box.width, widths[i], style.padding, style.alignment);
  }
  cairo_push_group(context);
  SetColor(context, style.textColor, 255);
  DrawLines(context, measured, *style.font, widths, true);
  cairo_pop_group_to_source(context);
  cairo_paint_with_alpha(context, style.textColor.alpha / 255.0);
}

}  // namespace

Bitmap RenderTextWatermark(std::string_view text, const TextWatermarkStyle& style) {
  if (!style.font) return nullptr;
  MeasuredText measured;
  if (!Measure(text, style, measured)) return nullptr;
  CairoSurface box = MakeTransparentSurface(measured.layout.box.width, measured.layout.box.height);
  CairoContext context = box ? MakeContext(box.get()) : nullptr;
  if (!context) return nullptr;
  if (style.antialiased)
    DrawAntialiased(context.get(), measured, style);
  else
    DrawPlain(context.get(), measured, style);
  if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  context.reset();
  return BitmapFromSurface(box.get());
}

}  // namespace vecrast
