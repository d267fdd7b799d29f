#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace vecrast {

namespace {

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// Slashes would make the name a path; nothing else in a title needs care.
std::string FileNameFor(const std::string& name) {
  std::string file = name;
  for (char& c : file) {
    if (c == '/') c = '_';
  }
  return file;
}

}  // namespace

std::string InstanceLockPath(const std::string& name) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && runtime[0] == '/') return WithSlash(runtime) + FileNameFor(name) + ".lock";
  // The temporary folder is shared by all users: the user id keeps the lock per user.
  const char* temp = std::getenv("TMPDIR");
  std::string folder = (temp && temp[0] == '/') ? temp : "/tmp";
  return WithSlash(folder) + FileNameFor(name) + "." + std::to_string(getuid()) + ".lock";
}

InstanceLock::~InstanceLock() { Release(); }

bool InstanceLock::Acquire(const std::string& name) {
  Release();
  const std::string path = InstanceLockPath(name);
  int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return false;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void InstanceLock::Release() {
  if (fd_ < 0) return;
  flock(fd_, LOCK_UN);
  close(fd_);
  fd_ = -1;
}

}  // namespace vecrast
