// The per-user single-instance lock: an exclusive flock() on a file named after the lock's
// name. The file lives in $XDG_RUNTIME_DIR when that is the user's own folder, else in a
// private folder of the user's in the temporary folder ("vecrast-<uid>", mode 0700, its owner
// checked), so that no other local user can create or hold it. The file records which mode
// holds the lock; the kernel releases the lock when the process ends, however it ends.
#pragma once

#include <string>

namespace vecrast {

enum class LockMode {
  kCommandLine,  // a command-line run: waits for another command-line run to finish
  kWindowed,     // the window: never waits
};

enum class LockResult {
  kTaken,
  kHeldByWindow,  // the windowed program holds it: a command-line run does not wait for that
  kHeld,          // another start holds it and this windowed start does not wait
  kFailed,        // no lock could be taken for another reason, given with the path
};

class InstanceLock {
 public:
  InstanceLock() = default;
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // Takes the lock called `name` in `mode`. A command-line run that finds another
  // command-line run holding it waits until it is free; it returns kHeldByWindow at once when
  // the windowed program holds it. A windowed start returns kHeld when anyone holds it. On
  // kFailed, `reason` says what failed and names the path.
  LockResult Acquire(const std::string& name, LockMode mode, std::string& reason);
  // Records another mode for the held lock: a run that came in as a command-line action but
  // waits for a person (a side mode of the window) holds it as the window does, so that
  // command-line runs fail at once instead of waiting behind it.
  void Record(LockMode mode);
  // Releases the lock if held.
  void Release();
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// The folder of the lock files, ending in "/"; see above.
std::string InstanceLockFolder();

// The path of the lock file for `name`.
std::string InstanceLockPath(const std::string& name);

}  // namespace vecrast
