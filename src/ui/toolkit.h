// Starting and stopping wxWidgets without handing it the process: the module (and the test
// programs) own main(), so the toolkit is entered and left explicitly.
#pragma once

namespace vecrast {

// Starts the toolkit on the display named by the environment. False when GTK cannot open it.
// Toolkit log messages and failed assertions go to standard error, never into a dialog.
bool StartToolkit();

// Runs the toolkit's event loop until the last top-level window is gone.
void RunToolkitLoop();

// Deletes what the toolkit still holds and leaves it.
void StopToolkit();

}  // namespace vecrast
