#include "cli_sandbox.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace clitest {

namespace {

void MakeFolder(const std::string& path) { mkdir(path.c_str(), 0700); }

// Reads both pipes until the child closes them.
void Drain(int outFd, int errFd, std::string& out, std::string& err) {
  pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
  std::string* sinks[2] = {&out, &err};
  int open = 2;
  char buffer[4096];
  while (open > 0) {
    if (poll(fds, 2, -1) < 0) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
}

}  // namespace

CliSandbox::CliSandbox() {
  char pattern[] = "/tmp/vecrast_cli_XXXXXX";
  const char* made = mkdtemp(pattern);
  root_ = made ? std::string(made) + "/" : std::string("/tmp/");
  for (const char* sub : {"home", "config", "runtime", "in", "out"}) MakeFolder(root_ + sub);
}

CliSandbox::~CliSandbox() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string CliSandbox::WriteFile(const std::string& relativePath, const std::string& bytes) const {
  const std::string path = root_ + relativePath;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

RunResult CliSandbox::Run(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                          size_t addressSpaceMb) const {
  int outPipe[2], errPipe[2];
  RunResult result;
  if (pipe(outPipe) != 0 || pipe(errPipe) != 0) return result;
  std::vector<std::string> env = {"HOME=" + root_ + "home", "XDG_CONFIG_HOME=" + ConfigHome(),
                                  "XDG_RUNTIME_DIR=" + RuntimeFolder(), "TMPDIR=" + root_,
                                  "PATH=/usr/bin:/bin", "LANG=C.UTF-8"};
  if (const char* asan = getenv("ASAN_OPTIONS")) env.push_back(std::string("ASAN_OPTIONS=") + asan);
  if (const char* ubsan = getenv("UBSAN_OPTIONS")) env.push_back(std::string("UBSAN_OPTIONS=") + ubsan);
  for (const std::string& variable : environment) {
    const std::string name = variable.substr(0, variable.find('=') + 1);
    std::erase_if(env, [&name](const std::string& e) { return e.rfind(name, 0) == 0; });
    env.push_back(variable);
  }
  std::vector<std::string> argv = {VECRAST_BINARY};
  argv.insert(argv.end(), arguments.begin(), arguments.end());

  const pid_t pid = fork();
  if (pid == 0) {
    std::vector<char*> cargv, cenv;
    for (auto& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);
    for (auto& e : env) cenv.push_back(e.data());
    cenv.push_back(nullptr);
    const int devNull = open("/dev/null", O_RDONLY);
    dup2(devNull, 0);
    dup2(outPipe[1], 1);
    dup2(errPipe[1], 2);
    close(outPipe[0]);
    close(errPipe[0]);
    if (chdir(root_.c_str()) != 0) _exit(126);
    if (addressSpaceMb > 0) {
      const rlimit limit{addressSpaceMb << 20, addressSpaceMb << 20};
      if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(125);
    }
    execve(cargv[0], cargv.data(), cenv.data());
    _exit(127);
  }
  close(outPipe[1]);
  close(errPipe[1]);
  Drain(outPipe[0], errPipe[0], result.out, result.err);
  int status = 0;
  waitpid(pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

}  // namespace clitest
