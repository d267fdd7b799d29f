// The uninstall page offer ("-U"), shown by an uninstaller: a check box asking to visit the
// maker's uninstall page and a Next button.
#pragma once

#include <wx/dialog.h>

#include <string>

class wxButton;
class wxCheckBox;

namespace vecrast {

// The uninstall page on the maker's site.
std::string UninstallPageAddress();

class UninstallOfferDialog : public wxDialog {
 public:
  // A free-standing window (number 10), centred on the screen, the box checked.
  UninstallOfferDialog();

  wxCheckBox* VisitBox() const { return visitBox_; }
  wxButton* NextButton() const { return nextButton_; }

  // Next: opens the uninstall page when the box is checked, and finishes the offer.
  void Next();

 private:
  wxCheckBox* visitBox_ = nullptr;
  wxButton* nextButton_ = nullptr;
};

}  // namespace vecrast
