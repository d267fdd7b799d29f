// Console output of the command-line mode: status lines to standard output, error lines to
// standard error, UTF-8, one "\n" per line. Each line is flushed at once so that the two
// streams interleave in the order the lines were printed. A line that cannot be written (the
// reader of a pipe has gone) is dropped: the run goes on.
#pragma once

#include <string>
#include <string_view>

namespace vecrast {

// Prints one status line on standard output.
void PrintLine(std::string_view text);

// Prints one error line on standard error.
void PrintErrorLine(std::string_view text);

// A message that names the value it is about, in the one form every such line uses:
// the text, ": ", the value in double quotes, and the reason in brackets when there is one.
// Invalid output folder: "/tmp/missing/" (No such file or directory)
std::string NamingValue(std::string_view text, std::string_view value, std::string_view reason = {});

}  // namespace vecrast
