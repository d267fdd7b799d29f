#include "engine/save_bitmap.h"

#include <memory>
#include <mutex>
#include <string_view>

#include "platform/replace_file.h"

namespace vecrast {

namespace {

struct MemoryCloser {
  void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};
using Memory = std::unique_ptr<FIMEMORY, MemoryCloser>;

// FreeImage reports why a plugin refuses through a process-wide message hook; the message
// of the current thread's last call is kept for the failure reason.
thread_local std::string libraryMessage;

void KeepLibraryMessage(FREE_IMAGE_FORMAT, const char* message) { libraryMessage = message ? message : ""; }

void CaptureLibraryMessages() {
  static std::once_flag installed;
  std::call_once(installed, [] { FreeImage_SetOutputMessage(KeepLibraryMessage); });
  libraryMessage.clear();
}

// The encoded file in memory: the library's own file writing does not report a failing
// final write, so the bytes are written and checked by ReplaceFile instead.
bool Encode(FIBITMAP* bitmap, int formatId, int flags, Memory& memory, std::string_view& bytes,
            std::string& reason) {
  memory.reset(FreeImage_OpenMemory());
  CaptureLibraryMessages();
  if (!memory || !FreeImage_SaveToMemory(static_cast<FREE_IMAGE_FORMAT>(formatId), bitmap, memory.get(), flags)) {
    reason = "the image library did not save the image";
    if (!libraryMessage.empty()) reason += ": " + libraryMessage;
    return false;
  }
  BYTE* data = nullptr;
  DWORD size = 0;
  if (!FreeImage_AcquireMemory(memory.get(), &data, &size) || !data) {
    reason = "the image library gave no encoded image";
    return false;
  }
  bytes = std::string_view(reinterpret_cast<const char*>(data), size);
  return true;
}

}  // namespace

bool SaveBitmapReplacing(FIBITMAP* bitmap, int formatId, const std::string& path, int flags, std::string& reason) {
  if (!bitmap) {
    reason = "no image to save";
    return false;
  }
  Memory memory;
  std::string_view bytes;
  return Encode(bitmap, formatId, flags, memory, bytes, reason) && ReplaceFile(path, bytes, reason);
}

}  // namespace vecrast
