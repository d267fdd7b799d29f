#include "platform/local_time.h"

namespace vecrast {

int64_t LocalNow() { return LocalSecondsOf(std::time(nullptr)); }

int64_t LocalSecondsOf(std::time_t time) {
  std::tm local{};
  if (localtime_r(&time, &local) == nullptr) return static_cast<int64_t>(time);
  return static_cast<int64_t>(time) + static_cast<int64_t>(local.tm_gmtoff);
}

bool TimeFromLocalSeconds(int64_t localSeconds, std::time_t& time) {
  const auto seconds = static_cast<std::time_t>(localSeconds);
  std::tm parts{};
  if (!gmtime_r(&seconds, &parts)) return false;
  parts.tm_isdst = -1;
  time = std::mktime(&parts);
  return true;
}

}  // namespace vecrast
