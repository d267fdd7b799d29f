#include "ui/preferences/swatch.h"

#include <wx/dcmemory.h>

namespace vecrast::prefs {

wxBitmap ColourSwatch(ColourParts colour, int width, int height) {
  wxBitmap bitmap(width, height, 24);
  wxMemoryDC dc(bitmap);
  dc.SetPen(wxPen(wxColour(64, 64, 64)));
  dc.SetBrush(wxBrush(wxColour(colour.red, colour.green, colour.blue)));
  dc.DrawRectangle(0, 0, width, height);
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

}  // namespace vecrast::prefs
