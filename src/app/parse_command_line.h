// The command-line entry: early switches, options and profiles, then the console run.
#pragma once

#include "app/arguments.h"

namespace vecrast {

struct CommandLineOutcome {
  bool windowed = false;  // no input was named: the windowed mode would start
  int exitStatus = 0;     // when not windowed: the status to end the process with
};

// Reads the arguments into Settings and ConversionJob (starting from the command-line
// defaults, never from the configuration file) and runs what they ask for: help, version,
// or a console conversion. Returns windowed when no "-i" was given.
CommandLineOutcome ParseCommandLine(const Arguments& arguments);

}  // namespace vecrast
