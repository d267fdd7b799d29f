#include "platform/paths.h"

#include <unistd.h>

#include <cstdlib>
#include <memory>

namespace vecrast {

std::string CurrentFolder() {
  const std::unique_ptr<char, decltype(&std::free)> folder(getcwd(nullptr, 0), &std::free);
  if (!folder) return "./";
  std::string text = folder.get();
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

std::string AbsolutePath(const std::string& path) {
  if (path.starts_with("/")) return path;
  return CurrentFolder() + path;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace vecrast
