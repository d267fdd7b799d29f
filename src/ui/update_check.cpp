#include "ui/update_check.h"

#include <wx/utils.h>

#include "app/product.h"
#include "platform/http_get.h"
#include "settings/settings.h"
#include "texts/texts.h"
#include "ui/message_boxes.h"
#include "ui/shell_open.h"

namespace vecrast {

namespace {

constexpr int32_t kNeverCheck = 5;
constexpr int64_t kSecondsPerDay = 86400;

UpdateClock updateClock;

int64_t Now() { return updateClock ? updateClock() : LocalNow(); }

// The number its leading digits spell; 0 when it does not begin with a digit.
int LeadingNumber(const std::string& text) {
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

int UpdateIntervalDays(int32_t updateRange) {
  switch (updateRange) {
    case 0: return 1;
    case 1: return 7;
    case 3: return 90;
    case 4: return 180;
    case kNeverCheck: return 0;
    default: return 30;
  }
}

std::string VersionFileAddress() { return MakerSite() + "files/vecrast.dat"; }

void SetUpdateClock(UpdateClock clock) { updateClock = std::move(clock); }

void CheckForUpdatesNow() {
  int latest = 0;
  {
    const wxBusyCursor busy;
    latest = LeadingNumber(HttpGetText(VersionFileAddress(), WindowTitle()));
  }
  if (latest == 0) {
    ShowError(GetText("Msg", "Internet connection problems"));
  } else if (latest > kVersionNumber) {
    if (AskYesNo(GetText("Msg", "New Update"), GetText("Msg", "New Update Text"), QuestionIcon::QuestionMark)) {
      OpenWithShell(HomePageAddress());
    }
  } else {
    ShowInformation(GetText("Msg", "No Update"), GetText("Msg", "No Update Text"));
  }
}

void ScheduledUpdateCheck() {
  if (Settings.updateRange == kNeverCheck) return;
  // Compared as now minus the interval, so that no stored date can overflow the sum.
  if (Now() - UpdateIntervalDays(Settings.updateRange) * kSecondsPerDay <= Settings.updateDate) return;
  if (AskYesNo(GetText("Msg", "Check for Updates"), GetText("Msg", "Ask check for updates"), QuestionIcon::QuestionMark)) {
    CheckForUpdatesNow();
  }
  Settings.updateDate = Now();
}

}  // namespace vecrast
