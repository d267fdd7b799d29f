#include "fidelity/process_limits.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace vecrast::fidelity {
namespace {

using Clock = std::chrono::steady_clock;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr size_t kMaxErrorText = 64 * 1024;
constexpr uint32_t kStopWorker = 0xFFFFFFFF;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int MillisecondsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return int(std::clamp<long long>(left, 0, 1000));
}

bool WriteAll(int fd, const void* data, size_t size) {
  const auto* p = static_cast<const uint8_t*>(data);
  while (size > 0) {
    const ssize_t n = write(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= size_t(n);
  }
  return true;
}

bool ReadAll(int fd, void* data, size_t size) {
  auto* p = static_cast<uint8_t*>(data);
  while (size > 0) {
    const ssize_t n = read(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= size_t(n);
  }
  return true;
}

// Appends what is readable now; false at end of file or on error.
bool ReadAvailable(int fd, std::string& into, size_t cap) {
  char chunk[65536];
  const ssize_t n = read(fd, chunk, sizeof chunk);
  if (n < 0) return errno == EINTR || errno == EAGAIN;
  if (n == 0) return false;
  into.append(chunk, std::min(size_t(n), cap > into.size() ? cap - into.size() : 0));
  return true;
}

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

// ---- commands -------------------------------------------------------------------------

struct RunningCommand {
  pid_t pid = -1;
  int errFd = -1;
  size_t index = 0;
  Clock::time_point start;
  bool exited = false;
  int status = 0;
  bool timedOut = false;
};

bool SpawnCommand(const std::vector<std::string>& argv, const ProcessLimits& limits, RunningCommand& run) {
  int errPipe[2];
  if (pipe2(errPipe, O_CLOEXEC) != 0) return false;
  run.start = Clock::now();
  const pid_t pid = fork();
  if (pid < 0) {
    close(errPipe[0]);
    close(errPipe[1]);
    return false;
  }
  if (pid == 0) {
    ApplyLimits(limits);
    const int devNull = open("/dev/null", O_RDWR);
    dup2(devNull, STDIN_FILENO);
    dup2(devNull, STDOUT_FILENO);
    dup2(errPipe[1], STDERR_FILENO);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    const std::string message = std::string("cannot run ") + argv[0] + ": " + std::strerror(errno) + "\n";
    WriteAll(STDERR_FILENO, message.data(), message.size());
    _exit(127);
  }
  close(errPipe[1]);
  run.pid = pid;
  run.errFd = errPipe[0];
  return true;
}

CommandOutcome FinishCommand(const RunningCommand& run, std::string errorText) {
  CommandOutcome outcome;
  outcome.ms = MillisecondsSince(run.start);
  outcome.errorText = std::move(errorText);
  if (run.timedOut) {
    outcome.end = CommandOutcome::End::TimedOut;
  } else if (WIFSIGNALED(run.status)) {
    outcome.end = CommandOutcome::End::Signaled;
    outcome.signal = WTERMSIG(run.status);
  } else {
    outcome.end = CommandOutcome::End::Exited;
    outcome.exitStatus = WEXITSTATUS(run.status);
  }
  return outcome;
}

// ---- workers --------------------------------------------------------------------------

struct Worker {
  pid_t pid = -1;
  int commandFd = -1;  // parent writes job numbers
  int resultFd = -1;   // parent reads length-prefixed results
  long job = -1;
  Clock::time_point deadline;
  std::string buffer;
};

[[noreturn]] void WorkerLoop(int commandFd, int resultFd, const std::function<std::string(size_t)>& work) {
  uint32_t job = 0;
  while (ReadAll(commandFd, &job, sizeof job) && job != kStopWorker) {
    const std::string text = work(job);
    const auto length = uint32_t(text.size());
    if (!WriteAll(resultFd, &length, sizeof length) || !WriteAll(resultFd, text.data(), text.size())) break;
  }
  _exit(0);
}

bool StartWorker(Worker& worker, const std::vector<Worker>& all, const ProcessLimits& limits,
                 const std::function<std::string(size_t)>& work) {
  int commands[2], results[2];
  if (pipe2(commands, O_CLOEXEC) != 0) return false;
  if (pipe2(results, O_CLOEXEC) != 0) {
    close(commands[0]);
    close(commands[1]);
    return false;
  }
  const pid_t pid = fork();
  if (pid < 0) {
    for (int fd : {commands[0], commands[1], results[0], results[1]}) close(fd);
    return false;
  }
  if (pid == 0) {
    for (const Worker& other : all) {
      if (other.commandFd >= 0) close(other.commandFd);
      if (other.resultFd >= 0) close(other.resultFd);
    }
    close(commands[1]);
    close(results[0]);
    ApplyLimits(limits);
    WorkerLoop(commands[0], results[1], work);
  }
  close(commands[0]);
  close(results[1]);
  fcntl(results[0], F_SETFL, O_NONBLOCK);  // the parent polls all workers and must never block on one
  worker.pid = pid;
  worker.commandFd = commands[1];
  worker.resultFd = results[0];
  worker.job = -1;
  worker.buffer.clear();
  return true;
}

void StopWorker(Worker& worker, bool kill) {
  if (worker.pid < 0) return;
  if (kill) {
    ::kill(worker.pid, SIGKILL);
  } else {
    WriteAll(worker.commandFd, &kStopWorker, sizeof kStopWorker);
  }
  CloseFd(worker.commandFd);
  CloseFd(worker.resultFd);
  int status = 0;
  waitpid(worker.pid, &status, 0);
  worker.pid = -1;
  worker.job = -1;
}

// Gives the worker its next job, or stops it when none is left.
void Assign(Worker& worker, size_t& next, size_t jobCount, const ProcessLimits& limits) {
  if (next >= jobCount) {
    StopWorker(worker, false);
    return;
  }
  const auto job = uint32_t(next);
  worker.job = long(next++);
  worker.deadline = Clock::now() + std::chrono::milliseconds(limits.timeoutMs);
  if (!WriteAll(worker.commandFd, &job, sizeof job)) worker.deadline = Clock::now();  // treated as dead below
}

// Takes a complete result from the worker's buffer, if there is one.
bool TakeResult(Worker& worker, std::string& text) {
  uint32_t length = 0;
  if (worker.buffer.size() < sizeof length) return false;
  std::memcpy(&length, worker.buffer.data(), sizeof length);
  if (worker.buffer.size() < sizeof length + length) return false;
  text = worker.buffer.substr(sizeof length, length);
  worker.buffer.erase(0, sizeof length + length);
  return true;
}

}  // namespace

bool MemoryLimitApplies() { return !kSanitized; }

void ApplyLimits(const ProcessLimits& limits) {
  const rlimit noCore{0, 0};
  setrlimit(RLIMIT_CORE, &noCore);
  if (kSanitized || limits.memoryMb == 0) return;
  const rlim_t bytes = rlim_t(limits.memoryMb) << 20;
  const rlimit memory{bytes, bytes};
  setrlimit(RLIMIT_AS, &memory);
}

std::vector<CommandOutcome> RunCommands(const std::vector<std::vector<std::string>>& commands,
                                        const ProcessLimits& limits, int parallel) {
  std::vector<CommandOutcome> outcomes(commands.size());
  std::vector<RunningCommand> running;
  std::vector<std::string> errors(commands.size());
  size_t next = 0;
  while (next < commands.size() || !running.empty()) {
    while (running.size() < size_t(std::max(1, parallel)) && next < commands.size()) {
      RunningCommand run;
      run.index = next++;
      if (SpawnCommand(commands[run.index], limits, run)) running.push_back(run);
    }
    std::vector<pollfd> fds;
    for (const RunningCommand& run : running) {
      if (run.errFd >= 0) fds.push_back({run.errFd, POLLIN, 0});
    }
    poll(fds.data(), fds.size(), 10);
    for (RunningCommand& run : running) {
      if (run.errFd >= 0) {
        const pollfd* fd = std::find_if(fds.data(), fds.data() + fds.size(),
                                        [&](const pollfd& p) { return p.fd == run.errFd; });
        if (fd != fds.data() + fds.size() && fd->revents != 0 && !ReadAvailable(run.errFd, errors[run.index], kMaxErrorText)) {
          CloseFd(run.errFd);
        }
      }
      if (!run.exited && waitpid(run.pid, &run.status, WNOHANG) == run.pid) run.exited = true;
      if (!run.exited && MillisecondsSince(run.start) > limits.timeoutMs) {
        kill(run.pid, SIGKILL);
        waitpid(run.pid, &run.status, 0);
        run.exited = true;
        run.timedOut = true;
        CloseFd(run.errFd);
      }
    }
    for (auto it = running.begin(); it != running.end();) {
      if (it->exited && it->errFd < 0) {
        outcomes[it->index] = FinishCommand(*it, std::move(errors[it->index]));
        it = running.erase(it);
      } else {
        ++it;
      }
    }
  }
  return outcomes;
}

std::vector<JobOutcome> RunInWorkers(size_t jobCount, int workers, const ProcessLimits& limits,
                                     const std::function<std::string(size_t)>& work) {
  signal(SIGPIPE, SIG_IGN);
  std::vector<JobOutcome> outcomes(jobCount);
  std::vector<Worker> pool(std::clamp<size_t>(size_t(std::max(1, workers)), 1, std::max<size_t>(jobCount, 1)));
  size_t next = 0;
  size_t finished = 0;
  auto restart = [&](Worker& worker) {
    if (next < jobCount && StartWorker(worker, pool, limits, work)) Assign(worker, next, jobCount, limits);
  };
  for (Worker& worker : pool) restart(worker);
  while (finished < jobCount) {
    std::vector<pollfd> fds;
    Clock::time_point soonest = Clock::now() + std::chrono::seconds(1);
    for (const Worker& worker : pool) {
      if (worker.pid < 0) continue;
      fds.push_back({worker.resultFd, POLLIN, 0});
      soonest = std::min(soonest, worker.deadline);
    }
    if (fds.empty()) break;  // no worker could be started
    poll(fds.data(), fds.size(), MillisecondsUntil(soonest));
    for (Worker& worker : pool) {
      if (worker.pid < 0) continue;
      const bool alive = ReadAvailable(worker.resultFd, worker.buffer, size_t(1) << 30);
      std::string text;
      if (TakeResult(worker, text)) {
        outcomes[size_t(worker.job)] = {JobOutcome::End::Done, std::move(text), 0, 0};
        ++finished;
        Assign(worker, next, jobCount, limits);
        continue;
      }
      const bool late = Clock::now() > worker.deadline;
      if (alive && !late) continue;
      JobOutcome& outcome = outcomes[size_t(worker.job)];
      ++finished;
      if (!alive) {
        int status = 0;
        CloseFd(worker.commandFd);
        CloseFd(worker.resultFd);
        waitpid(worker.pid, &status, 0);
        worker.pid = -1;
        outcome.end = JobOutcome::End::Crashed;
        outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        outcome.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 0;
      } else {
        StopWorker(worker, true);
        outcome.end = JobOutcome::End::TimedOut;
      }
      restart(worker);
    }
  }
  for (Worker& worker : pool) StopWorker(worker, true);
  return outcomes;
}

std::string DescribeEnd(const CommandOutcome& outcome) {
  switch (outcome.end) {
    case CommandOutcome::End::Exited: return "exit " + std::to_string(outcome.exitStatus);
    case CommandOutcome::End::Signaled:
      return "signal " + std::to_string(outcome.signal) + " (" + strsignal(outcome.signal) + ")";
    case CommandOutcome::End::TimedOut: return "timed out";
    case CommandOutcome::End::NotStarted: return "not started";
  }
  return "?";
}

std::string DescribeEnd(const JobOutcome& outcome) {
  switch (outcome.end) {
    case JobOutcome::End::Done: return "done";
    case JobOutcome::End::Crashed:
      if (outcome.signal != 0) return "crashed: signal " + std::to_string(outcome.signal) + " (" + strsignal(outcome.signal) + ")";
      return "crashed: exit " + std::to_string(outcome.exitStatus) + " without a result";
    case JobOutcome::End::TimedOut: return "timed out";
  }
  return "?";
}

}  // namespace vecrast::fidelity
