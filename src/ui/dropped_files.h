// Files dropped on the main window.
#pragma once

#include <wx/dnd.h>

#include <string>

namespace vecrast {

// Hands the first path of a drop (paths separated by line feeds) to the input queue, like a
// chosen file; the other paths are ignored, an empty drop changes nothing. True when the file
// was accepted.
bool AcceptDroppedFiles(const std::string& paths);

// The main window's drop target: every drop goes to AcceptDroppedFiles.
class InputFileDropTarget : public wxFileDropTarget {
 public:
  bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& names) override;
};

}  // namespace vecrast
