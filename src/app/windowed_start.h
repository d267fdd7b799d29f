// Starting the windowed program: the display check and the loading of the window module.
#pragma once

#include <string>

#include "app/window_module.h"

namespace vecrast {

// Where the window module is looked for, in order: beside the executable, then in the
// installed module folder relative to it ("../lib/vecrast/"), then in the install prefix
// the program was built for.
std::string FindWindowModule();

// Prints the one error line of a window that cannot open, naming `reason`; returns 1.
int ReportWindowStartFailure(const std::string& reason);

// Loads the window module and runs `mode` in it. Without a display to open a window on, or
// without a usable module, prints one error line on standard error and returns 1; otherwise
// returns what the module returns.
int OpenWindowedProgram(VecrastWindowMode mode, const std::string& folder = {});

}  // namespace vecrast
