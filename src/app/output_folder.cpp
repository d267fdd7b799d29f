#include "app/output_folder.h"

#include <unistd.h>

#include <vector>

namespace vecrast {

namespace {

std::string CurrentFolder() {
  std::vector<char> buffer(4096);
  if (!getcwd(buffer.data(), buffer.size())) return "./";
  std::string folder = buffer.data();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

std::string FolderPart(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FolderBesideInput(const std::string& inputPath) {
  const std::string folder = FolderPart(inputPath);
  if (folder.starts_with("/")) return folder;
  return CurrentFolder() + folder;
}

std::string ResolveOutputFolder(const std::string& folder, const std::string& programFolder) {
  std::string resolved = folder;
  if (!resolved.starts_with("/")) {
    if (resolved.starts_with("./")) resolved.erase(0, 2);
    resolved = programFolder + resolved;
  }
  if (resolved.empty() || resolved.back() != '/') resolved += '/';
  return resolved;
}

}  // namespace vecrast
