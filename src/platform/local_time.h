// The program's dates ("Update Date", "Custom Timestamp") count seconds since 1970-01-01
// 00:00:00 of local time, without a time zone. These turn them into points in time and back.
#pragma once

#include <cstdint>
#include <ctime>

namespace vecrast {

// Now, as local seconds.
int64_t LocalNow();

// A point in time as local seconds.
int64_t LocalSecondsOf(std::time_t time);

// The point in time that a count of local seconds names; false when the count is beyond the
// calendar's range.
bool TimeFromLocalSeconds(int64_t localSeconds, std::time_t& time);

}  // namespace vecrast
