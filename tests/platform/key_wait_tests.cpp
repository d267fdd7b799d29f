#include <gtest/gtest.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/key_wait.h"

namespace vecrast {
namespace {

// Runs WaitForKey in a child whose standard input is the slave side of a new pseudo-terminal.
struct WaitingChild {
  int master = -1;
  pid_t pid = -1;
};

WaitingChild StartWaitingChild() {
  WaitingChild child;
  child.master = posix_openpt(O_RDWR | O_NOCTTY);
  if (child.master < 0 || grantpt(child.master) != 0 || unlockpt(child.master) != 0) return child;
  const char* slaveName = ptsname(child.master);
  child.pid = fork();
  if (child.pid == 0) {
    setsid();
    const int slave = open(slaveName, O_RDWR);
    if (slave < 0) _exit(2);
    dup2(slave, 0);
    WaitForKey();
    _exit(0);
  }
  return child;
}

bool ExitsWithin(pid_t pid, std::chrono::milliseconds limit, rusage& usage) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    int status = 0;
    if (wait4(pid, &status, WNOHANG, &usage) == pid) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST(WaitForKey, WaitsForACharacterKeyWithoutSpinning) {
  WaitingChild child = StartWaitingChild();
  ASSERT_GE(child.master, 0);
  ASSERT_GT(child.pid, 0);
  rusage usage{};
  EXPECT_FALSE(ExitsWithin(child.pid, std::chrono::milliseconds(200), usage)) << "returned before a key";
  ASSERT_EQ(write(child.master, "\x1b[A", 3), 3);  // an arrow key types no character
  EXPECT_FALSE(ExitsWithin(child.pid, std::chrono::milliseconds(200), usage)) << "an arrow ended the wait";
  ASSERT_EQ(write(child.master, "x", 1), 1);
  const bool exited = ExitsWithin(child.pid, std::chrono::milliseconds(2000), usage);
  if (!exited) kill(child.pid, SIGKILL), waitpid(child.pid, nullptr, 0);
  ASSERT_TRUE(exited);
  const double cpuSeconds = double(usage.ru_utime.tv_sec) + double(usage.ru_stime.tv_sec) +
                            (double(usage.ru_utime.tv_usec) + double(usage.ru_stime.tv_usec)) / 1e6;
  EXPECT_LT(cpuSeconds, 0.2) << "the wait must block, not poll";
  close(child.master);
}

TEST(WaitForKey, ReturnsAtOnceWithoutATerminal) {
  const int saved = dup(0);
  const int devNull = open("/dev/null", O_RDONLY);
  dup2(devNull, 0);
  const auto start = std::chrono::steady_clock::now();
  WaitForKey();
  const auto elapsed = std::chrono::steady_clock::now() - start;
  dup2(saved, 0);
  close(saved);
  close(devNull);
  EXPECT_LT(elapsed, std::chrono::milliseconds(100));
}

}  // namespace
}  // namespace vecrast
