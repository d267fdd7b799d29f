// Builds a shipped theme: make_theme KEY OUTPUT.zip
// Draws every command icon at every toolbar size and the form's three images in the theme's
// style, and packs them with the theme's "theme.cfg" into a zip archive. With --sheet it
// writes a PNG of all the icons side by side instead (make_theme --sheet KEY OUTPUT.png), for
// looking at the artwork.
#include <cairo.h>

#include <cstdio>
#include <string>
#include <vector>

#include "icon_art.h"
#include "ui/icon_keys.h"
#include "zip_packer.h"

namespace {

struct FormImage {
  const char* key;
  int size;
};
constexpr FormImage kFormImages[] = {{"Convert", 64}, {"InFiles", 48}, {"InFolder", 48}};

cairo_status_t AppendPng(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

std::string IconPng(const std::string& key, int size, const icon_art::IconStyle& style) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(surface);
  icon_art::DrawIcon(cr, key, size, style);
  cairo_destroy(cr);
  std::string png;
  cairo_surface_write_to_png_stream(surface, AppendPng, &png);
  cairo_surface_destroy(surface);
  return png;
}

// "theme.cfg": 8-bit text with CR LF line ends. The name comes first, inside the 255 bytes a
// theme list reads; the icons are sized families ("icons/New" gives icons/New_32.png at 32
// pixels), the form's images single files.
std::string ThemeConfig(const icon_art::ShippedTheme& theme) {
  std::string text = "[Theme]\r\nName=" + theme.displayName + "\r\n\r\n[Buttons]\r\n";
  for (const FormImage& image : kFormImages) text += std::string(image.key) + "=buttons/" + image.key + ".png\r\n";
  text += "\r\n[Icons]\r\n";
  for (std::string_view key : vecrast::kIconKeys) text += std::string(key) + "=icons/" + std::string(key) + "\r\n";
  return text;
}

std::vector<icon_art::ZipEntry> ThemeFiles(const icon_art::ShippedTheme& theme) {
  std::vector<icon_art::ZipEntry> files = {{"theme.cfg", ThemeConfig(theme)}};
  for (const FormImage& image : kFormImages) {
    files.push_back({std::string("buttons/") + image.key + ".png", IconPng(image.key, image.size, theme.style)});
  }
  for (std::string_view keyView : vecrast::kIconKeys) {
    const std::string key(keyView);
    for (int size : vecrast::kIconPixelSizes) {
      files.push_back({"icons/" + key + "_" + std::to_string(size) + ".png", IconPng(key, size, theme.style)});
    }
  }
  return files;
}

// Two columns of eleven icons; each row shows the icon at every size on white, then the
// 16-pixel one enlarged four times, then the 32-pixel one on a dark ground.
bool WriteSheet(const icon_art::ShippedTheme& theme, const std::string& path) {
  constexpr int kRow = 72, kColumn = 420, kRows = 11;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 2 * kColumn, kRows * kRow);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  for (size_t i = 0; i < vecrast::kIconKeys.size(); ++i) {
    const std::string key(vecrast::kIconKeys[i]);
    double x = static_cast<double>(i / kRows * kColumn) + 4;
    const double y = static_cast<double>(i % kRows * kRow) + 4;
    for (int size : vecrast::kIconPixelSizes) {
      cairo_save(cr);
      cairo_translate(cr, x, y + 64 - size);
      icon_art::DrawIcon(cr, key, size, theme.style);
      cairo_restore(cr);
      x += size + 6;
    }
    cairo_surface_t* small = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 16, 16);
    cairo_t* smallCr = cairo_create(small);
    icon_art::DrawIcon(smallCr, key, 16, theme.style);
    cairo_destroy(smallCr);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 4, 4);
    cairo_set_source_surface(cr, small, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(small);
    x += 70;
    cairo_rectangle(cr, x - 2, y + 30, 36, 36);
    cairo_set_source_rgb(cr, 0.22, 0.23, 0.25);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y + 32);
    icon_art::DrawIcon(cr, key, 32, theme.style);
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  const bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return written;
}

const icon_art::ShippedTheme* FindTheme(const std::string& key) {
  static const std::vector<icon_art::ShippedTheme> themes = icon_art::ShippedThemes();
  for (const icon_art::ShippedTheme& theme : themes) {
    if (theme.key == key) return &theme;
  }
  return nullptr;
}

int Usage() {
  std::fprintf(stderr, "usage: make_theme [--sheet] KEY OUTPUT\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const bool sheet = argc == 4 && std::string(argv[1]) == "--sheet";
  if (argc != (sheet ? 4 : 3)) return Usage();
  const std::string key = argv[sheet ? 2 : 1], output = argv[sheet ? 3 : 2];
  const icon_art::ShippedTheme* theme = FindTheme(key);
  if (theme == nullptr) {
    std::fprintf(stderr, "make_theme: no theme named %s\n", key.c_str());
    return Usage();
  }
  const bool written = sheet ? WriteSheet(*theme, output) : icon_art::WriteZipArchive(output, ThemeFiles(*theme));
  if (!written) std::fprintf(stderr, "make_theme: cannot write %s\n", output.c_str());
  return written ? 0 : 1;
}
