// The real program started in a side mode ("-T", "-U") on the test's display, in a sandbox of
// its own: private home, configuration and runtime folders, no desktop handlers for web pages,
// and an "xdg-open" that only records what it was asked to open.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace vecrast::uitest {

class SideModeProcess {
 public:
  SideModeProcess();
  ~SideModeProcess();
  SideModeProcess(const SideModeProcess&) = delete;
  SideModeProcess& operator=(const SideModeProcess&) = delete;

  // Starts the program with these arguments; standard error is kept.
  bool Start(const std::vector<std::string>& arguments);
  // Waits for the program to end; its exit status, or -1 when it had to be killed after
  // `seconds`.
  int Wait(double seconds);

  // Every target the program handed to "xdg-open", one per line.
  std::string OpenedTargets() const;
  std::string ErrorOutput() const;
  // The sandbox's root, ending in "/"; the configuration folder.
  const std::string& Root() const { return root_; }
  std::string ConfigHome() const { return root_ + "config/"; }

 private:
  std::string root_;
  pid_t pid_ = -1;
};

// Runs a command line (xdotool) and returns its standard output; "" when it fails.
std::string CommandOutput(const std::string& command);

}  // namespace vecrast::uitest
