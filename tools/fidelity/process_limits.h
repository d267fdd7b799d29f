// Running untrusted work in child processes with a time limit and a memory limit, so a
// crash, a hang or a runaway allocation is observed and reported instead of suffered.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vecrast::fidelity {

struct ProcessLimits {
  int timeoutMs = 10000;     // wall time per job or command
  size_t memoryMb = 2048;    // address space; not applied in sanitizer builds (their shadow memory needs terabytes)
};

// Applies the memory limit to the calling process and turns core dumps off.
void ApplyLimits(const ProcessLimits& limits);

// False in sanitizer builds, where the memory limit is left off.
bool MemoryLimitApplies();

// How a command run by RunCommands ended.
struct CommandOutcome {
  enum class End { Exited, Signaled, TimedOut, NotStarted };
  End end = End::NotStarted;
  int exitStatus = 0;
  int signal = 0;
  std::string errorText;  // what it wrote to standard error (first 64 KiB)
  double ms = 0;
};

// Runs each command (argv[0] a path) with the limits, up to `parallel` at a time;
// standard output is discarded. Outcomes are in command order.
std::vector<CommandOutcome> RunCommands(const std::vector<std::vector<std::string>>& commands,
                                        const ProcessLimits& limits, int parallel);

// How a job run by RunInWorkers ended.
struct JobOutcome {
  enum class End { Done, Crashed, TimedOut };
  End end = End::Crashed;
  std::string text;  // what the job returned, when Done
  int signal = 0;    // when Crashed by a signal
  int exitStatus = 0;
};

// Runs work(0) .. work(jobCount - 1) in `workers` forked worker processes under the limits.
// A worker that crashes or exceeds the time limit costs only its current job: it is
// replaced and the remaining jobs go on. Outcomes are in job order.
std::vector<JobOutcome> RunInWorkers(size_t jobCount, int workers, const ProcessLimits& limits,
                                     const std::function<std::string(size_t)>& work);

// "exit 3", "signal 11 (Segmentation fault)", "timed out" ...
std::string DescribeEnd(const CommandOutcome& outcome);
std::string DescribeEnd(const JobOutcome& outcome);

}  // namespace vecrast::fidelity
