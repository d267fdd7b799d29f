// The custom time stamp: a date picker and a time picker. The setting counts the seconds of
// local wall-clock time since 1970-01-01 00:00:00, so it is split into and built from calendar
// fields without any time-zone arithmetic.
#include <wx/datectrl.h>
#include <wx/timectrl.h>

#include <algorithm>
#include <ctime>

#include "ui/preferences/row_kinds.h"

namespace vecrast::prefs {

namespace {

constexpr int64_t kLatestTimestamp = 253402300799;  // 9999-12-31 23:59:59
constexpr int kDateWidth = 112;  // of the 240 of a field, the rest for the time
constexpr int kGap = 4;

struct WallClock {
  int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
  friend bool operator==(const WallClock&, const WallClock&) = default;
};

WallClock WallClockOf(int64_t seconds) {
  const std::time_t value = static_cast<std::time_t>(seconds);
  std::tm fields{};
  if (::gmtime_r(&value, &fields) == nullptr) return {};
  return {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour, fields.tm_min, fields.tm_sec};
}

int64_t SecondsOf(const WallClock& clock) {
  std::tm fields{};
  fields.tm_year = clock.year - 1900;
  fields.tm_mon = clock.month - 1;
  fields.tm_mday = clock.day;
  fields.tm_hour = clock.hour;
  fields.tm_min = clock.minute;
  fields.tm_sec = clock.second;
  return static_cast<int64_t>(::timegm(&fields));
}

class DateRowControl : public RowControl {
 public:
  DateRowControl(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting, RowDirectory& directory)
      : RowControl(parent, row, setting, directory) {
    date_ = new wxDatePickerCtrl(parent, wxID_ANY, wxDefaultDateTime, wxDefaultPosition, wxDefaultSize,
                                 wxDP_DROPDOWN | wxDP_SHOWCENTURY);
    time_ = new wxTimePickerCtrl(parent, wxID_ANY);
    // Both pickers as wide as they need, so that the date and the time with its seconds show whole.
    const int dateWidth = std::max(kDateWidth, date_->GetBestSize().x);
    const int timeX = kControlX + dateWidth + kGap;
    AddPiece(date_, kControlX, dateWidth, 20);
    AddPiece(time_, timeX, std::max(kControlWidth - dateWidth - kGap, time_->GetBestSize().x), 20);
  }

  // A stamp before 1970 or after the year 9999 is shown (and stored) at that limit.
  void Fill() override {
    if (setting_ == nullptr) return;
    filled_ = std::clamp<int64_t>(GetSettingInteger(*setting_), 0, kLatestTimestamp);
    filledClock_ = WallClockOf(filled_);
    date_->SetValue(wxDateTime(static_cast<wxDateTime::wxDateTime_t>(filledClock_.day),
                               static_cast<wxDateTime::Month>(filledClock_.month - 1), filledClock_.year));
    time_->SetTime(filledClock_.hour, filledClock_.minute, filledClock_.second);
  }

  void Commit() override {
    if (setting_ == nullptr) return;
    const wxDateTime date = date_->GetValue();
    WallClock clock;
    if (date.IsValid()) {
      clock.year = date.GetYear();
      clock.month = static_cast<int>(date.GetMonth()) + 1;
      clock.day = date.GetDay();
    }
    time_->GetTime(&clock.hour, &clock.minute, &clock.second);
    const int64_t value = clock == filledClock_ ? filled_ : SecondsOf(clock);
    SetSettingInteger(*setting_, std::clamp<int64_t>(value, 0, kLatestTimestamp));
  }

 private:
  wxDatePickerCtrl* date_ = nullptr;
  wxTimePickerCtrl* time_ = nullptr;
  int64_t filled_ = 0;
  WallClock filledClock_;
};

}  // namespace

RowPointer MakeDateRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting, RowDirectory& directory) {
  return std::make_unique<DateRowControl>(parent, row, setting, directory);
}

}  // namespace vecrast::prefs
