// The input or output format list: the offered extensions in upper case with the document icon.
#include <wx/bmpcbox.h>

#include "settings/settings.h"
#include "base/ascii_case.h"
#include "ui/image_sets.h"
#include "ui/preferences/row_kinds.h"
#include "ui/wx_text.h"

namespace vecrast::prefs {

namespace {

class FormatListRowControl : public RowControl {
 public:
  FormatListRowControl(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                       RowDirectory& directory)
      : RowControl(parent, row, setting, directory),
        formats_(setting != nullptr && setting->group == "Input" ? inputKinds : outputExtensions) {
    list_ = new wxBitmapComboBox(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                                 wxCB_READONLY);
    for (const std::string& format : formats_) list_->Append(ToWx(base::UpperAscii(format)), MenuIcons["New"]);
    AddPiece(list_, kControlX, kControlWidth, 21);
    list_->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent& event) {
      Directory().RowChanged();
      event.Skip();
    });
  }

  // A format that is not offered selects the first offered one.
  void Fill() override {
    if (formats_.empty()) return;
    const std::string current = setting_ != nullptr ? GetSettingText(*setting_) : std::string();
    int selected = 0;
    for (size_t index = 0; index < formats_.size(); ++index) {
      if (formats_[index] == current) selected = static_cast<int>(index);
    }
    list_->SetSelection(selected);
  }

  void Commit() override {
    const int selected = list_->GetSelection();
    if (setting_ == nullptr || selected < 0 || selected >= static_cast<int>(formats_.size())) return;
    SetSettingText(*setting_, formats_[static_cast<size_t>(selected)]);
  }

  int RuleValue() const override { return list_->GetSelection(); }

  void Put(int value) override {
    if (value < 0 || value >= static_cast<int>(formats_.size())) return;
    list_->SetSelection(value);
    Directory().RowChanged();
  }

 private:
  const std::vector<std::string> formats_;  // a copy: the dialog shows the list as it was when opened
  wxBitmapComboBox* list_ = nullptr;
};

}  // namespace

RowPointer MakeFormatListRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                             RowDirectory& directory) {
  return std::make_unique<FormatListRowControl>(parent, row, setting, directory);
}

}  // namespace vecrast::prefs
