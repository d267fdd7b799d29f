#include "platform/file_status.h"

#include <sys/stat.h>

namespace vecrast {

int64_t FileSize(const std::string& path) {
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  return static_cast<int64_t>(info.st_size);
}

bool IsRegularFile(const std::string& path) { return FileSize(path) >= 0; }

bool IsExistingFolder(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace vecrast
