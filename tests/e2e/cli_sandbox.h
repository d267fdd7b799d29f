// Runs the built vecrast binary in a sandbox of its own: a temporary folder holding the
// user's home, configuration and runtime folders, and folders for inputs and outputs.
#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "temp_folder.h"

namespace clitest {

struct RunResult {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;  // standard output
  std::string err;  // standard error
};

// How a run differs from the plain one.
struct RunOptions {
  // Environment variables to set (a value) or remove (no value) on top of the sandbox's.
  std::vector<std::pair<std::string, std::optional<std::string>>> environment;
  // The run's limit on the size of a file it writes (RLIMIT_FSIZE).
  rlim_t fileSizeLimit = RLIM_INFINITY;
  // Standard output is a pipe whose reader has already gone ("vecrast ... | head -0").
  bool stdoutClosed = false;
  // What standard input holds, through a pipe; without it standard input is /dev/null.
  std::optional<std::string> stdinText;
  // The run's limit on its address space in MiB (as `ulimit -v` sets); 0: none.
  size_t addressSpaceMb = 0;
};

// A run started and not yet waited for.
struct StartedRun {
  pid_t pid = -1;
  std::string outFile;
  std::string errFile;
};

class CliSandbox {
 public:
  CliSandbox();
  ~CliSandbox();
  CliSandbox(const CliSandbox&) = delete;
  CliSandbox& operator=(const CliSandbox&) = delete;

  // Runs the binary with these arguments, in the sandbox root as the current folder, and waits
  // for it.
  RunResult Run(const std::vector<std::string>& arguments, const RunOptions& options = {}) const;
  // Starts a run without waiting; several may run at once.
  StartedRun Start(const std::vector<std::string>& arguments, const RunOptions& options = {}) const;
  // Waits for a started run and collects what it printed.
  RunResult Wait(const StartedRun& run) const;
  // True while a started run has not ended.
  static bool StillRunning(const StartedRun& run);

  const std::string& Root() const { return root_; }  // ends in "/"
  std::string In() const { return root_ + "in/"; }
  std::string Out() const { return root_ + "out/"; }
  std::string ConfigHome() const { return root_ + "config/"; }
  std::string RuntimeFolder() const { return root_ + "runtime/"; }
  // Where the single-instance lock of this version lives in the sandbox.
  std::string LockPath() const { return RuntimeFolder() + "Zentrafax WMF to JPG 2.5.lock"; }

  // Writes a file below the sandbox root; returns its full path.
  std::string WriteFile(const std::string& relativePath, const std::string& bytes) const;

 private:
  std::string root_;
  mutable int runs_ = 0;
};

// The lines of a text, without their "\n".
std::vector<std::string> Lines(const std::string& text);

// The entries of a folder (names only, sorted).
using vecrast::testing::FolderEntries;

bool FileExists(const std::string& path);
std::string ReadWholeFile(const std::string& path);

}  // namespace clitest
