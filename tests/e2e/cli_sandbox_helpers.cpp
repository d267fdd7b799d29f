#include "cli_sandbox.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "process_helpers.h"

namespace clitest {

namespace {

void MakeFolder(const std::string& path) { mkdir(path.c_str(), 0700); }

std::vector<std::string> Environment(const std::string& root, const RunOptions& options) {
  std::vector<std::pair<std::string, std::optional<std::string>>> variables = {
      {"HOME", root + "home"},         {"XDG_CONFIG_HOME", root + "config/"},
      {"XDG_RUNTIME_DIR", root + "runtime/"}, {"TMPDIR", root},
      {"PATH", "/usr/bin:/bin"},        {"LANG", "C.UTF-8"}};
  for (const char* passed : vecrast::testing::kSanitizerOptionVariables) {
    if (const char* value = getenv(passed)) variables.emplace_back(passed, value);
  }
  for (const auto& change : options.environment) {
    std::erase_if(variables, [&](const auto& variable) { return variable.first == change.first; });
    if (change.second) variables.emplace_back(change.first, *change.second);
  }
  std::vector<std::string> environment;
  for (const auto& [name, value] : variables) environment.push_back(name + "=" + *value);
  return environment;
}

// In the child: standard input, output and error as the options ask.
void ConnectStreams(const RunOptions& options, const std::string& outFile, const std::string& errFile,
                    int stdinPipe) {
  const int input = stdinPipe >= 0 ? stdinPipe : open("/dev/null", O_RDONLY);
  dup2(input, 0);
  if (options.stdoutClosed) {
    int ends[2];
    if (pipe(ends) == 0) {
      close(ends[0]);
      dup2(ends[1], 1);
    }
  } else {
    dup2(open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
  }
  dup2(open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
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

StartedRun CliSandbox::Start(const std::vector<std::string>& arguments, const RunOptions& options) const {
  StartedRun run;
  const std::string name = root_ + "run" + std::to_string(++runs_);
  run.outFile = name + ".out";
  run.errFile = name + ".err";
  std::vector<std::string> environment = Environment(root_, options);
  std::vector<std::string> argv = {VECRAST_BINARY};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  int input[2] = {-1, -1};
  if (options.stdinText && pipe(input) != 0) return run;

  run.pid = fork();
  if (run.pid == 0) {
    std::vector<char*> cargv, cenv;
    for (auto& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);
    for (auto& e : environment) cenv.push_back(e.data());
    cenv.push_back(nullptr);
    if (input[1] >= 0) close(input[1]);
    ConnectStreams(options, run.outFile, run.errFile, input[0]);
    const rlimit limit{options.fileSizeLimit, options.fileSizeLimit};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(125);
    if (options.addressSpaceMb > 0) {
      const rlim_t bytes = static_cast<rlim_t>(options.addressSpaceMb) << 20;
      const rlimit space{bytes, bytes};
      if (setrlimit(RLIMIT_AS, &space) != 0) _exit(125);
    }
    if (chdir(root_.c_str()) != 0) _exit(126);
    execve(cargv[0], cargv.data(), cenv.data());
    _exit(127);
  }
  if (input[0] >= 0) {
    close(input[0]);
    if (write(input[1], options.stdinText->data(), options.stdinText->size()) < 0) {
      // The run reads what it wants; a run that never reads its input is no failure here.
    }
    close(input[1]);
  }
  return run;
}

RunResult CliSandbox::Wait(const StartedRun& run) const {
  RunResult result;
  if (run.pid <= 0) return result;
  int status = 0;
  waitpid(run.pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadWholeFile(run.outFile);
  result.err = ReadWholeFile(run.errFile);
  std::remove(run.outFile.c_str());
  std::remove(run.errFile.c_str());
  return result;
}

bool CliSandbox::StillRunning(const StartedRun& run) {
  siginfo_t info{};
  return waitid(P_PID, static_cast<id_t>(run.pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
}

RunResult CliSandbox::Run(const std::vector<std::string>& arguments, const RunOptions& options) const {
  return Wait(Start(arguments, options));
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
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
