// Runs the built vecrast binary in a sandbox of its own: a temporary folder holding the
// user's home, configuration and runtime folders, and folders for inputs and outputs.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace clitest {

struct RunResult {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;  // standard output
  std::string err;  // standard error
};

class CliSandbox {
 public:
  CliSandbox();
  ~CliSandbox();
  CliSandbox(const CliSandbox&) = delete;
  CliSandbox& operator=(const CliSandbox&) = delete;

  // Runs the binary with these arguments (standard input from /dev/null) and waits for it.
  // `environment` ("NAME=value") adds to or replaces the sandbox's own variables; with
  // `addressSpaceMb`, it runs under that limit of its address space (as `ulimit -v` sets).
  RunResult Run(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {},
                size_t addressSpaceMb = 0) const;

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
};

// The lines of a text, without their "\n".
std::vector<std::string> Lines(const std::string& text);

// The entries of a folder (names only, sorted).
std::vector<std::string> FolderEntries(const std::string& folder);

bool FileExists(const std::string& path);
std::string ReadWholeFile(const std::string& path);

}  // namespace clitest
