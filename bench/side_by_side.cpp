// The whole-process time of a one-file conversion, side by side with the program's own
// load-and-exit floor and with libwmf's wmf2gd when it is installed: on every corpus
// metafile, the three commands run one after the other (interleaved, so machine load
// falls on all three alike), for several rounds. Prints the median wall and CPU time of
// each and the ratios of the medians.
//   side_by_side --vecrast PATH [--wmf2gd PATH] [--corpus DIR] [--rounds N] [--only TEXT]
// Exit status 0; 2 when the corpus cannot be read or the options are wrong.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "fidelity/corpus_index.h"
#include "fidelity/statistics.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace vecrast::fidelity;
using Clock = std::chrono::steady_clock;

struct Options {
  std::string corpus = DefaultCorpusDir();
  std::string vecrast;
  std::string wmf2gd;
  std::string only;
  int rounds = 3;
};

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return false;
    const std::string value = argv[++i];
    if (arg == "--corpus") o.corpus = value;
    else if (arg == "--vecrast") o.vecrast = value;
    else if (arg == "--wmf2gd") o.wmf2gd = value;
    else if (arg == "--only") o.only = value;
    else if (arg == "--rounds") o.rounds = std::max(1, std::atoi(value.c_str()));
    else return false;
  }
  return !o.vecrast.empty();
}

struct Sample {
  double wallMs = 0;
  double cpuMs = 0;
  bool ok = false;
};

// Runs one command with its output discarded; wall time from just before the spawn to the
// child's end, CPU time (user + system) of the child.
Sample Run(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  Sample s;
  const auto start = Clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return s;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return s;
  s.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
  s.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
  s.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return s;
}

struct Contender {
  explicit Contender(std::string name) : label(std::move(name)) {}
  std::string label;
  std::vector<double> wall, cpu;
  size_t failures = 0;
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fputs("usage: side_by_side --vecrast PATH [--wmf2gd PATH] [--corpus DIR] [--rounds N] [--only TEXT]\n", stderr);
    return 2;
  }
  std::vector<CorpusFile> corpus;
  std::string reason;
  if (!LoadCorpus(options.corpus, corpus, reason)) {
    std::fprintf(stderr, "side_by_side: %s\n", reason.c_str());
    return 2;
  }
  std::vector<std::string> files;
  for (const CorpusFile& f : corpus) {
    if (options.only.empty() || f.name.find(options.only) != std::string::npos) files.push_back(f.path);
  }
  char folderTemplate[] = "/tmp/side-by-side-XXXXXX";
  if (!mkdtemp(folderTemplate)) {
    std::perror("side_by_side: temporary folder");
    return 2;
  }
  const std::string out = std::string(folderTemplate) + "/";

  std::vector<Contender> contenders{Contender("vecrast"), Contender("vecrast -v (floor)")};
  if (!options.wmf2gd.empty()) contenders.emplace_back("wmf2gd");
  for (int round = 0; round < options.rounds; ++round) {
    for (const std::string& file : files) {
      std::vector<std::vector<std::string>> commands{{options.vecrast, "-q", "-i", file, "-o", out},
                                                     {options.vecrast, "-v"}};
      if (!options.wmf2gd.empty()) commands.push_back({options.wmf2gd, "-t", "jpeg", "-o", out + "wmf2gd.jpg", file});
      for (size_t c = 0; c < commands.size(); ++c) {
        const Sample s = Run(commands[c]);
        contenders[c].wall.push_back(s.wallMs);
        contenders[c].cpu.push_back(s.cpuMs);
        if (!s.ok) ++contenders[c].failures;
      }
    }
  }
  std::error_code ec;
  fs::remove_all(folderTemplate, ec);

  std::printf("%zu corpus metafiles x %d rounds, interleaved; whole process per file\n", files.size(), options.rounds);
  std::printf("%-20s %8s %14s %13s\n", "", "failed", "median wall ms", "median CPU ms");
  for (const Contender& c : contenders) {
    std::printf("%-20s %8zu %14.2f %13.2f\n", c.label.c_str(), c.failures, Median(c.wall), Median(c.cpu));
  }
  const double ours = Median(contenders[0].wall);
  for (size_t c = 1; c < contenders.size(); ++c) {
    std::printf("ratio vecrast / %-20s %.2f (wall), %.2f (CPU)\n", contenders[c].label.c_str(),
                ours / Median(contenders[c].wall), Median(contenders[0].cpu) / Median(contenders[c].cpu));
  }
  return 0;
}
