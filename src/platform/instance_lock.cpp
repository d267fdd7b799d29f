#include "platform/instance_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/file_descriptor.h"

namespace vecrast {

namespace {

constexpr std::string_view kCommandLineRecord = "command-line";
constexpr std::string_view kWindowedRecord = "windowed";

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

bool Fail(std::string& reason, std::string text) {
  reason = std::move(text);
  return false;
}

// $XDG_RUNTIME_DIR counts only while it is this user's own writable folder: after "su" it
// still names the first user's.
bool IsOwnWritableFolder(const char* folder) {
  struct stat info {};
  return folder && folder[0] == '/' && stat(folder, &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == geteuid() && access(folder, W_OK | X_OK) == 0;
}

std::string PrivateFolder() {
  const char* temp = std::getenv("TMPDIR");
  const std::string base = (temp && temp[0] == '/') ? temp : "/tmp";
  return WithSlash(base) + "vecrast-" + std::to_string(geteuid()) + "/";
}

// Creates the private folder, or accepts it only when it is a real folder of this user's that
// nobody else may enter. (Without its trailing slash, so that a link in its place is seen as
// a link.)
bool PreparePrivateFolder(std::string folder, std::string& reason) {
  if (folder.ends_with('/')) folder.pop_back();
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    return Fail(reason, "cannot create the folder \"" + folder + "\": " + std::strerror(errno));
  }
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0) return Fail(reason, "\"" + folder + "\": " + std::strerror(errno));
  if (!S_ISDIR(info.st_mode)) return Fail(reason, "\"" + folder + "\" is not a folder");
  if (info.st_uid != geteuid()) return Fail(reason, "the folder \"" + folder + "\" belongs to another user");
  if ((info.st_mode & 077) != 0 && chmod(folder.c_str(), 0700) != 0) {
    return Fail(reason, "cannot make the folder \"" + folder + "\" private: " + std::strerror(errno));
  }
  return true;
}

FileDescriptor OpenLockFile(const std::string& path, std::string& reason) {
  FileDescriptor file(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (!file) {
    Fail(reason, "cannot open the lock file \"" + path + "\": " + std::strerror(errno));
    return file;
  }
  struct stat info {};
  if (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid()) {
    Fail(reason, "the lock file \"" + path + "\" is not a file of this user's");
    return FileDescriptor();
  }
  return file;
}

void RecordMode(int fd, LockMode mode) {
  const std::string record = std::string(mode == LockMode::kWindowed ? kWindowedRecord : kCommandLineRecord) +
                             " " + std::to_string(getpid()) + "\n";
  if (ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const ssize_t written = pwrite(fd, record.data(), record.size(), 0);
  }
}

// An empty record is a holder that has not written its own yet: it counts as a command-line
// run, and the waiter looks again within a second.
bool HeldByWindow(int fd) {
  char record[64] = {};
  const ssize_t got = pread(fd, record, sizeof record - 1, 0);
  return got > 0 && std::string_view(record, static_cast<std::size_t>(got)).starts_with(kWindowedRecord);
}

void WakeUp(int) {}

// Blocks in flock() for about a second at most: a timer interrupts the wait so that the
// caller can look again at who holds the lock. True when the lock was taken.
bool WaitForLock(int fd) {
  struct sigaction wake {};
  wake.sa_handler = WakeUp;  // without SA_RESTART, so that flock() returns EINTR
  sigemptyset(&wake.sa_mask);
  struct sigaction previous {};
  sigaction(SIGALRM, &wake, &previous);
  itimerval timer{};
  timer.it_value.tv_sec = 1;
  setitimer(ITIMER_REAL, &timer, nullptr);
  const bool taken = flock(fd, LOCK_EX) == 0;
  const itimerval off{};
  setitimer(ITIMER_REAL, &off, nullptr);
  sigaction(SIGALRM, &previous, nullptr);
  return taken;
}

LockResult TakeOrWait(int fd, LockMode mode, const std::string& path, std::string& reason) {
  for (;;) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return LockResult::kTaken;
    if (errno != EWOULDBLOCK && errno != EINTR) {
      Fail(reason, "cannot lock \"" + path + "\": " + std::strerror(errno));
      return LockResult::kFailed;
    }
    if (mode == LockMode::kWindowed) return LockResult::kHeld;
    if (HeldByWindow(fd)) return LockResult::kHeldByWindow;
    if (WaitForLock(fd)) return LockResult::kTaken;
  }
}

}  // namespace

std::string InstanceLockFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (IsOwnWritableFolder(runtime)) return WithSlash(runtime);
  return PrivateFolder();
}

std::string InstanceLockPath(const std::string& name) { return InstanceLockFolder() + FileNameFor(name) + ".lock"; }

InstanceLock::~InstanceLock() { Release(); }

LockResult InstanceLock::Acquire(const std::string& name, LockMode mode, std::string& reason) {
  Release();
  reason.clear();
  const std::string folder = InstanceLockFolder();
  if (folder == PrivateFolder() && !PreparePrivateFolder(folder, reason)) return LockResult::kFailed;
  const std::string path = folder + FileNameFor(name) + ".lock";
  FileDescriptor file = OpenLockFile(path, reason);
  if (!file) return LockResult::kFailed;
  const LockResult result = TakeOrWait(file.get(), mode, path, reason);
  if (result != LockResult::kTaken) return result;
  RecordMode(file.get(), mode);
  fd_ = file.Release();
  return result;
}

void InstanceLock::Record(LockMode mode) {
  if (fd_ >= 0) RecordMode(fd_, mode);
}

void InstanceLock::Release() {
  if (fd_ < 0) return;
  // An empty record tells a waiter that nobody holds the lock any longer.
  [[maybe_unused]] const int emptied = ftruncate(fd_, 0);
  flock(fd_, LOCK_UN);
  close(fd_);
  fd_ = -1;
}

}  // namespace vecrast
