// What a start does when another copy of the same version holds the single-instance lock.
#pragma once

#include "app/arguments.h"

namespace vecrast {

// True when the arguments ask for a command-line action (an early switch first, or "-i"
// anywhere) rather than the window.
bool AsksForCommandLineAction(const Arguments& arguments);

// Reports the refused start: a command-line action prints one error line and gives 1; a
// windowed start ends silently with 0.
int RefuseSecondInstance(const Arguments& arguments);

}  // namespace vecrast
