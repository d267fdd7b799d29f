#include "platform/program_folder.h"

#include <unistd.h>

#include <vector>

namespace vecrast {

namespace {

std::string ExecutablePath() {
  std::vector<char> buffer(4096);
  ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (length <= 0 || static_cast<size_t>(length) >= buffer.size()) return {};
  return std::string(buffer.data(), static_cast<size_t>(length));
}

}  // namespace

std::string ProgramFolder() {
  const std::string path = ExecutablePath();
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "./";
  return path.substr(0, slash + 1);
}

std::string ProgramName() {
  std::string name = ExecutablePath();
  name.erase(0, name.rfind('/') + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

}  // namespace vecrast
