// The preferences dialog: nine pages that edit every setting.
#pragma once

namespace vecrast {

// Opens the dialog on the page ConversionJob.preferencesStartPage names, modal to the main
// window; OK commits and saves the settings.
void ShowPreferencesDialog();

}  // namespace vecrast
