// The About dialog (command 24): the banner, the title and version, the legal notice and the
// maker's web and mail addresses.
#pragma once

#include <wx/dialog.h>

namespace vecrast {

class AboutDialog : public wxDialog {
 public:
  explicit AboutDialog(wxWindow* owner);
};

// Shows the dialog modal to `owner` until OK, Return, Escape or the close box.
void ShowAboutDialog(wxWindow& owner);

}  // namespace vecrast
