// Reading and setting a file's last-write time.
#pragma once

#include <cstdint>
#include <string>

namespace vecrast {

// The last-write time of `path` in seconds since 1970-01-01 UTC; false when it cannot be read.
bool GetFileWriteTime(const std::string& path, int64_t& seconds);

// Sets the last-write time of `path` (the access time is left alone); false on failure.
bool SetFileWriteTime(const std::string& path, int64_t seconds);

// Gives `to` the last-write time of `from`, to the nanosecond; false on failure.
bool CopyFileWriteTime(const std::string& from, const std::string& to);

}  // namespace vecrast
