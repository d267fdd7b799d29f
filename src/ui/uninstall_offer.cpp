#include "ui/uninstall_offer.h"

#include <wx/button.h>
#include <wx/checkbox.h>

#include "texts/texts.h"
#include "ui/ids.h"
#include "ui/shell_open.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

constexpr int kVisitBox = 381;
constexpr int kNextButton = 382;

}  // namespace

std::string UninstallPageAddress() { return MakerSite() + "vecrast/uninstall.html"; }

UninstallOfferDialog::UninstallOfferDialog()
    : wxDialog(nullptr, kUninstallWindow, ToWx(GetText("Uninstall", "Title"))) {
  visitBox_ = new wxCheckBox(this, kVisitBox, ToWx(GetText("Uninstall", "Uninstall Text")), wxPoint(30, 20));
  visitBox_->SetValue(true);
  const int boxHeight = std::max(20, visitBox_->GetBestSize().y);
  visitBox_->SetSize(30, 20, std::max(250, visitBox_->GetBestSize().x), boxHeight);
  // The button keeps its distance below the box when GTK makes the box taller.
  nextButton_ = new wxButton(this, kNextButton, ToWx(GetText("Uninstall", "Next")));
  const int buttonHeight = std::max(25, nextButton_->GetBestSize().y);
  const int buttonTop = 60 + boxHeight - 20;
  nextButton_->SetSize(200, buttonTop, 80, buttonHeight);
  nextButton_->SetDefault();
  SetClientSize(std::max(300, visitBox_->GetRect().GetRight() + 20), std::max(100, buttonTop + buttonHeight + 15));
  CentreOnScreen();
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Next(); }, kNextButton);
}

void UninstallOfferDialog::Next() {
  if (visitBox_->GetValue()) OpenWithShell(UninstallPageAddress());
  if (IsModal()) EndModal(wxID_OK);
}

}  // namespace vecrast
