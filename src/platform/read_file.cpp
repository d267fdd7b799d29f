#include "platform/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "platform/file_descriptor.h"

namespace vecrast {

namespace {

bool IsAccepted(mode_t mode, FileKinds kinds) {
  if (S_ISREG(mode)) return true;
  return kinds == FileKinds::kRegularOrPipe && (S_ISFIFO(mode) || S_ISSOCK(mode));
}

bool Refuse(std::string& reason, std::string text) {
  reason = std::move(text);
  return false;
}

// A pipe opened without blocking is switched back, so that its reads wait for the writer.
bool MakeBlocking(int fd) {
  const int flags = fcntl(fd, F_GETFL);
  return flags >= 0 && fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

// Reads until end of file; one byte more than `limit` proves the file too large.
bool ReadUpTo(int fd, std::size_t limit, std::size_t expected, std::string& bytes, std::string& reason) {
  bytes.reserve(std::min(expected, limit) + 1);
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Refuse(reason, std::strerror(errno));
    if (got == 0) return true;
    if (static_cast<std::size_t>(got) > limit - bytes.size()) {
      return Refuse(reason, "it is larger than " + ByteCountText(limit));
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

}  // namespace

const char* FileKindName(unsigned mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISFIFO(mode)) return "a pipe";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISLNK(mode)) return "a symbolic link";
  return "a file";
}

std::string ByteCountText(std::size_t bytes) {
  constexpr std::size_t kMiB = std::size_t{1} << 20;
  if (bytes >= kMiB && bytes % kMiB == 0) return std::to_string(bytes / kMiB) + " MiB";
  return std::to_string(bytes) + " bytes";
}

bool ReadWholeFile(const std::string& path, std::size_t limit, FileKinds kinds, std::string& bytes,
                   std::string& reason) {
  bytes.clear();
  reason.clear();
  if (path.empty()) return Refuse(reason, "no file was named");
  if (path.find('\0') != std::string::npos) return Refuse(reason, "the name holds a zero byte");
  const FileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!file) return Refuse(reason, std::strerror(errno));
  struct stat info {};
  if (fstat(file.get(), &info) != 0) return Refuse(reason, std::strerror(errno));
  if (!IsAccepted(info.st_mode, kinds)) return Refuse(reason, std::string("it is ") + FileKindName(info.st_mode));
  const bool regular = S_ISREG(info.st_mode);
  if (regular && static_cast<std::size_t>(info.st_size) > limit) {
    return Refuse(reason, "it is larger than " + ByteCountText(limit));
  }
  if (!regular && !MakeBlocking(file.get())) return Refuse(reason, std::strerror(errno));
  try {
    const std::size_t expected = regular ? static_cast<std::size_t>(info.st_size) : 0;
    if (ReadUpTo(file.get(), limit, expected, bytes, reason)) return true;
  } catch (const std::bad_alloc&) {
    reason = "it does not fit in memory";
  }
  bytes.clear();
  bytes.shrink_to_fit();
  return false;
}

}  // namespace vecrast
