// A colour button showing a swatch, with a read-only field of the colour's six digits. Only
// filling and the colour chooser change the field; OK stores what the field reads as.
#include <wx/bmpbuttn.h>
#include <wx/textctrl.h>

#include "ui/preferences/choosers.h"
#include "ui/preferences/row_kinds.h"
#include "ui/preferences/swatch.h"
#include "ui/wx_text.h"

namespace vecrast::prefs {

namespace {

constexpr int kSwatchWidth = 34;
constexpr int kSwatchHeight = 12;

class ColourFieldRowControl : public RowControl {
 public:
  ColourFieldRowControl(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                        RowDirectory& directory)
      : RowControl(parent, row, setting, directory) {
    button_ = new wxBitmapButton(parent, wxID_ANY, ColourSwatch({}, kSwatchWidth, kSwatchHeight));
    field_ = new wxTextCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
    AddPiece(button_, kControlX, kColourButtonWidth, 22);
    AddPiece(field_, kColourFieldX, kColourFieldWidth, 20);
    button_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Choose(); });
  }

  void Fill() override {
    if (setting_ == nullptr) return;
    field_->ChangeValue(ToWx(GetSettingText(*setting_)));
    ShowSwatch();
  }

  void Commit() override {
    if (setting_ != nullptr) SetSettingText(*setting_, ColourFieldValue(FromWx(field_->GetValue())));
  }

 private:
  void ShowSwatch() {
    button_->SetBitmapLabel(ColourSwatch(ColourPartsOf(FromWx(field_->GetValue())), kSwatchWidth, kSwatchHeight));
  }

  void Choose() {
    const auto picked = ChooseColour(Parent(), ColourFieldValue(FromWx(field_->GetValue())));
    if (!picked) return;
    field_->ChangeValue(ToWx(ColourFieldValue(*picked)));
    ShowSwatch();
  }

  wxBitmapButton* button_ = nullptr;
  wxTextCtrl* field_ = nullptr;
};

}  // namespace

RowPointer MakeColourFieldRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                              RowDirectory& directory) {
  return std::make_unique<ColourFieldRowControl>(parent, row, setting, directory);
}

}  // namespace vecrast::prefs
