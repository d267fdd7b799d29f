// A colour of the watermark text ("Font Color", "Back Color"): an image list of the entries of
// its list setting ("Font Colors", "Back Colors") and a "..." button for the platform's colour
// chooser. A colour picked there that no item has yet joins the list setting at once (even if
// the dialog is cancelled).
#include <wx/bmpcbox.h>
#include <wx/button.h>

#include "settings/ini_file.h"
#include "base/ascii_case.h"
#include "base/trim.h"
#include "ui/preferences/choosers.h"
#include "ui/preferences/colour_text.h"
#include "ui/preferences/row_kinds.h"
#include "ui/preferences/swatch.h"
#include "ui/wx_text.h"

namespace vecrast::prefs {

namespace {

constexpr int kItemSwatchSide = 16;

class ColourListRowControl : public RowControl {
 public:
  ColourListRowControl(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                       RowDirectory& directory)
      : RowControl(parent, row, setting, directory),
        colourList_(ItemListSetting(setting)) {
    list_ = new wxBitmapComboBox(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                                 wxCB_READONLY);
    AddWithChooserButton(list_, 21)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Choose(); });
  }

  // The first item is selected unless one has the setting's colour.
  void Fill() override {
    if (setting_ == nullptr || colourList_ == nullptr) return;
    list_->Clear();
    colours_.clear();
    for (const std::string& entry : SplitListSetting(GetSettingText(*colourList_))) AddItem(entry);
    if (colours_.empty()) return;
    const std::string current = base::UpperAscii(base::TrimBlanks(GetSettingText(*setting_)));
    list_->SetSelection(std::max(0, IndexOf(current)));
  }

  void Commit() override {
    const int selected = list_->GetSelection();
    if (setting_ == nullptr || selected < 0 || selected >= static_cast<int>(colours_.size())) return;
    SetSettingText(*setting_, colours_[static_cast<size_t>(selected)]);
  }

 private:
  void AddItem(const std::string& entry) {
    const std::string colour = ColourFieldValue(entry);
    colours_.push_back(colour);
    list_->Append(ToWx(ColourItemLabel(entry)), ColourSwatch(ColourPartsOf(colour), kItemSwatchSide, kItemSwatchSide));
  }

  int IndexOf(const std::string& colour) const {
    for (size_t index = 0; index < colours_.size(); ++index) {
      if (colours_[index] == colour) return static_cast<int>(index);
    }
    return -1;
  }

  void Choose() {
    const int selected = list_->GetSelection();
    const std::string preset = selected >= 0 ? colours_[static_cast<size_t>(selected)] : "000000";
    const auto picked = ChooseColour(Parent(), preset);
    if (!picked || colourList_ == nullptr) return;
    const std::string colour = ColourFieldValue(*picked);
    if (IndexOf(colour) < 0) {
      AddItem(colour);
      SetSettingText(*colourList_, AppendListEntry(GetSettingText(*colourList_), colour));
    }
    list_->SetSelection(IndexOf(colour));
  }

  const SettingDescriptor* colourList_;  // the list setting the items come from
  wxBitmapComboBox* list_ = nullptr;
  std::vector<std::string> colours_;  // "RRGGBB" of each item
};

}  // namespace

RowPointer MakeColourListRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                             RowDirectory& directory) {
  return std::make_unique<ColourListRowControl>(parent, row, setting, directory);
}

}  // namespace vecrast::prefs
