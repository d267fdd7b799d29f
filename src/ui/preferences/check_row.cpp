// Check boxes: on stores 1, off 0.
#include <wx/checkbox.h>

#include "ui/preferences/row_kinds.h"

namespace vecrast::prefs {

namespace {

class CheckRowControl : public RowControl {
 public:
  CheckRowControl(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting, RowDirectory& directory)
      : RowControl(parent, row, setting, directory) {
    box_ = new wxCheckBox(parent, wxID_ANY, wxEmptyString);
    AddPiece(box_, kControlX, 20, 20);
    box_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& event) {
      Directory().RowChanged();
      event.Skip();
    });
  }

  void Fill() override { box_->SetValue(setting_ != nullptr && GetSettingInteger(*setting_) != 0); }
  void Commit() override {
    if (setting_ != nullptr) SetSettingInteger(*setting_, box_->GetValue() ? 1 : 0);
  }
  int RuleValue() const override { return box_->GetValue() ? 1 : 0; }

 private:
  wxCheckBox* box_ = nullptr;
};

}  // namespace

RowPointer MakeCheckRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting, RowDirectory& directory) {
  return std::make_unique<CheckRowControl>(parent, row, setting, directory);
}

}  // namespace vecrast::prefs
