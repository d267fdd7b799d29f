// The window module's runs: the windowed program and the side modes.
#pragma once

#include <string>

#include "app/window_module.h"

namespace vecrast {

// Starts the toolkit and runs `mode`; the exit status. A display that cannot be opened gives
// one error line and 1.
int RunWindowMode(VecrastWindowMode mode, const std::string& folder);

// The windowed program: loads the configuration, the texts and the images, builds and shows
// the main window, runs the event loop until the user quits, then applies the history rule
// and saves the configuration. Returns 0. The toolkit must be started.
int RunWindowedProgram();

// The end of the windowed program once its window is gone (its geometry captured): without
// "Out Folders History" the recent output folders are forgotten; the configuration is saved.
void ShutDownWindowedProgram();

// The start-up shared by the windowed program and the side modes: the offered formats, the
// run record, the configuration, the texts, the built-in images and the theme.
void PrepareWindowedStart();

}  // namespace vecrast
