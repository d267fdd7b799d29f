// The one way the program ends, and its exit statuses: 0 when the run did what was asked,
// 1 when it printed an error or converted nothing, 75 when a command-line run found the
// window open (a temporary failure: try again later).
#pragma once

namespace vecrast {

inline constexpr int kExitTemporaryFailure = 75;

// Flushes the console streams and gives back the exit status for main() to return, so that
// every destructor (the instance lock's among them) runs on the way out.
int EndProgram(int exitStatus);

}  // namespace vecrast
