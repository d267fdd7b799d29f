// The one way the program ends.
#pragma once

namespace vecrast {

// Flushes the console streams and gives back the exit status for main() to return, so that
// every destructor (the instance lock's among them) runs on the way out.
int EndProgram(int exitStatus);

}  // namespace vecrast
