// Profile files: INI files whose group "CLI" sets options by their long names.
#pragma once

#include <string>

namespace vecrast {

// Applies the entries of group "CLI" of the profile `fileName`, in file order, as the
// command line would. False when the name is empty or the file cannot be read; a missing
// or empty group is not a failure.
bool LoadProfile(const std::string& fileName);

}  // namespace vecrast
