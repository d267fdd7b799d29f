// The per-user single-instance lock: an exclusive flock() on a file named after the lock's
// name in $XDG_RUNTIME_DIR (else the temporary folder). The kernel releases it when the
// process ends, however it ends.
#pragma once

#include <string>

namespace vecrast {

class InstanceLock {
 public:
  InstanceLock() = default;
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // Takes the lock called `name`. False when another process holds it or the lock file
  // cannot be opened.
  bool Acquire(const std::string& name);
  // Releases the lock if held.
  void Release();
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// The path of the lock file for `name`.
std::string InstanceLockPath(const std::string& name);

}  // namespace vecrast
