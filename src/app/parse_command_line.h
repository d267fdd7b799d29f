// The command-line entry: early switches, options and profiles, then the console run.
#pragma once

#include <string>

#include "app/arguments.h"
#include "app/window_module.h"
#include "platform/instance_lock.h"

namespace vecrast {

struct CommandLineOutcome {
  bool windowed = false;  // a window is to open: the windowed program or a side mode
  VecrastWindowMode windowMode = kVecrastMainWindow;
  std::string windowFolder;  // the screenshot mode's folder ("" for the program folder)
  int exitStatus = 0;        // when not windowed: the status to end the process with
};

// Reads the arguments into Settings and ConversionJob (starting from the command-line
// defaults, never from the configuration file) and runs what they ask for: help, version,
// or a console conversion. Returns windowed when no "-i" was given, or when "-U" or "-T"
// asks for a side mode of the window.
// `heldLock`, when given, is released before the run waits for a key ("-p"): the work is done,
// and other runs need not wait for a person.
CommandLineOutcome ParseCommandLine(const Arguments& arguments, InstanceLock* heldLock = nullptr);

}  // namespace vecrast
