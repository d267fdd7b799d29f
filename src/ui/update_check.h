// Asking the maker's web server for the latest version.
#pragma once

namespace vecrast {

// Asks now and tells the user the outcome.
void CheckForUpdatesNow();

// Asks whether to check when the interval of "Update Range" has passed since "Update Date".
void ScheduledUpdateCheck();

}  // namespace vecrast
