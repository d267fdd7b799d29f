// Track bars with a spin field beside them, showing the same value: moving the bar sets the
// spin; every change of the spin's text is read, clamped into the range and sets the bar (and
// the spin again when the typed value was outside the range). OK stores the spin's value.
#include <wx/slider.h>
#include <wx/spinctrl.h>

#include <algorithm>
#include <cmath>

#include "settings/ini_file.h"
#include "ui/preferences/row_kinds.h"
#include "ui/wx_text.h"

namespace vecrast::prefs {

namespace {

constexpr int kBrightnessOffset = 100;  // the track bar runs 0 to 200 for -100 to 100

class TrackSpinRowControl : public RowControl {
 public:
  TrackSpinRowControl(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                      RowDirectory& directory)
      : RowControl(parent, row, setting, directory) {
    slider_ = new wxSlider(parent, wxID_ANY, TrackOf(row.minimum), TrackOf(row.minimum), TrackOf(row.maximum));
    spin_ = new wxSpinCtrlDouble(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                 wxSP_ARROW_KEYS, row.minimum / Scale(), row.maximum / Scale(), row.minimum / Scale(),
                                 1 / Scale());
    spin_->SetDigits(row.mapping == SpinMapping::Hundredths ? 2 : 0);
    const SideBySide fitted = FitSideBySide(kTrackWidth, kSideX, kSideWidth, directory.Sides().spin);
    AddPiece(slider_, kControlX, fitted.mainWidth, 20);
    AddPiece(spin_, fitted.sideX, fitted.sideWidth, 20);
    slider_->Bind(wxEVT_SLIDER, [this](wxCommandEvent&) { ShowInSpin(slider_->GetValue() - Offset()); });
    spin_->Bind(wxEVT_TEXT, [this](wxCommandEvent& event) { SpinTextChanged(event.GetString()); });
    spin_->Bind(wxEVT_SPINCTRLDOUBLE, [this](wxSpinDoubleEvent& event) {
      slider_->SetValue(TrackOf(Clamped(std::lround(event.GetValue() * Scale()))));
    });
  }

  void Fill() override {
    if (setting_ == nullptr) return;
    const int value = FilledValue();
    slider_->SetValue(TrackOf(value));
    ShowInSpin(value);
  }

  void Commit() override {
    if (setting_ == nullptr) return;
    const int value = Typed(spin_->GetTextValue());
    if (row_.mapping == SpinMapping::Hundredths) {
      SetSettingReal(*setting_, value / Scale());
    } else {
      SetSettingInteger(*setting_, value);
    }
  }

 private:
  double Scale() const { return row_.mapping == SpinMapping::Hundredths ? 100.0 : 1.0; }
  int Offset() const { return row_.mapping == SpinMapping::Offset ? kBrightnessOffset : 0; }
  int TrackOf(int value) const { return value + Offset(); }
  int Clamped(int64_t value) const { return static_cast<int>(std::clamp<int64_t>(value, row_.minimum, row_.maximum)); }

  // The row's value of a spin text, not yet clamped: hundredths of a decimal number for the
  // gamma, else the leading integer (a text without digits gives 0).
  int64_t Read(const wxString& text) const {
    if (row_.mapping != SpinMapping::Hundredths) return ParseIniInteger(FromWx(text));
    const double number = ParseIniReal(FromWx(text)) * Scale();
    if (std::isnan(number)) return row_.minimum;
    return std::llround(std::clamp(number, -1e9, 1e9));
  }
  int Typed(const wxString& text) const { return Clamped(Read(text)); }

  int FilledValue() const {
    if (row_.mapping != SpinMapping::Hundredths) return Clamped(GetSettingInteger(*setting_));
    const double hundredths = GetSettingReal(*setting_) * Scale();
    if (std::isnan(hundredths)) return Clamped(std::llround(setting_->realDefault * Scale()));
    return Clamped(std::llround(std::clamp(hundredths, -1e9, 1e9)));
  }

  void ShowInSpin(int value) { spin_->SetValue(value / Scale()); }

  void SpinTextChanged(const wxString& text) {
    if (text.empty()) return;  // the user is about to type a new number
    const int64_t typed = Read(text);
    const int value = Clamped(typed);
    slider_->SetValue(TrackOf(value));
    // The spin's own text is not rewritten while GTK reports its change.
    if (typed != value) spin_->CallAfter([this, value] { ShowInSpin(value); });
  }

  wxSlider* slider_ = nullptr;
  wxSpinCtrlDouble* spin_ = nullptr;
};

}  // namespace

RowPointer MakeTrackSpinRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                            RowDirectory& directory) {
  return std::make_unique<TrackSpinRowControl>(parent, row, setting, directory);
}

}  // namespace vecrast::prefs
