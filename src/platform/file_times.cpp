#include "platform/file_times.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace vecrast {

namespace {

bool SetWriteTime(const std::string& path, const timespec& written) {
  const timespec times[2] = {{0, UTIME_OMIT}, written};
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

}  // namespace

bool GetFileWriteTime(const std::string& path, int64_t& seconds) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return false;
  seconds = static_cast<int64_t>(info.st_mtim.tv_sec);
  return true;
}

bool SetFileWriteTime(const std::string& path, int64_t seconds) {
  return SetWriteTime(path, timespec{static_cast<time_t>(seconds), 0});
}

bool CopyFileWriteTime(const std::string& from, const std::string& to) {
  struct stat info {};
  return stat(from.c_str(), &info) == 0 && SetWriteTime(to, info.st_mtim);
}

}  // namespace vecrast
