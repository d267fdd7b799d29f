// The main window's first show at start-up.
#pragma once

namespace vecrast {

class ConverterWindow;

// Builds the input and format tables, maximises the window when it was closed maximised,
// fills the output format list (one entry per offered output extension, "JPG (JPEG File
// Format)", the one of "Format" selected), resets the run state, shows the window, and (unless
// the program photographs itself) runs the scheduled update check.
void ShowMainWindow(ConverterWindow& window);

}  // namespace vecrast
