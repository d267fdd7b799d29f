// Replacing a file the user owns: complete or not at all, flushed, through links, never over
// a write-protected file, no temporary file left behind even when interrupted.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "platform/process_signals.h"
#include "platform/replace_file.h"
#include "platform/temporary_file.h"
#include "process_helpers.h"
#include "temp_folder.h"

namespace vecrast {
namespace {

using testing::InChild;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

bool IsLink(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

TEST(ReplaceFile, WritesANewFileAndReplacesAnOldOneKeepingItsPermissions) {
  TempFolder folder;
  std::string reason;
  ASSERT_TRUE(ReplaceFile(folder.File("a.txt"), "first", reason)) << reason;
  EXPECT_EQ(ReadFileBytes(folder.File("a.txt")), "first");
  ASSERT_EQ(chmod(folder.File("a.txt").c_str(), 0640), 0);
  ASSERT_TRUE(ReplaceFile(folder.File("a.txt"), "second", reason)) << reason;
  EXPECT_EQ(ReadFileBytes(folder.File("a.txt")), "second");
  EXPECT_EQ(ModeOf(folder.File("a.txt")), 0640u);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.txt"});
}

TEST(ReplaceFile, WritesThroughSymbolicLinks) {
  TempFolder folder;
  ASSERT_EQ(mkdir(folder.File("real").c_str(), 0700), 0);
  WriteFileBytes(folder.File("real/target.txt"), "old");
  ASSERT_EQ(symlink("real/target.txt", folder.File("link.txt").c_str()), 0);
  ASSERT_EQ(symlink("link.txt", folder.File("link2.txt").c_str()), 0);
  std::string reason;
  ASSERT_TRUE(ReplaceFile(folder.File("link2.txt"), "new", reason)) << reason;
  EXPECT_TRUE(IsLink(folder.File("link.txt")));
  EXPECT_TRUE(IsLink(folder.File("link2.txt")));
  EXPECT_EQ(ReadFileBytes(folder.File("real/target.txt")), "new");

  ASSERT_EQ(symlink("real/later.txt", folder.File("dangling.txt").c_str()), 0);
  ASSERT_TRUE(ReplaceFile(folder.File("dangling.txt"), "made", reason)) << reason;
  EXPECT_TRUE(IsLink(folder.File("dangling.txt")));
  EXPECT_EQ(ReadFileBytes(folder.File("real/later.txt")), "made");

  ASSERT_EQ(symlink("loop.txt", folder.File("loop.txt").c_str()), 0);
  EXPECT_FALSE(ReplaceFile(folder.File("loop.txt"), "x", reason));
  EXPECT_NE(reason.find("loop"), std::string::npos) << reason;
}

TEST(ReplaceFile, LeavesWhatItMustNotReplaceAlone) {
  TempFolder folder;
  WriteFileBytes(folder.File("protected.txt"), "keep");
  ASSERT_EQ(chmod(folder.File("protected.txt").c_str(), 0444), 0);
  ASSERT_EQ(mkdir(folder.File("folder.txt").c_str(), 0700), 0);
  struct Case {
    std::string path;
    const char* reason;
  } cases[] = {
      {folder.File("protected.txt"), "is write-protected"},
      {folder.File("folder.txt"), "is not a regular file"},
      {folder.File("missing/x.txt"), "cannot create a file in the folder"},
      {"", "no file was named"},
  };
  for (const Case& c : cases) {
    std::string reason;
    EXPECT_FALSE(ReplaceFile(c.path, "new", reason)) << c.path;
    EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
  }
  EXPECT_EQ(ReadFileBytes(folder.File("protected.txt")), "keep");
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"folder.txt", "protected.txt"}));
}

TEST(ReplaceFile, TemporaryFilesOfEndedRunsAreSweptFromTheFolder) {
  TempFolder folder;
  const std::string stale = ".vecrast-" + std::to_string(testing::EndedProcessId()) + "-3.tmp";
  const std::string live = ".vecrast-" + std::to_string(getppid()) + "-1.tmp";
  for (const std::string& name : {stale, live, std::string(".vecrast-x-1.tmp"), std::string("other.tmp")}) {
    WriteFileBytes(folder.File(name), "left over");
  }
  std::string reason;
  ASSERT_TRUE(ReplaceFile(folder.File("a.txt"), "new", reason)) << reason;
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{live, ".vecrast-x-1.tmp", "a.txt", "other.tmp"}));
}

// The disk fills during the last write: the file fails and the good earlier file stays.
TEST(ReplaceFile, AWriteThatDoesNotFitFailsAndKeepsTheOldFile) {
  TempFolder folder;
  WriteFileBytes(folder.File("a.jpg"), "good earlier result");
  const int status = InChild([&] {
    SetUpProcessSignals();  // an exceeded size limit fails the write instead of ending the process
    const rlimit limit{1000, 1000};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
    std::string reason;
    if (ReplaceFile(folder.File("a.jpg"), std::string(5000, 'x'), reason)) return 3;
    return reason.find("File too large") != std::string::npos ? 0 : 4;
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadFileBytes(folder.File("a.jpg")), "good earlier result");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.jpg"});
}

// SIGINT, SIGTERM and SIGHUP during a save remove the temporary file before the process ends
// as the signal would have ended it.
TEST(ReplaceFile, AnInterruptedSaveLeavesNothingBehind) {
  for (const int interrupt : {SIGINT, SIGTERM, SIGHUP}) {
    TempFolder folder;
    WriteFileBytes(folder.File("a.jpg"), "target");
    const int status = InChild([&] {
      SetUpProcessSignals();
      FileDescriptor file;
      std::string temporary;
      std::string reason;
      if (!CreateTemporaryFile(folder.File(""), 0666, file, temporary, reason)) return 2;
      if (write(file.get(), "partial", 7) != 7) return 3;
      raise(interrupt);
      return 4;
    });
    ASSERT_TRUE(WIFSIGNALED(status)) << interrupt;
    EXPECT_EQ(WTERMSIG(status), interrupt);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.jpg"}) << interrupt;
    EXPECT_EQ(ReadFileBytes(folder.File("a.jpg")), "target");
  }
}

}  // namespace
}  // namespace vecrast
