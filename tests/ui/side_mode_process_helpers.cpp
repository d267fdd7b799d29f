#include "side_mode_process.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "process_helpers.h"
#include "temp_folder.h"

namespace vecrast::uitest {

namespace {

// The desktop's data without its applications: GTK finds its images and types, the program
// finds no handler for web pages but the recording "xdg-open".
void LinkDesktopData(const std::string& folder) {
  std::filesystem::create_directories(folder);
  for (const char* part : {"mime", "icons", "themes", "glib-2.0"}) {
    std::error_code ignored;
    std::filesystem::create_directory_symlink(std::string("/usr/share/") + part, folder + part, ignored);
  }
}

}  // namespace

SideModeProcess::SideModeProcess() {
  char pattern[] = "/tmp/vecrast_side_XXXXXX";
  const char* made = mkdtemp(pattern);
  root_ = made ? std::string(made) + "/" : std::string("/tmp/");
  for (const char* sub : {"home", "config", "runtime", "bin", "out"}) ::mkdir((root_ + sub).c_str(), 0700);
  LinkDesktopData(root_ + "data/");
  testing::WriteFileBytes(root_ + "bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + root_ + "opened.log'\n");
  ::chmod((root_ + "bin/xdg-open").c_str(), 0700);
}

SideModeProcess::~SideModeProcess() {
  if (pid_ > 0) Wait(0);
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

bool SideModeProcess::Start(const std::vector<std::string>& arguments) {
  std::vector<std::string> env = {"HOME=" + root_ + "home",        "XDG_CONFIG_HOME=" + ConfigHome(),
                                  "XDG_RUNTIME_DIR=" + root_ + "runtime", "XDG_DATA_HOME=" + root_ + "data",
                                  "XDG_DATA_DIRS=" + root_ + "data",      "PATH=" + root_ + "bin:/usr/bin:/bin",
                                  "LANG=C.UTF-8",                       "NO_AT_BRIDGE=1"};
  for (const std::string& inherited : testing::InheritedVariables({"DISPLAY", "VECRAST_SITE"})) env.push_back(inherited);
  std::vector<std::string> argv = {VECRAST_BINARY};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  pid_ = fork();
  if (pid_ == 0) {
    std::vector<char*> cargv, cenv;
    for (auto& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);
    for (auto& e : env) cenv.push_back(e.data());
    cenv.push_back(nullptr);
    const int devNull = open("/dev/null", O_RDWR);
    const int errors = open((root_ + "stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(devNull, 0);
    dup2(devNull, 1);
    dup2(errors, 2);
    if (chdir(root_.c_str()) != 0) _exit(126);
    execve(cargv[0], cargv.data(), cenv.data());
    _exit(127);
  }
  return pid_ > 0;
}

int SideModeProcess::Wait(double seconds) {
  if (pid_ <= 0) return -1;
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  int status = 0;
  while (waitpid(pid_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > end) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      pid_ = -1;
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string SideModeProcess::OpenedTargets() const { return testing::ReadFileBytes(root_ + "opened.log"); }
std::string SideModeProcess::ErrorOutput() const { return testing::ReadFileBytes(root_ + "stderr.txt"); }

std::string CommandOutput(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {};
  std::string output;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  return pclose(pipe) == 0 ? output : std::string();
}

}  // namespace vecrast::uitest
