// The progress of a run, shared between the conversion worker and the thread that started
// it. index, currentFile and convertedCount are read and written under the mutex;
// keepRunning is atomic so the starter can stop the worker between files.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

namespace vecrast {

struct ProgressStateRecord {
  std::mutex mutex;
  int32_t index = 0;           // 1-based number of the file being converted
  std::string currentFile;     // its input path
  int32_t convertedCount = 0;  // files saved, written once when the worker ends
  std::atomic<uint8_t> keepRunning{0};  // 1 while the worker may start another file
};

inline ProgressStateRecord ProgressState;

// Prepares a run: no file yet, nothing converted, the worker allowed to run.
inline void ResetProgressState() {
  std::lock_guard<std::mutex> lock(ProgressState.mutex);
  ProgressState.index = 0;
  ProgressState.currentFile.clear();
  ProgressState.convertedCount = 0;
  ProgressState.keepRunning = 1;
}

// Asks the worker to stop once the file it is converting is finished.
inline void StopConversion() {
  std::lock_guard<std::mutex> lock(ProgressState.mutex);
  ProgressState.keepRunning = 0;
}

}  // namespace vecrast
