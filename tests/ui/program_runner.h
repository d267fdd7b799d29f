// Running programs from the window's end-to-end tests: the built vecrast in a home of its own,
// xdotool, the window manager.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

namespace vecrast::uitest {

struct ProgramResult {
  int status = -1;  // exit status; -1 when it did not exit normally or in time
  std::string out;
  std::string err;
};

// The environment of the program under test: a private home and configuration, the test's
// display, no desktop services.
std::vector<std::string> SandboxEnvironment(const std::string& home);

// Runs `argv` to its end (at most `seconds`; then it is killed) with standard input from
// /dev/null, collecting both outputs.
ProgramResult RunProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                         double seconds = 30);

// A program that runs beside the test; killed (and reaped) when the handle goes.
class BackgroundProgram {
 public:
  BackgroundProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment);
  ~BackgroundProgram();
  BackgroundProgram(const BackgroundProgram&) = delete;
  BackgroundProgram& operator=(const BackgroundProgram&) = delete;

  // Waits up to `seconds` for the program to end; its exit status, or -1.
  int Wait(double seconds);
  bool Running() const { return pid_ > 0; }

 private:
  pid_t pid_ = -1;
};

// Starts a window manager (openbox) on the test's display and waits until it manages the
// screen; it ends with the returned handle.
std::unique_ptr<BackgroundProgram> StartWindowManager();

// Runs xdotool with these arguments on the test's display; true when it succeeded in time.
bool Xdotool(const std::vector<std::string>& arguments, double seconds = 15);

}  // namespace vecrast::uitest
