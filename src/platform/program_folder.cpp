#include "platform/program_folder.h"

#include <unistd.h>

#include <vector>

namespace vecrast {

std::string ProgramFolder() {
  std::vector<char> buffer(4096);
  ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (length <= 0 || static_cast<size_t>(length) >= buffer.size()) return "./";
  std::string path(buffer.data(), static_cast<size_t>(length));
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "./";
  return path.substr(0, slash + 1);
}

}  // namespace vecrast
