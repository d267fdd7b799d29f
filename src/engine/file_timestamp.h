// The time stamp given to a saved output file by the "File Timestamp" setting.
#pragma once

#include <string>

namespace vecrast {

// Applies "File Timestamp" to the output: 0 leaves its times alone, 1 gives it the input's
// modification time, 2 the "Custom Timestamp". Only the modification time changes.
// Returns false when the time could not be read or set.
bool ApplyFileTimestamp(const std::string& outputPath, const std::string& inputPath);

}  // namespace vecrast
