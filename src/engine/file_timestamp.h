// The time stamp given to a saved output file by the "File Timestamp" setting.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace vecrast {

// Applies "File Timestamp" to the output: 0 leaves its times alone, 1 gives it the input's
// modification time, 2 the "Custom Timestamp". Only the modification time changes.
// Returns false when the time could not be read or set.
bool ApplyFileTimestamp(const std::string& outputPath, const std::string& inputPath);

// A count of seconds since 1970-01-01 00:00:00 of local time as a real point in time;
// false when the count is out of the calendar's range.
bool LocalSecondsToTime(int64_t localSeconds, std::time_t& time);

}  // namespace vecrast
