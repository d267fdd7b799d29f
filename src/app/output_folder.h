// Settling the output folder of a command-line run.
#pragma once

#include <string>

namespace vecrast {

// Without "-o" the output goes beside the input: the input's folder, taken against the
// current folder when relative.
std::string FolderBesideInput(const std::string& inputPath);

// A relative output folder (not beginning with "/") is taken against the current folder, as
// every tool here does; a leading "./" is dropped. The result ends with "/".
std::string ResolveOutputFolder(const std::string& folder);

}  // namespace vecrast
