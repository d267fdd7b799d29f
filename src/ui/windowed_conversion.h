// The Convert command of the main window: the checks of the fields and settings, then the
// conversion behind the progress dialog.
#pragma once

#include "ui/progress_dialog.h"

namespace vecrast {

class ConverterWindow;

// Reads the input field, the output folder and the output format, checks them and the
// settings in order (the first failing check shows its warning and ends the command), sets up
// the run and converts with the progress dialog. Returns 0.
int StartWindowedConversion(ConverterWindow& window, ConversionRunner runner = {});

}  // namespace vecrast
