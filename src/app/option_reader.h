// Reading the options of the command line, left to right, into Settings and ConversionJob.
#pragma once

#include <string>

#include "app/arguments.h"

namespace vecrast {

struct OptionReadResult {
  std::string error;   // the first error's message; reading stopped there
  bool quiet = false;  // "-q": no status lines
  bool pause = false;  // "-p" (read before any error): wait for a key at the end
};

// Applies every recognised option in argument order; a later option overrides an earlier
// one and a profile applies where it is named. Unknown arguments are skipped silently.
OptionReadResult ReadOptions(const Arguments& arguments);

}  // namespace vecrast
