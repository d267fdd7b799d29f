#include "engine/file_timestamp.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "settings/settings.h"

namespace vecrast {

namespace {

bool SetModificationTime(const std::string& path, const timespec& modified) {
  const timespec times[2] = {{0, UTIME_OMIT}, modified};
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

}  // namespace

bool LocalSecondsToTime(int64_t localSeconds, std::time_t& time) {
  const auto seconds = static_cast<std::time_t>(localSeconds);
  std::tm parts{};
  if (!gmtime_r(&seconds, &parts)) return false;
  parts.tm_isdst = -1;
  time = std::mktime(&parts);
  return true;
}

bool ApplyFileTimestamp(const std::string& outputPath, const std::string& inputPath) {
  switch (Settings.fileTimestamp) {
    case 1: {
      struct stat input {};
      if (stat(inputPath.c_str(), &input) != 0) return false;
      return SetModificationTime(outputPath, input.st_mtim);
    }
    case 2: {
      std::time_t custom = 0;
      if (!LocalSecondsToTime(Settings.customTimestamp, custom)) return false;
      return SetModificationTime(outputPath, timespec{custom, 0});
    }
    default:
      return true;
  }
}

}  // namespace vecrast
