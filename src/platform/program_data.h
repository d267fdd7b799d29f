// The data files the program ships (themes, the manual): beside the executable in a build
// tree, in the installed data folder ("../share/vecrast/" from the executable) otherwise.
#pragma once

#include <string>

namespace vecrast {

// The folders searched, in order, each ending in "/".
std::string ProgramDataFolderBeside();
std::string InstalledDataFolder();

// The first existing path of `relative` (a file or folder) in those folders; "" when neither
// holds it.
std::string FindProgramData(const std::string& relative);

}  // namespace vecrast
