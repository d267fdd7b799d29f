#include "ui/window_capture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <wx/window.h>

namespace vecrast {

namespace {

// The position of a colour mask's lowest bit and its width, to scale a channel to 8 bits.
struct Channel {
  unsigned long mask;
  int shift = 0;
  int bits = 0;
  explicit Channel(unsigned long m) : mask(m) {
    while (mask != 0 && ((mask >> shift) & 1u) == 0) ++shift;
    while (((mask >> (shift + bits)) & 1u) != 0) ++bits;
  }
  unsigned char Of(unsigned long pixel) const {
    if (bits == 0) return 0;
    const unsigned long value = (pixel & mask) >> shift;
    return static_cast<unsigned char>(value * 255 / ((1ul << bits) - 1));
  }
};

// The screen is read from the X server on a connection of its own: what the root window shows,
// windows of every program included.
wxImage ReadScreen(const wxRect& area) {
  if (area.width <= 0 || area.height <= 0) return {};
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return {};
  wxImage image;
  XImage* pixels = XGetImage(display, DefaultRootWindow(display), area.x, area.y, static_cast<unsigned>(area.width),
                             static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
  if (pixels != nullptr) {
    const Channel red(pixels->red_mask), green(pixels->green_mask), blue(pixels->blue_mask);
    image.Create(area.width, area.height, false);
    unsigned char* target = image.GetData();
    for (int y = 0; y < area.height; ++y) {
      for (int x = 0; x < area.width; ++x) {
        const unsigned long pixel = XGetPixel(pixels, x, y);
        *target++ = red.Of(pixel);
        *target++ = green.Of(pixel);
        *target++ = blue.Of(pixel);
      }
    }
    XDestroyImage(pixels);
  }
  XCloseDisplay(display);
  return image;
}

}  // namespace

wxImage CaptureWindow(wxWindow& window) {
  window.Raise();
  window.Update();
  return ReadScreen(window.GetScreenRect());
}

}  // namespace vecrast
