// Reading the options of the command line, left to right, into Settings and ConversionJob.
#pragma once

#include <string>
#include <vector>

#include "app/arguments.h"

namespace vecrast {

struct OptionReadResult {
  std::string error;        // the first error's message; reading stopped there
  std::string errorValue;   // what the error is about: the option as written, or the profile
  std::string errorReason;  // why, when the error has a cause of its own (an unreadable profile)
  std::vector<std::string> warnings;  // one line for each argument that was skipped
  bool quiet = false;  // "-q": no status lines
  bool pause = false;  // "-p" (read before any error): wait for a key at the end
};

// Applies every recognised option in argument order; a later option overrides an earlier
// one and a profile applies where it is named. Unknown options and stray arguments are
// skipped, each with a warning line.
OptionReadResult ReadOptions(const Arguments& arguments);

}  // namespace vecrast
