// The program's arguments and the two views of one argument that option matching uses.
//
// The shell has already split the command line, so each argv entry is one argument. Every
// double-quote character is removed from it, as when a joined command line is split: a
// quoted section only keeps blanks together and never reaches the value.
#pragma once

#include <string>
#include <vector>

namespace vecrast {

using Arguments = std::vector<std::string>;

// argv[1..argc-1] as arguments, double quotes removed. The program name is not counted.
Arguments ArgumentsFromArgv(int argc, char** argv);

// The argument at `index`, or "" beyond the last one.
std::string ArgumentAt(const Arguments& arguments, size_t index);

// Upper-cased option name of argument `index`: for "--name=value" the part before the
// first "="; for "-x" the whole argument; "" for anything not beginning with "-".
std::string OptionKey(const Arguments& arguments, size_t index);

// Value of argument `index`: for "--name=value" the part after the first "="; otherwise the
// whole argument. Both views ignore leading and trailing blanks.
std::string OptionValue(const Arguments& arguments, size_t index);

// Leading and trailing blanks removed.
std::string StripBlanks(const std::string& text);

}  // namespace vecrast
