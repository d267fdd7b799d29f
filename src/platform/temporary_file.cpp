#include "platform/temporary_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <mutex>
#include <set>
#include <string_view>

namespace vecrast {

namespace {

constexpr std::string_view kPrefix = ".vecrast-";
constexpr std::string_view kSuffix = ".tmp";

// Paths of the files being written, kept where a signal handler can read them without
// allocating or locking: a slot is claimed, filled, then armed; the handler reads armed
// slots only.
struct Slot {
  std::atomic<bool> claimed{false};
  std::atomic<bool> armed{false};
  char path[PATH_MAX] = {};
};
std::array<Slot, 8> slots;

void Register(const std::string& path) {
  if (path.size() >= PATH_MAX) return;
  for (Slot& slot : slots) {
    bool expected = false;
    if (!slot.claimed.compare_exchange_strong(expected, true)) continue;
    std::memcpy(slot.path, path.c_str(), path.size() + 1);
    slot.armed.store(true, std::memory_order_release);
    return;
  }
}

void Unregister(const std::string& path) {
  for (Slot& slot : slots) {
    if (slot.armed.load(std::memory_order_acquire) && path == slot.path) {
      slot.armed.store(false, std::memory_order_release);
      slot.claimed.store(false, std::memory_order_release);
      return;
    }
  }
}

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process id in a temporary file's name; 0 when the name is not one of ours.
pid_t OwnerProcess(std::string_view name) {
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return 0;
  name.remove_prefix(kPrefix.size());
  name.remove_suffix(kSuffix.size());
  const std::size_t dash = name.find('-');
  if (dash == std::string_view::npos || !AllDigits(name.substr(dash + 1))) return 0;
  const std::string_view digits = name.substr(0, dash);
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
  return error == std::errc() && end == digits.data() + digits.size() && AllDigits(digits) ? pid : 0;
}

bool ProcessIsGone(pid_t pid) { return kill(pid, 0) != 0 && errno == ESRCH; }

void SweepFolder(const std::string& folder) {
  DIR* entries = opendir(folder.empty() ? "." : folder.c_str());
  if (!entries) return;
  const int fd = dirfd(entries);
  while (const dirent* entry = readdir(entries)) {
    const pid_t pid = OwnerProcess(entry->d_name);
    if (pid <= 0 || pid == getpid() || !ProcessIsGone(pid)) continue;
    struct stat info {};
    if (fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISREG(info.st_mode) && info.st_uid == geteuid()) unlinkat(fd, entry->d_name, 0);
  }
  closedir(entries);
}

}  // namespace

bool CreateTemporaryFile(const std::string& folder, unsigned mode, FileDescriptor& file, std::string& path,
                         std::string& reason) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    path = folder + std::string(kPrefix) + std::to_string(getpid()) + "-" + std::to_string(counter++) +
           std::string(kSuffix);
    file = FileDescriptor(open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode));
    if (file) {
      Register(path);
      return true;
    }
    if (errno != EEXIST) break;
  }
  reason = std::strerror(errno);
  path.clear();
  return false;
}

void DiscardTemporaryFile(const std::string& path) {
  unlink(path.c_str());
  Unregister(path);
}

void KeepTemporaryFile(const std::string& path) { Unregister(path); }

void RemoveTemporaryFilesNow() {
  for (Slot& slot : slots) {
    if (slot.armed.load(std::memory_order_acquire)) unlink(slot.path);
  }
}

void RemoveStaleTemporaryFiles(const std::string& folder) {
  static std::mutex mutex;
  static std::set<std::string> swept;
  {
    std::lock_guard<std::mutex> lock(mutex);
    if (!swept.insert(folder).second) return;
  }
  SweepFolder(folder);
}

}  // namespace vecrast
