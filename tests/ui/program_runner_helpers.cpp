#include "program_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "process_helpers.h"

namespace vecrast::uitest {

namespace {

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

pid_t Start(std::vector<std::string> argv, std::vector<std::string> environment, int outFd, int errFd) {
  std::vector<char*> args = Pointers(argv);
  std::vector<char*> env = Pointers(environment);
  const pid_t pid = fork();
  if (pid != 0) return pid;
  const int null = open("/dev/null", O_RDWR);
  dup2(null, 0);
  dup2(outFd >= 0 ? outFd : null, 1);
  dup2(errFd >= 0 ? errFd : null, 2);
  setpgid(0, 0);
  execvpe(args[0], args.data(), env.data());
  _exit(127);
}

// Waits for `pid` until `deadline`; the exit status, or -1 (killed) on time-out.
int Reap(pid_t pid, std::chrono::steady_clock::time_point deadline) {
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(-pid, SIGKILL);
      waitpid(pid, &status, 0);
      return -1;
    }
    usleep(5000);
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::chrono::steady_clock::time_point After(double seconds) {
  return std::chrono::steady_clock::now() +
         std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
}

}  // namespace

std::vector<std::string> SandboxEnvironment(const std::string& home) {
  std::vector<std::string> environment = {"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config",
                                          "XDG_RUNTIME_DIR=" + home, "TMPDIR=" + home,
                                          "PATH=/usr/bin:/bin", "LANG=C.UTF-8", "NO_AT_BRIDGE=1",
                                          "GSETTINGS_BACKEND=memory"};
  for (const std::string& inherited : testing::InheritedVariables({"DISPLAY"})) environment.push_back(inherited);
  return environment;
}

ProgramResult RunProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                         double seconds) {
  ProgramResult result;
  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return result;
  const pid_t pid = Start(argv, environment, out[1], err[1]);
  close(out[1]);
  close(err[1]);
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  const auto deadline = After(seconds);
  for (int open = 2; open > 0 && std::chrono::steady_clock::now() < deadline;) {
    if (poll(fds, 2, 100) <= 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
      char buffer[4096];
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
  for (pollfd& fd : fds) {
    if (fd.fd >= 0) close(fd.fd);
  }
  result.status = Reap(pid, deadline);
  return result;
}

BackgroundProgram::BackgroundProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment)
    : pid_(Start(argv, environment, -1, 2)) {}

BackgroundProgram::~BackgroundProgram() {
  if (pid_ <= 0) return;
  kill(-pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

int BackgroundProgram::Wait(double seconds) {
  if (pid_ <= 0) return -1;
  const int status = Reap(pid_, After(seconds));
  pid_ = -1;
  return status;
}

std::unique_ptr<BackgroundProgram> StartWindowManager() {
  std::vector<std::string> environment = {"PATH=/usr/bin:/bin"};
  if (const char* display = std::getenv("DISPLAY")) environment.push_back(std::string("DISPLAY=") + display);
  auto manager = std::make_unique<BackgroundProgram>(std::vector<std::string>{"openbox", "--sm-disable"}, environment);
  for (int i = 0; i < 200; ++i) {
    if (RunProgram({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}, environment).out.find("window id") !=
        std::string::npos) {
      break;
    }
    usleep(25000);
  }
  return manager;
}

bool Xdotool(const std::vector<std::string>& arguments, double seconds) {
  std::vector<std::string> argv = {"xdotool"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<std::string> environment = {"PATH=/usr/bin:/bin"};
  if (const char* display = std::getenv("DISPLAY")) environment.push_back(std::string("DISPLAY=") + display);
  return RunProgram(argv, environment, seconds).status == 0;
}

}  // namespace vecrast::uitest
