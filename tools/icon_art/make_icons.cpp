// Writes the program's icon artwork as PNG files: make_icons OUTPUT_FOLDER [APP_ICON_FOLDER]
// Every command icon at every toolbar size ("New_16.png" ... "About_64.png") and the About
// banner ("banner.png", 360 x 40); the build embeds them into the window module. With a second
// folder, also the application's icon in the desktop's sizes ("vecrast_16.png" ...
// "vecrast_256.png"), which the install puts into the icon theme.
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <functional>
#include <string>

#include "icon_art.h"
#include "ui/icon_keys.h"

namespace {

bool WritePng(const std::string& path, int width, int height, const std::function<void(cairo_t*)>& draw) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(surface);
  draw(cr);
  cairo_destroy(cr);
  const bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!written) std::fprintf(stderr, "make_icons: cannot write %s\n", path.c_str());
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: make_icons OUTPUT_FOLDER [APP_ICON_FOLDER]\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  const icon_art::IconStyle style = icon_art::BuiltinStyle();
  bool ok = true;
  for (std::string_view keyView : vecrast::kIconKeys) {
    const std::string key(keyView);
    for (int size : vecrast::kIconPixelSizes) {
      ok &= WritePng(folder + key + "_" + std::to_string(size) + ".png", size, size,
                     [&](cairo_t* cr) { icon_art::DrawIcon(cr, key, size, style); });
    }
  }
  ok &= WritePng(folder + "banner.png", 360, 40,
                 [&](cairo_t* cr) { icon_art::DrawBanner(cr, 360, 40, style, "Zentrafax WMF to JPG"); });
  if (argc == 3) {
    const std::string appFolder = std::string(argv[2]) + "/";
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
      ok &= WritePng(appFolder + "vecrast_" + std::to_string(size) + ".png", size, size,
                     [&](cairo_t* cr) { icon_art::DrawIcon(cr, "Convert", size, style); });
    }
  }
  // Leaves nothing allocated behind (the sanitizer builds check for leaks).
  cairo_debug_reset_static_data();
  FcFini();
  return ok ? 0 : 1;
}
