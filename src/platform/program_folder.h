// Where the running program lives.
#pragma once

#include <string>

namespace vecrast {

// The folder that holds the running executable (from /proc/self/exe), ending in "/";
// "./" when it cannot be read.
std::string ProgramFolder();

// The running executable's file name without folder and extension ("vecrast").
std::string ProgramName();

}  // namespace vecrast
