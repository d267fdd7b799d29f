// The watermark font: a list of the entries of "Fonts" and a "..." button for the platform's
// font chooser. A font picked there joins "Fonts" at once (even if the dialog is cancelled) and
// sets the "Font Size" field and, where it matches one, the "Font Style" list.
#include <wx/button.h>
#include <wx/choice.h>

#include <algorithm>

#include "settings/settings.h"
#include "ui/preferences/choosers.h"
#include "ui/preferences/colour_text.h"
#include "ui/preferences/row_kinds.h"
#include "ui/wx_text.h"

namespace vecrast::prefs {

namespace {

int StyleOf(const FontChoice& font) {
  if (font.bold && font.italic) return 3;
  if (font.bold) return 1;
  if (font.italic) return 2;
  return 0;
}

bool Contains(const std::vector<std::string>& entries, const std::string& entry) {
  return std::find(entries.begin(), entries.end(), entry) != entries.end();
}

class FontListRowControl : public RowControl {
 public:
  FontListRowControl(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                     RowDirectory& directory)
      : RowControl(parent, row, setting, directory),
        fonts_(ItemListSetting(setting)) {
    list_ = new wxChoice(parent, wxID_ANY);
    AddWithChooserButton(list_, 21)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Choose(); });
  }

  // A "Font" missing from "Fonts" is offered as an extra item, so that OK keeps it.
  void Fill() override {
    if (setting_ == nullptr || fonts_ == nullptr) return;
    const std::string font = GetSettingText(*setting_);
    if (GetSettingText(*fonts_).empty()) SetSettingText(*fonts_, font);
    list_->Clear();
    std::vector<std::string> entries = SplitListSetting(GetSettingText(*fonts_));
    if (!font.empty() && !Contains(entries, font)) entries.push_back(font);
    for (const std::string& entry : entries) list_->Append(ToWx(entry));
    const int selected = list_->FindString(ToWx(font), true);
    if (list_->GetCount() > 0) list_->SetSelection(selected == wxNOT_FOUND ? 0 : selected);
  }

  void Commit() override {
    if (setting_ != nullptr && list_->GetSelection() != wxNOT_FOUND) {
      SetSettingText(*setting_, FromWx(list_->GetStringSelection()));
    }
  }

 private:
  void Choose() {
    RowControl* size = Directory().FindRow("Font Size");
    const auto picked = ChooseFont(Parent(), FromWx(list_->GetStringSelection()), size ? size->RuleValue() : 0);
    if (!picked) return;
    std::string name = picked->face;
    std::erase(name, ',');  // the name becomes an entry of a comma-separated list
    if (name.empty()) return;
    if (fonts_ != nullptr && !Contains(SplitListSetting(GetSettingText(*fonts_)), name)) {
      SetSettingText(*fonts_, AppendListEntry(GetSettingText(*fonts_), name));
    }
    int item = list_->FindString(ToWx(name), true);
    if (item == wxNOT_FOUND) item = list_->Append(ToWx(name));
    list_->SetSelection(item);
    if (size != nullptr) size->Put(picked->pointSize);
    RowControl* style = Directory().FindRow("Font Style");
    if (style != nullptr && !picked->underlined && !picked->struckThrough) style->Put(StyleOf(*picked));
  }

  const SettingDescriptor* fonts_;  // the list setting the items come from
  wxChoice* list_ = nullptr;
};

}  // namespace

RowPointer MakeFontListRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                           RowDirectory& directory) {
  return std::make_unique<FontListRowControl>(parent, row, setting, directory);
}

}  // namespace vecrast::prefs
