// Free-text fields, cleaned on OK: the watermark text, the file name mask, and the watermark
// image path with its "..." button for the file chooser.
#include <wx/button.h>
#include <wx/textctrl.h>

#include "ui/preferences/choosers.h"
#include "ui/preferences/row_kinds.h"
#include "ui/preferences/text_cleaning.h"
#include "ui/wx_text.h"

namespace vecrast::prefs {

namespace {

class TextRowControl : public RowControl {
 public:
  TextRowControl(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting, RowDirectory& directory,
                 bool withChooser)
      : RowControl(parent, row, setting, directory) {
    field_ = new wxTextCtrl(parent, wxID_ANY);
    if (!withChooser) {
      AddPiece(field_, kControlX, kControlWidth, 20);
      return;
    }
    AddWithChooserButton(field_, 20)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ChooseFile(); });
  }

  void Fill() override {
    if (setting_ == nullptr) return;
    filled_ = GetSettingText(*setting_);
    field_->ChangeValue(ToWx(filled_));
    shown_ = field_->GetValue();
  }

  // A field the user left alone stores the text it was filled with: the toolkit's entry holds
  // at most 65535 characters and would cut a longer one.
  void Commit() override {
    if (setting_ == nullptr) return;
    const wxString value = field_->GetValue();
    SetSettingText(*setting_, CleanFieldText(value == shown_ ? filled_ : FromWx(value)));
  }

 private:
  // Any path is taken: the run's checks report a file that is missing or not a picture.
  void ChooseFile() {
    if (const auto path = ChooseWatermarkImage(Parent(), FromWx(field_->GetValue()))) field_->ChangeValue(ToWx(*path));
  }

  wxTextCtrl* field_ = nullptr;
  std::string filled_;
  wxString shown_;
};

}  // namespace

RowPointer MakeTextRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting, RowDirectory& directory) {
  return std::make_unique<TextRowControl>(parent, row, setting, directory, false);
}

RowPointer MakeImagePathRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                            RowDirectory& directory) {
  return std::make_unique<TextRowControl>(parent, row, setting, directory, true);
}

}  // namespace vecrast::prefs
