// The progress of a run, shared between the conversion worker and the thread that started
// it. index, currentFile, convertedCount and held are read and written under the mutex;
// keepRunning is atomic so the starter can stop the worker between files. While held is set
// the worker does not start its next file (the window holds it while it asks whether to stop).
#pragma once

#include <atomic>
#include <condition_variable>
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
  bool held = false;
  std::condition_variable released;  // signalled when held is cleared
};

inline ProgressStateRecord ProgressState;

// Prepares a run: no file yet, nothing converted, the worker allowed to run.
inline void ResetProgressState() {
  std::lock_guard<std::mutex> lock(ProgressState.mutex);
  ProgressState.index = 0;
  ProgressState.currentFile.clear();
  ProgressState.convertedCount = 0;
  ProgressState.keepRunning = 1;
  ProgressState.held = false;
}

// Holds the worker before its next file, or lets it go on.
inline void HoldBetweenFiles(bool hold) {
  {
    std::lock_guard<std::mutex> lock(ProgressState.mutex);
    ProgressState.held = hold;
  }
  if (!hold) ProgressState.released.notify_all();
}

// The worker's side: returns once the worker is not held.
inline void WaitWhileHeld() {
  std::unique_lock<std::mutex> lock(ProgressState.mutex);
  ProgressState.released.wait(lock, [] { return !ProgressState.held; });
}

// Asks the worker to stop once the file it is converting is finished.
inline void StopConversion() {
  std::lock_guard<std::mutex> lock(ProgressState.mutex);
  ProgressState.keepRunning = 0;
}

}  // namespace vecrast
