#include "ui/converter_search.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "settings/settings.h"
#include "texts/texts.h"
#include "ui/ids.h"
#include "ui/message_boxes.h"
#include "ui/shell_open.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

constexpr int kFromLabel = 347;
constexpr int kFromField = 348;
constexpr int kToLabel = 349;
constexpr int kToField = 350;
constexpr int kSearchButton = 351;
constexpr int kMaximumExtension = 12;

// Lower case, the first 12 characters, then letters and digits only.
std::string SearchExtension(const std::string& field) {
  return search::NormaliseExtension(FromWx(ToWx(field).Lower().Left(kMaximumExtension)));
}

wxTextCtrl* Field(wxWindow* parent, int id, wxPoint at) {
  auto* field = new wxTextCtrl(parent, id, wxEmptyString, at, wxSize(80, 20));
  field->SetSize(wxSize(80, std::max(20, field->GetBestSize().y)));
  return field;
}

}  // namespace

std::string search::NormaliseExtension(const std::string& text) {
  std::string kept;
  for (char c : text) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) kept += c;
  }
  return kept;
}

std::string ConverterSearchAddress(const std::string& from, const std::string& to) {
  ConversionJob.searchFrom = SearchExtension(from);
  ConversionJob.searchTo = SearchExtension(to);
  if (ConversionJob.searchFrom.empty() || ConversionJob.searchTo.empty()) return {};
  return MakerSite() + "find/" + ConversionJob.searchFrom + "-" + ConversionJob.searchTo + "/";
}

ConverterSearchDialog::ConverterSearchDialog(wxWindow* owner)
    : wxDialog(owner, kConverterSearchWindow, ToWx(GetText("Custom-Converter", "Title"))) {
  new wxStaticText(this, kFromLabel, ToWx(GetText("Custom-Converter", "From")), wxPoint(10, 23), wxSize(40, 20));
  from_ = Field(this, kFromField, wxPoint(50, 20));
  new wxStaticText(this, kToLabel, ToWx(GetText("Custom-Converter", "To")), wxPoint(150, 23), wxSize(30, 20));
  to_ = Field(this, kToField, wxPoint(180, 20));
  auto* searchButton = new wxButton(this, kSearchButton, ToWx(GetText("Custom-Converter", "Search")));
  const int buttonHeight = std::max(25, searchButton->GetBestSize().y);
  // The button is centred on the fields' row, as the original's 25-pixel button was.
  const int rowMiddle = 20 + from_->GetSize().y / 2;
  searchButton->SetSize(280, rowMiddle - buttonHeight / 2, 80, buttonHeight);
  searchButton->SetDefault();
  SetClientSize(370, std::max(60, rowMiddle + buttonHeight / 2 + 12));
  CentreOnParent();
  from_->SetFocus();
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Search(); }, kSearchButton);
}

void ConverterSearchDialog::Search() {
  const std::string address = ConverterSearchAddress(FromWx(from_->GetValue()), FromWx(to_->GetValue()));
  if (address.empty()) {
    ShowWarning(GetText("Msg", "Empty extensions"));
    return;
  }
  EndModal(wxID_OK);  // hides the dialog before the page opens
  OpenWithShell(address);
}

void ShowConverterSearch(wxWindow& owner) {
  ConverterSearchDialog dialog(&owner);
  dialog.ShowModal();
}

}  // namespace vecrast
