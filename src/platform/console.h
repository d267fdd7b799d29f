// Console output of the command-line mode: status lines to standard output, error lines to
// standard error, UTF-8, one "\n" per line. Each line is flushed at once so that the two
// streams interleave in the order the lines were printed.
#pragma once

#include <string_view>

namespace vecrast {

// Prints one status line on standard output.
void PrintLine(std::string_view text);

// Prints one error line on standard error.
void PrintErrorLine(std::string_view text);

}  // namespace vecrast
