// Paths: their folder part, and the current folder against which relative paths named on the
// command line are taken.
#pragma once

#include <string>

namespace vecrast {

// The current folder, ending in "/"; "./" when it cannot be read.
std::string CurrentFolder();

// `path` taken against the current folder when it does not begin with "/".
std::string AbsolutePath(const std::string& path);

// The folder part of a path, up to and including its last "/"; "" when it has none.
std::string FolderOf(const std::string& path);

}  // namespace vecrast
