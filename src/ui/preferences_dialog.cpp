#include "ui/preferences_dialog.h"

#include "ui/not_available.h"

namespace vecrast {

void ShowPreferencesDialog() { ShowNotAvailableYet(); }

}  // namespace vecrast
