// A drop-down list with images whose text cannot be edited (wxBitmapComboBox, read-only).
#pragma once

#include <wx/bmpcbox.h>

namespace vecrast {

class ImageListBox : public wxBitmapComboBox {
 public:
  ImageListBox(wxWindow* parent, wxWindowID id)
      : wxBitmapComboBox(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxCB_READONLY) {}

 protected:
#ifdef __WXGTK__
  // A read-only list has no text entry, while the toolkit's key handling for combo boxes
  // assumes one (every key pressed on the list then logs GTK criticals). Keys go through the
  // handling of a plain window instead.
  int GTKIMFilterKeypress(GdkEventKey* event) const override { return wxWindow::GTKIMFilterKeypress(event); }
#endif
};

}  // namespace vecrast
