// What a path names: a non-empty file, a folder.
#pragma once

#include <cstdint>
#include <string>

namespace vecrast {

// The size of the regular file `path` in bytes; -1 when it is missing or not a regular file.
int64_t FileSize(const std::string& path);

// True when `path` names a regular file (of any size).
bool IsRegularFile(const std::string& path);

// True when `path` names an existing folder.
bool IsExistingFolder(const std::string& path);

}  // namespace vecrast
