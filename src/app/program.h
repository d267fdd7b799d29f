// The program's entry: start-up, the choice between the command-line and windowed modes.
#pragma once

namespace vecrast {

// Runs the program on its arguments and returns the process exit status.
int RunProgram(int argc, char** argv);

}  // namespace vecrast
