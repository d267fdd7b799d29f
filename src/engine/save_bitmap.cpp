#include "engine/save_bitmap.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace vecrast {

namespace {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Creates a new, empty, hidden file in the folder (never an existing one) and gives its path.
bool CreateTemporaryFile(const std::string& folder, std::string& temporary, std::string& reason) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = folder + ".vecrast-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      close(fd);
      return true;
    }
    if (errno != EEXIST) break;
  }
  reason = "cannot create a file in the output folder \"" + folder + "\": " + std::strerror(errno);
  return false;
}

// FreeImage reports why a plugin refuses through a process-wide message hook; the message
// of the current thread's last call is kept for the failure reason.
thread_local std::string libraryMessage;

void KeepLibraryMessage(FREE_IMAGE_FORMAT, const char* message) { libraryMessage = message ? message : ""; }

void CaptureLibraryMessages() {
  static std::once_flag installed;
  std::call_once(installed, [] { FreeImage_SetOutputMessage(KeepLibraryMessage); });
  libraryMessage.clear();
}

}  // namespace

bool SaveBitmapReplacing(FIBITMAP* bitmap, int formatId, const std::string& path, int flags, std::string& reason) {
  if (!bitmap) {
    reason = "no image to save";
    return false;
  }
  std::string temporary;
  if (!CreateTemporaryFile(FolderOf(path), temporary, reason)) return false;
  CaptureLibraryMessages();
  if (!FreeImage_Save(static_cast<FREE_IMAGE_FORMAT>(formatId), bitmap, temporary.c_str(), flags)) {
    unlink(temporary.c_str());
    reason = "the image library did not save the image";
    if (!libraryMessage.empty()) reason += ": " + libraryMessage;
    return false;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    reason = "cannot write \"" + path + "\": " + std::strerror(errno);
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace vecrast
