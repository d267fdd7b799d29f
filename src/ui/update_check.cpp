#include "ui/update_check.h"

#include "ui/not_available.h"

namespace vecrast {

void CheckForUpdatesNow() { ShowNotAvailableYet(); }

void ScheduledUpdateCheck() {}

}  // namespace vecrast
