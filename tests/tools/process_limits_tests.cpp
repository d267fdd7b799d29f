#include "fidelity/process_limits.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>

namespace vecrast::fidelity {
namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> Shell(const std::string& script) { return {"/bin/sh", "-c", script}; }

TEST(RunCommands, ReportsExitStatusSignalAndWhatWasWrittenToStandardError) {
  const auto outcomes = RunCommands({Shell("echo why >&2; exit 1"), Shell("echo fine"), Shell("kill -SEGV $$")},
                                    ProcessLimits{5000, 512}, 2);
  ASSERT_EQ(outcomes.size(), 3u);
  EXPECT_EQ(outcomes[0].end, CommandOutcome::End::Exited);
  EXPECT_EQ(outcomes[0].exitStatus, 1);
  EXPECT_EQ(outcomes[0].errorText, "why\n");
  EXPECT_EQ(outcomes[1].exitStatus, 0);
  EXPECT_EQ(outcomes[1].errorText, "");  // standard output is discarded
  EXPECT_EQ(outcomes[2].end, CommandOutcome::End::Signaled);
  EXPECT_EQ(outcomes[2].signal, SIGSEGV);
}

TEST(RunCommands, StopsACommandAtTheTimeLimit) {
  const auto start = Clock::now();
  const auto outcomes = RunCommands({Shell("sleep 20"), Shell("exit 3")}, ProcessLimits{300, 512}, 1);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(outcomes[0].end, CommandOutcome::End::TimedOut);
  EXPECT_EQ(outcomes[1].exitStatus, 3);
}

TEST(RunCommands, AMissingProgramExitsWithAReason) {
  const auto outcomes = RunCommands({{"/nonexistent/program"}}, ProcessLimits{5000, 512}, 1);
  EXPECT_EQ(outcomes[0].exitStatus, 127);
  EXPECT_NE(outcomes[0].errorText.find("cannot run"), std::string::npos);
}

TEST(RunInWorkers, ACrashOrAHangCostsOnlyItsOwnJob) {
  const auto start = Clock::now();
  const auto outcomes = RunInWorkers(8, 2, ProcessLimits{500, 0}, [](size_t job) -> std::string {
    if (job == 2) std::abort();
    if (job == 5) {
      for (;;) pause();
    }
    return "job " + std::to_string(job);
  });
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));
  ASSERT_EQ(outcomes.size(), 8u);
  for (size_t job = 0; job < 8; ++job) {
    if (job == 2) {
      EXPECT_EQ(outcomes[job].end, JobOutcome::End::Crashed);
    } else if (job == 5) {
      EXPECT_EQ(outcomes[job].end, JobOutcome::End::TimedOut);
    } else {
      EXPECT_EQ(outcomes[job].end, JobOutcome::End::Done) << job;
      EXPECT_EQ(outcomes[job].text, "job " + std::to_string(job));
    }
  }
}

TEST(RunInWorkers, CarriesLargeResultsWhole) {
  const auto outcomes = RunInWorkers(3, 1, ProcessLimits{5000, 0}, [](size_t job) { return std::string(200000 + job, 'x'); });
  for (size_t job = 0; job < 3; ++job) EXPECT_EQ(outcomes[job].text.size(), 200000 + job);
}

TEST(RunInWorkers, TheMemoryLimitBoundsAllocation) {
  if (!MemoryLimitApplies()) GTEST_SKIP() << "no memory limit under the sanitizers";
  const auto outcomes = RunInWorkers(1, 1, ProcessLimits{5000, 256}, [](size_t) -> std::string {
    void* block = mmap(nullptr, size_t(1) << 30, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return block == MAP_FAILED ? "refused" : "granted";
  });
  EXPECT_EQ(outcomes[0].text, "refused");
}

}  // namespace
}  // namespace vecrast::fidelity
