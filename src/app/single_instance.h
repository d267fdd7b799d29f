// Which mode a start takes the single-instance lock in, and what a start that does not get
// the lock prints and ends with.
#pragma once

#include <string>

#include "app/arguments.h"
#include "platform/instance_lock.h"

namespace vecrast {

// True when the arguments ask for a command-line action (an early switch first, or "-i"
// anywhere) rather than the window.
bool AsksForCommandLineAction(const Arguments& arguments);

// The lock mode of a start: a command-line action takes it as a command-line run (which waits
// for another one), anything else as the window.
LockMode LockModeFor(const Arguments& arguments);

// Reports a start that did not get the lock and gives its exit status: a second windowed
// start ends silently with 0; a command-line run that finds the window open prints its error
// line and gives 75 (try again later); a lock that could not be taken at all is reported with
// what failed and gives 1.
int RefuseStart(LockResult result, const std::string& reason);

}  // namespace vecrast
