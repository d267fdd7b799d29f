#include "icon_art.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "pen.h"
#include "shapes.h"

namespace icon_art {

namespace {

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

bool DrawIcon(cairo_t* cr, std::string_view key, int size, const IconStyle& style) {
  const auto found = Drawings().find(key);
  if (found == Drawings().end()) return false;
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_scale(cr, size / 16.0, size / 16.0);
  Pen pen{cr, style, size, Wander(SeedOf(key))};
  found->second(pen);
  cairo_new_path(cr);
  cairo_restore(cr);
  return true;
}

void DrawBanner(cairo_t* cr, int width, int height, const IconStyle& style, std::string_view title) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, width, height);
  const Rgb left = Mix(style.info, kBlack, 0.35), right = Mix(style.info, kWhite, 0.2);
  cairo_pattern_add_color_stop_rgb(sky, 0, left.r, left.g, left.b);
  cairo_pattern_add_color_stop_rgb(sky, 1, right.r, right.g, right.b);
  cairo_rectangle(cr, 0, 0, width, height);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  // A soft light behind the icon and a thin accent line along the bottom edge.
  const int iconSize = height - 8;
  cairo_pattern_t* glow = cairo_pattern_create_radial(6 + iconSize / 2.0, height / 2.0, 0, 6 + iconSize / 2.0,
                                                      height / 2.0, iconSize * 0.9);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 1, 0.45);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 1, 0);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);
  cairo_rectangle(cr, 0, height - 2, width, 2);
  cairo_set_source_rgb(cr, style.accent.r, style.accent.g, style.accent.b);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, 6, 3);
  DrawIcon(cr, "Convert", iconSize, style);
  cairo_restore(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, height * 0.45);
  const std::string text(title);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  const double x = iconSize + 16, y = (height - 2) / 2.0 - extents.height / 2 - extents.y_bearing;
  cairo_move_to(cr, x + 1, y + 1);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_show_text(cr, text.c_str());
  cairo_move_to(cr, x, y);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_show_text(cr, text.c_str());
  cairo_new_path(cr);
}

}  // namespace icon_art
