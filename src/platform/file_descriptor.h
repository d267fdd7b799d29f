// An owned file descriptor, closed when it goes out of scope.
#pragma once

#include <unistd.h>

namespace vecrast {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  ~FileDescriptor() { Reset(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.Release()) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      Reset();
      fd_ = other.Release();
    }
    return *this;
  }

  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }

  // Gives the descriptor up without closing it.
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  // Closes it now; false when close() reported an error (a write that did not reach the disk).
  bool Close() {
    if (fd_ < 0) return true;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }
  void Reset() { Close(); }

 private:
  int fd_;
};

}  // namespace vecrast
