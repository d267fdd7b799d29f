#include "ui/about_dialog.h"

#include <wx/button.h>
#include <wx/hyperlink.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "app/product.h"
#include "texts/texts.h"
#include "ui/ids.h"
#include "ui/image_sets.h"
#include "ui/shell_open.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

constexpr int kBanner = 358;
constexpr int kFrame = 362;
constexpr int kTitleText = 360;
constexpr int kNoticeText = 361;
constexpr int kWebLabel = 363;
constexpr int kMailLabel = 364;
constexpr int kWebLink = 365;
constexpr int kMailLink = 366;

wxHyperlinkCtrl* Link(wxWindow* parent, int id, const std::string& text, const std::string& target, wxPoint at) {
  auto* link = new wxHyperlinkCtrl(parent, id, ToWx(text), ToWx(target), at, wxSize(215, 20),
                                   wxHL_ALIGN_LEFT | wxNO_BORDER);
  link->SetNormalColour(wxColour(0, 0, 255));
  link->SetVisitedColour(wxColour(0, 0, 255));
  link->SetSize(wxSize(215, std::max(20, link->GetBestSize().y)));
  return link;
}

}  // namespace

AboutDialog::AboutDialog(wxWindow* owner) : wxDialog(owner, kAboutWindow, ToWx(GetText("About", "Title"))) {
  new wxStaticBitmap(this, kBanner, BannerImage, wxPoint(0, 0), wxSize(360, 40));
  new wxStaticBox(this, kFrame, wxEmptyString, wxPoint(0, 40), wxSize(360, 150));
  new wxStaticText(this, kTitleText, ToWx(WindowTitle()), wxPoint(20, 50), wxSize(320, 20),
                   wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
  new wxStaticText(this, kNoticeText, wxString::FromUTF8(kLegalNotice), wxPoint(20, 70), wxSize(320, 20),
                   wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
  new wxStaticText(this, kWebLabel, ToWx(GetText("About", "Website")), wxPoint(80, 100), wxSize(60, 20));
  new wxStaticText(this, kMailLabel, ToWx(GetText("About", "Email")), wxPoint(80, 120), wxSize(60, 20));
  Link(this, kWebLink, MakerSite(), MakerSite(), wxPoint(140, 100));
  Link(this, kMailLink, kSupportMailAddress, std::string("mailto:") + kSupportMailAddress, wxPoint(140, 120));
  auto* ok = new wxButton(this, wxID_OK, ToWx(GetText("Dialog", "OK")));
  const int buttonHeight = std::max(25, ok->GetBestSize().y);
  ok->SetSize(140, 200, 80, buttonHeight);
  ok->SetDefault();
  SetEscapeId(wxID_OK);
  SetClientSize(360, std::max(240, 200 + buttonHeight + 8));
  CentreOnParent();
  Bind(wxEVT_HYPERLINK, [](wxHyperlinkEvent& event) { OpenWithShell(FromWx(event.GetURL())); });
}

void ShowAboutDialog(wxWindow& owner) {
  AboutDialog dialog(&owner);
  dialog.ShowModal();
}

}  // namespace vecrast
