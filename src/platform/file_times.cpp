#include "platform/file_times.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace vecrast {

bool GetFileWriteTime(const std::string& path, int64_t& seconds) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return false;
  seconds = static_cast<int64_t>(info.st_mtim.tv_sec);
  return true;
}

bool SetFileWriteTime(const std::string& path, int64_t seconds) {
  struct timespec times[2] {};
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_sec = static_cast<time_t>(seconds);
  times[1].tv_nsec = 0;
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

}  // namespace vecrast
