// Asking the maker's web server for the latest version: on demand (command 23) and on the
// schedule of "Update Range" and "Update Date" at the main window's first show.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vecrast {

// Fetches the version file and tells the user the outcome: a newer version (with the offer
// to open the home page), none, or "Internet connection problems!" when the exchange fails
// or the reply holds no version number. Blocks the window for at most the exchange's bounds.
void CheckForUpdatesNow();

// When more than the interval of "Update Range" has passed since "Update Date", asks whether
// to check, checks on Yes, and whatever the answer sets "Update Date" to now. "Never" (5)
// neither asks nor moves the date.
void ScheduledUpdateCheck();

// The days between scheduled checks for "Update Range": 1, 7, 30, 90, 180; 0 for "Never";
// 30 for any other value.
int UpdateIntervalDays(int32_t updateRange);

// The version file on the maker's site (MakerSite, so VECRAST_SITE moves it too).
std::string VersionFileAddress();

// The schedule's clock: local seconds since 1970. Tests set their own; empty restores the
// real one.
using UpdateClock = std::function<int64_t()>;
void SetUpdateClock(UpdateClock clock);

}  // namespace vecrast
