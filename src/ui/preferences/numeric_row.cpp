// Numeric fields with their unit list: digits only, read with the configuration file's integer
// rule (leading digits; none gives 0), no range check.
#include <wx/choice.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

#include <algorithm>
#include <limits>

#include "settings/ini_file.h"
#include "texts/texts.h"
#include "ui/preferences/row_kinds.h"
#include "ui/wx_text.h"

namespace vecrast::prefs {

namespace {

// Enough digits for every 32-bit value.
constexpr int kMaximumDigits = 10;

class NumericRowControl : public RowControl {
 public:
  NumericRowControl(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting, RowDirectory& directory,
                    const SettingDescriptor* unit)
      : RowControl(parent, row, setting, directory), unitSetting_(unit) {
    field_ = new wxTextCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0,
                            wxTextValidator(wxFILTER_DIGITS));
    field_->SetMaxLength(kMaximumDigits);
    units_ = new wxChoice(parent, wxID_ANY);
    for (std::string_view key : row.items) units_->Append(ToWx(GetText("Preferences", key)));
    const SideBySide fitted = FitSideBySide(kNumericWidth, kSideX, kSideWidth, directory.Sides().units);
    AddPiece(field_, kControlX, fitted.mainWidth, 20);
    AddPiece(units_, fitted.sideX, fitted.sideWidth, 21);
  }

  void Fill() override {
    if (setting_ != nullptr) field_->ChangeValue(std::to_string(GetSettingInteger(*setting_)));
    int unit = 0;
    if (unitSetting_ != nullptr) {
      const int64_t stored = GetSettingInteger(*unitSetting_);
      if (stored >= 0 && stored < static_cast<int64_t>(units_->GetCount())) unit = static_cast<int>(stored);
    }
    units_->SetSelection(unit);
  }

  // Numbers beyond the 32-bit range are kept at its limits rather than wrapped.
  void Commit() override {
    if (setting_ != nullptr) {
      constexpr int64_t kLowest = std::numeric_limits<int32_t>::min();
      constexpr int64_t kHighest = std::numeric_limits<int32_t>::max();
      SetSettingInteger(*setting_, std::clamp(ParseIniInteger(FromWx(field_->GetValue())), kLowest, kHighest));
    }
    if (unitSetting_ != nullptr && units_->GetSelection() != wxNOT_FOUND) {
      SetSettingInteger(*unitSetting_, units_->GetSelection());
    }
  }

  int RuleValue() const override {
    constexpr int64_t kHighest = std::numeric_limits<int32_t>::max();
    return static_cast<int>(std::min(ParseIniInteger(FromWx(field_->GetValue())), kHighest));
  }
  void Put(int value) override { field_->ChangeValue(std::to_string(value)); }

 private:
  const SettingDescriptor* unitSetting_;
  wxTextCtrl* field_ = nullptr;
  wxChoice* units_ = nullptr;
};

}  // namespace

RowPointer MakeNumericRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                          RowDirectory& directory, const SettingDescriptor* unit) {
  return std::make_unique<NumericRowControl>(parent, row, setting, directory, unit);
}

}  // namespace vecrast::prefs
