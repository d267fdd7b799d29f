#include "engine/file_timestamp.h"

#include <ctime>

#include "platform/file_times.h"
#include "platform/local_time.h"
#include "settings/settings.h"

namespace vecrast {

bool ApplyFileTimestamp(const std::string& outputPath, const std::string& inputPath) {
  switch (Settings.fileTimestamp) {
    case 1:
      return CopyFileWriteTime(inputPath, outputPath);
    case 2: {
      std::time_t custom = 0;
      return TimeFromLocalSeconds(Settings.customTimestamp, custom) && SetFileWriteTime(outputPath, custom);
    }
    default:
      return true;
  }
}

}  // namespace vecrast
