// Drop-down lists: positions of text-table items, the theme list, and the depths of a format.
#include <wx/choice.h>

#include "engine/formats.h"
#include "texts/texts.h"
#include "ui/preferences/row_kinds.h"
#include "ui/themes.h"
#include "ui/wx_text.h"

namespace vecrast::prefs {

namespace {

constexpr int kListHeight = 21;

class ListRowControl : public RowControl {
 public:
  ListRowControl(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting, RowDirectory& directory)
      : RowControl(parent, row, setting, directory) {
    choice_ = new wxChoice(parent, wxID_ANY);
    AddItems();
    AddPiece(choice_, kControlX, kControlWidth, kListHeight);
    choice_->Bind(wxEVT_CHOICE, [this](wxCommandEvent& event) {
      Directory().RowChanged();
      event.Skip();
    });
  }

  void Fill() override { choice_->SetSelection(FilledPosition()); }

  void Commit() override {
    const int selected = choice_->GetSelection();
    if (setting_ == nullptr || selected == wxNOT_FOUND) return;
    switch (row_.source) {
      case ItemSource::TextKeys:
      case ItemSource::Literal: SetSettingInteger(*setting_, selected); break;
      case ItemSource::Depths: SetSettingInteger(*setting_, depths_.at(static_cast<size_t>(selected))); break;
      case ItemSource::Themes:
        // With no theme to choose from, the single "None" item keeps the stored theme.
        if (!ThemeList.empty()) SetSettingText(*setting_, ThemeKeyAt(selected));
        break;
    }
  }

  int RuleValue() const override { return choice_->GetSelection(); }

  void Put(int value) override {
    if (value < 0 || value >= static_cast<int>(choice_->GetCount())) return;
    choice_->SetSelection(value);
    Directory().RowChanged();
  }

 private:
  void AddItems() {
    switch (row_.source) {
      case ItemSource::TextKeys:
        for (std::string_view key : row_.items) choice_->Append(ToWx(GetText("Preferences", key)));
        break;
      case ItemSource::Literal:
        for (std::string_view text : row_.items) choice_->Append(ToWx(std::string(text)));
        break;
      case ItemSource::Themes: AddThemes(); break;
      case ItemSource::Depths:
        depths_.push_back(0);
        choice_->Append(ToWx(GetText("Preferences", "Auto")));
        for (int depth : AllowedBppList(row_.format)) {
          depths_.push_back(depth);
          choice_->Append(std::to_string(depth));
        }
        break;
    }
  }

  void AddThemes() {
    if (ThemeList.empty()) {
      choice_->Append(ToWx(GetText("Preferences", "None")));
      return;
    }
    for (int index = 0; index < static_cast<int>(ThemeList.size()); ++index) {
      const std::string key = ThemeKeyAt(index);
      const auto found = ThemeList.find(key);
      const bool named = found != ThemeList.end() && !found->second.empty();
      choice_->Append(ToWx(named ? found->second : key));
    }
  }

  int FilledPosition() const {
    if (setting_ == nullptr) return 0;
    const int count = static_cast<int>(choice_->GetCount());
    switch (row_.source) {
      case ItemSource::TextKeys:
      case ItemSource::Literal: {
        const int64_t value = GetSettingInteger(*setting_);
        if (value >= 0 && value < count) return static_cast<int>(value);
        const int64_t fallback = setting_->integerDefault;
        return fallback >= 0 && fallback < count ? static_cast<int>(fallback) : 0;
      }
      case ItemSource::Depths: {
        const int64_t value = GetSettingInteger(*setting_);
        for (size_t index = 0; index < depths_.size(); ++index) {
          if (depths_[index] == value) return static_cast<int>(index);
        }
        return 0;
      }
      case ItemSource::Themes: {
        if (ThemeList.empty()) return 0;
        const std::string current = GetSettingText(*setting_);
        for (int index = 0; index < count; ++index) {
          if (ThemeKeyAt(index) == current) return index;
        }
        return wxNOT_FOUND;  // an unknown theme stays as stored until one is chosen
      }
    }
    return 0;
  }

  wxChoice* choice_ = nullptr;
  std::vector<int> depths_;  // the depth of each item of a Depths list
};

}  // namespace

RowPointer MakeListRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting, RowDirectory& directory) {
  return std::make_unique<ListRowControl>(parent, row, setting, directory);
}

}  // namespace vecrast::prefs
