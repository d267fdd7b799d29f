#include "app/output_folder.h"

#include "platform/paths.h"

namespace vecrast {

std::string FolderBesideInput(const std::string& inputPath) { return AbsolutePath(FolderOf(inputPath)); }

std::string ResolveOutputFolder(const std::string& folder) {
  std::string resolved = folder;
  if (!resolved.starts_with("/")) {
    if (resolved.starts_with("./")) resolved.erase(0, 2);
    resolved = CurrentFolder() + resolved;
  }
  if (resolved.back() != '/') resolved += '/';
  return resolved;
}

}  // namespace vecrast
