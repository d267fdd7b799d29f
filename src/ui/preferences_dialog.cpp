#include "ui/preferences_dialog.h"

#include "ui/main_window.h"
#include "ui/preferences/preferences_window.h"

namespace vecrast {

void ShowPreferencesDialog() {
  prefs::PreferencesWindow dialog(MainWindow());
  dialog.ShowModal();
}

}  // namespace vecrast
