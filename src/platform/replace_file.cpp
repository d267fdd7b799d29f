#include "platform/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "platform/file_descriptor.h"
#include "platform/paths.h"
#include "platform/temporary_file.h"

namespace vecrast {

namespace {

constexpr int kMaxLinks = 40;  // as the kernel's own limit on a path's links
constexpr mode_t kNewFileMode = 0666;

bool Fail(std::string& reason, std::string text) {
  reason = std::move(text);
  return false;
}

std::string SystemMessage() { return std::strerror(errno); }

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Some file systems cannot flush a folder; the file itself is already on the disk then.
void FlushFolder(const std::string& folder) {
  const FileDescriptor directory(open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory) fsync(directory.get());
}

// A replaced file's owner and permission bits are kept; a new file gets the default bits less
// the umask. Giving a file to another owner is for privileged users only: for the others
// the new file stays theirs, with the old permission bits.
void KeepOwnerAndModeOf(const std::string& target, int fd) {
  struct stat info {};
  if (stat(target.c_str(), &info) != 0) return;
  [[maybe_unused]] const int ownerKept = fchown(fd, info.st_uid, info.st_gid);
  fchmod(fd, info.st_mode & 07777);
}

bool CheckReplaceable(const std::string& path, const std::string& target, std::string& reason) {
  struct stat info {};
  if (stat(target.c_str(), &info) != 0) return true;  // a new file
  const std::string shown = "\"" + path + "\"";
  if (!S_ISREG(info.st_mode)) return Fail(reason, shown + " is not a regular file");
  if (IsWriteProtected(target)) return Fail(reason, shown + " is write-protected");
  return true;
}

bool WriteTemporary(const std::string& target, std::string_view bytes, std::string& temporary,
                    std::string& reason) {
  const std::string folder = FolderOf(target);
  RemoveStaleTemporaryFiles(folder);
  FileDescriptor file;
  if (!CreateTemporaryFile(folder, kNewFileMode, file, temporary, reason)) {
    return Fail(reason, "cannot create a file in the folder \"" + (folder.empty() ? std::string("./") : folder) +
                            "\": " + reason);
  }
  KeepOwnerAndModeOf(target, file.get());
  if (!WriteAll(file.get(), bytes) || fsync(file.get()) != 0 || !file.Close()) {
    const std::string message = SystemMessage();
    DiscardTemporaryFile(temporary);
    return Fail(reason, "cannot write \"" + temporary + "\": " + message);
  }
  return true;
}

}  // namespace

bool ResolveWriteTarget(const std::string& path, std::string& target, std::string& reason) {
  target = path;
  for (int links = 0; links < kMaxLinks; ++links) {
    struct stat info {};
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    std::string pointed(static_cast<std::size_t>(PATH_MAX), '\0');
    const ssize_t length = readlink(target.c_str(), pointed.data(), pointed.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= pointed.size()) {
      return Fail(reason, "cannot read the symbolic link \"" + target + "\"");
    }
    pointed.resize(static_cast<std::size_t>(length));
    target = pointed.starts_with("/") ? pointed : FolderOf(target) + pointed;
  }
  return Fail(reason, "\"" + path + "\" is a loop of symbolic links");
}

bool IsWriteProtected(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return false;
  // The owner's choice counts even for a user whom the system would let write anyway.
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
  return faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
}

bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& reason) {
  reason.clear();
  if (path.empty()) return Fail(reason, "no file was named");
  if (path.find('\0') != std::string::npos) return Fail(reason, "the name holds a zero byte");
  std::string target;
  if (!ResolveWriteTarget(path, target, reason) || !CheckReplaceable(path, target, reason)) return false;
  std::string temporary;
  if (!WriteTemporary(target, bytes, temporary, reason)) return false;
  if (std::rename(temporary.c_str(), target.c_str()) != 0) {
    const std::string message = SystemMessage();
    DiscardTemporaryFile(temporary);
    return Fail(reason, "cannot write \"" + path + "\": " + message);
  }
  KeepTemporaryFile(temporary);
  FlushFolder(FolderOf(target));
  return true;
}

}  // namespace vecrast
