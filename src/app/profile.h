// Profile files: INI files whose group "CLI" sets options by their long names.
#pragma once

#include <string>

namespace vecrast {

// Applies the entries of group "CLI" of the profile `fileName`, in file order, as the
// command line would. The file may be a pipe ("--profile=<(...)", "/dev/stdin"); one without
// a writer reads as empty. False, and why in `reason`, when the name is empty or the file
// cannot be read (missing, a folder, over the reader's bound); a missing or empty group is not
// a failure.
bool LoadProfile(const std::string& fileName, std::string& reason);

}  // namespace vecrast
