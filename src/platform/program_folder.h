// The folder of the running program.
#pragma once

#include <string>

namespace vecrast {

// The folder that holds the running executable (from /proc/self/exe), ending in "/";
// "./" when it cannot be read.
std::string ProgramFolder();

}  // namespace vecrast
