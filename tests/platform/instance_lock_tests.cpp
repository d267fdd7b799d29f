// The single-instance lock: its modes (command-line runs wait for each other, the window is
// never waited for), the record of who holds it, and where it lives.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "platform/instance_lock.h"
#include "process_helpers.h"
#include "temp_folder.h"

namespace vecrast {
namespace {

using testing::InChild;
using testing::ReadFileBytes;
using testing::ScopedEnv;
using testing::TempFolder;
using testing::WriteFileBytes;

constexpr const char* kName = "Product 1.0";

class InstanceLockTest : public ::testing::Test {
 protected:
  TempFolder runtime_;
  ScopedEnv env_{"XDG_RUNTIME_DIR", runtime_.path()};
};

LockResult Take(InstanceLock& lock, LockMode mode) {
  std::string reason;
  return lock.Acquire(kName, mode, reason);
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The result of a command-line Acquire in a child process, while this process does
// `meanwhile`.
int CommandLineAcquireInChild(const std::function<void()>& meanwhile = {}) {
  const int status = InChild(
      [] {
        InstanceLock lock;
        return static_cast<int>(Take(lock, LockMode::kCommandLine));
      },
      meanwhile);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

TEST_F(InstanceLockTest, TheFileRecordsWhichModeHoldsIt) {
  InstanceLock lock;
  ASSERT_EQ(Take(lock, LockMode::kWindowed), LockResult::kTaken);
  EXPECT_TRUE(ReadFileBytes(InstanceLockPath(kName)).starts_with("windowed " + std::to_string(getpid())));
  lock.Release();
  EXPECT_EQ(ReadFileBytes(InstanceLockPath(kName)), "") << "a released lock records no holder";
  ASSERT_EQ(Take(lock, LockMode::kCommandLine), LockResult::kTaken);
  EXPECT_TRUE(ReadFileBytes(InstanceLockPath(kName)).starts_with("command-line "));
}

TEST_F(InstanceLockTest, ACommandLineRunWaitsForAnotherCommandLineRun) {
  InstanceLock holder;
  ASSERT_EQ(Take(holder, LockMode::kCommandLine), LockResult::kTaken);
  const auto start = std::chrono::steady_clock::now();
  const int result = CommandLineAcquireInChild([&holder] {
    Pause(300);
    holder.Release();
  });
  EXPECT_EQ(result, static_cast<int>(LockResult::kTaken));
  EXPECT_GE(Seconds(start), 0.25) << "it waited for the holder";
}

TEST_F(InstanceLockTest, ACommandLineRunDoesNotWaitForTheWindow) {
  InstanceLock window;
  ASSERT_EQ(Take(window, LockMode::kWindowed), LockResult::kTaken);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(CommandLineAcquireInChild(), static_cast<int>(LockResult::kHeldByWindow));
  EXPECT_LT(Seconds(start), 0.5);
}

TEST_F(InstanceLockTest, AWaitingRunNoticesWhenTheWindowTakesOver) {
  InstanceLock holder;
  ASSERT_EQ(Take(holder, LockMode::kCommandLine), LockResult::kTaken);
  const auto start = std::chrono::steady_clock::now();
  const int result = CommandLineAcquireInChild([] {
    Pause(200);
    WriteFileBytes(InstanceLockPath(kName), "windowed 1\n");
  });
  EXPECT_EQ(result, static_cast<int>(LockResult::kHeldByWindow));
  EXPECT_LT(Seconds(start), 3.0);
}

TEST_F(InstanceLockTest, AWindowedStartNeverWaits) {
  InstanceLock holder;
  ASSERT_EQ(Take(holder, LockMode::kCommandLine), LockResult::kTaken);
  InstanceLock second;
  EXPECT_EQ(Take(second, LockMode::kWindowed), LockResult::kHeld);
  EXPECT_FALSE(second.Held());
  std::string reason;
  EXPECT_EQ(second.Acquire("Product 2.0", LockMode::kWindowed, reason), LockResult::kTaken)
      << "another version does not block";
}

TEST_F(InstanceLockTest, ALockThatCannotBeMadeSaysWhatAndWhere) {
  ASSERT_EQ(mkdir(InstanceLockPath(kName).c_str(), 0700), 0);
  InstanceLock lock;
  std::string reason;
  EXPECT_EQ(lock.Acquire(kName, LockMode::kCommandLine, reason), LockResult::kFailed);
  EXPECT_NE(reason.find(InstanceLockPath(kName)), std::string::npos) << reason;
  EXPECT_NE(reason.find("Is a directory"), std::string::npos) << reason;
}

TEST(InstanceLockFolder, IsTheRuntimeFolderOnlyWhenItIsTheUsersOwn) {
  TempFolder runtime;
  TempFolder temp;
  ScopedEnv tmpdir("TMPDIR", temp.path());
  const std::string privateFolder = temp.File("vecrast-" + std::to_string(geteuid()) + "/");
  {
    ScopedEnv env("XDG_RUNTIME_DIR", runtime.path());
    EXPECT_EQ(InstanceLockFolder(), runtime.File(""));
    EXPECT_EQ(InstanceLockPath("A b/c"), runtime.File("A b_c.lock"));
  }
  for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/run", "/no/such/folder"}) {
    ScopedEnv env("XDG_RUNTIME_DIR", unusable);
    EXPECT_EQ(InstanceLockFolder(), privateFolder) << (unusable ? unusable : "(unset)");
  }
}

class PrivateLockFolder : public ::testing::Test {
 protected:
  TempFolder temp_;
  ScopedEnv runtime_{"XDG_RUNTIME_DIR", nullptr};
  ScopedEnv tmpdir_{"TMPDIR", temp_.path()};
  std::string folder_ = temp_.File("vecrast-" + std::to_string(geteuid()));
};

TEST_F(PrivateLockFolder, IsCreatedForThisUserAlone) {
  InstanceLock lock;
  ASSERT_EQ(Take(lock, LockMode::kCommandLine), LockResult::kTaken);
  struct stat info {};
  ASSERT_EQ(lstat(folder_.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_EQ(info.st_uid, geteuid());
}

TEST_F(PrivateLockFolder, AnOpenFolderOfThisUsersIsMadePrivate) {
  ASSERT_EQ(mkdir(folder_.c_str(), 0777), 0);
  ASSERT_EQ(chmod(folder_.c_str(), 0777), 0);
  InstanceLock lock;
  ASSERT_EQ(Take(lock, LockMode::kCommandLine), LockResult::kTaken);
  struct stat info {};
  ASSERT_EQ(stat(folder_.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(PrivateLockFolder, ALinkInItsPlaceIsRefused) {
  TempFolder elsewhere;
  ASSERT_EQ(symlink(elsewhere.path().c_str(), folder_.c_str()), 0);
  InstanceLock lock;
  std::string reason;
  EXPECT_EQ(lock.Acquire(kName, LockMode::kCommandLine, reason), LockResult::kFailed);
  EXPECT_NE(reason.find(folder_), std::string::npos) << reason;
  EXPECT_TRUE(elsewhere.Entries().empty()) << "nothing was created through the link";
}

// Today with XDG_RUNTIME_DIR unset anyone could pre-create the lock's place in /tmp and block
// every other user's runs; now the folder must be the user's own.
TEST_F(PrivateLockFolder, AFolderOfAnotherUserIsRefused) {
  if (geteuid() != 0) GTEST_SKIP() << "making a folder of another user's needs root";
  ASSERT_EQ(mkdir(folder_.c_str(), 0777), 0);
  ASSERT_EQ(chown(folder_.c_str(), testing::kOtherUser, testing::kOtherUser), 0);
  InstanceLock lock;
  std::string reason;
  EXPECT_EQ(lock.Acquire(kName, LockMode::kCommandLine, reason), LockResult::kFailed);
  EXPECT_NE(reason.find("belongs to another user"), std::string::npos) << reason;
  EXPECT_NE(reason.find(folder_), std::string::npos) << reason;
}

}  // namespace
}  // namespace vecrast
