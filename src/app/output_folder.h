// Settling the output folder of a command-line run.
#pragma once

#include <string>

namespace vecrast {

// The folder part of a path, up to and including its last "/"; "" when it has none.
std::string FolderPart(const std::string& path);

// Without "-o" the output goes beside the input: the input's folder, taken against the
// current folder when relative.
std::string FolderBesideInput(const std::string& inputPath);

// A relative output folder (not beginning with "/") lies below the program's folder; a
// leading "./" is dropped. The result ends with "/".
std::string ResolveOutputFolder(const std::string& folder, const std::string& programFolder);

}  // namespace vecrast
