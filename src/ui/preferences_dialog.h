// The preferences dialog: nine pages that edit every setting (preferences/ builds them).
#pragma once

namespace vecrast {

// Opens the dialog on the page ConversionJob.preferencesStartPage names, modal to the main
// window, and returns when it is closed; OK and Defaults commit and save the settings.
void ShowPreferencesDialog();

}  // namespace vecrast
