// The command line as Linux users and scripts meet it: parallel runs and the lock, closed
// pipes, skipped arguments, profiles from pipes, files the user owns, a full disk.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "cli_fixture.h"

namespace clitest {
namespace {

using Clock = std::chrono::steady_clock;

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Holds the sandbox's single-instance lock the way another run would, recording `mode`.
class HeldLock {
 public:
  HeldLock(const CliSandbox& box, const std::string& mode) {
    fd_ = open(box.LockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    held_ = fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) == 0 && ftruncate(fd_, 0) == 0 &&
            write(fd_, mode.data(), mode.size()) == static_cast<ssize_t>(mode.size());
  }
  ~HeldLock() { Release(); }
  bool Held() const { return held_; }
  void Release() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
  bool held_ = false;
};

using CliLinux = CliTest;

// for f in *.wmf; do vecrast -q -i "$f" & done: every file is converted, one run at a time.
TEST_F(CliLinux, RunsStartedTogetherFromAScriptAllConvert) {
  std::vector<StartedRun> runs;
  for (int i = 0; i < 6; ++i) {
    const std::string input = box_.WriteFile("in/p" + std::to_string(i) + ".wmf", HalfRedMetafile());
    runs.push_back(box_.Start({"-q", "-i", input, "-o", box_.Out()}));
  }
  for (const StartedRun& started : runs) {
    const RunResult run = box_.Wait(started);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
  }
  EXPECT_EQ(FolderEntries(box_.Out()),
            (std::vector<std::string>{"p0.jpg", "p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg", "p5.jpg"}));
}

TEST_F(CliLinux, ARunWaitsWhileAnotherCommandLineRunHoldsTheLock) {
  HeldLock other(box_, "command-line 1\n");
  ASSERT_TRUE(other.Held());
  const StartedRun started = box_.Start(WithInput({"-q"}));
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  EXPECT_TRUE(CliSandbox::StillRunning(started)) << "it waits instead of failing";
  other.Release();
  const RunResult run = box_.Wait(started);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(FileExists(box_.Out() + "pic.jpg"));
}

// A script can tell "busy" (75, try again later) from "failed" (1).
TEST_F(CliLinux, ARunFindingTheWindowOpenFailsAtOnceWithSeventyFive) {
  HeldLock window(box_, "windowed 1\n");
  ASSERT_TRUE(window.Held());
  const auto start = Clock::now();
  const RunResult run = box_.Run(WithInput({}));
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
  EXPECT_EQ(run.status, 75);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(Lines(run.err), std::vector<std::string>{"Error: Zentrafax WMF to JPG 2.5 is already running (its window "
                                                      "is open; try again once it is closed)"});
  EXPECT_EQ(FolderEntries(box_.Out()), std::vector<std::string>{});

  const RunResult windowed = box_.Run({});
  EXPECT_EQ(windowed.status, 0) << "a second windowed start ends silently";
  EXPECT_EQ(windowed.out + windowed.err, "");
  window.Release();
  EXPECT_EQ(box_.Run(WithInput({"-q"})).status, 0) << "the lock is free again";
}

// Without $XDG_RUNTIME_DIR (cron, containers, after su) the lock goes to a private folder of
// the user's; one that another user made cannot block the run, and the error says so.
TEST_F(CliLinux, WithoutARuntimeFolderTheLockLivesInAPrivateFolder) {
  RunOptions noRuntime;
  noRuntime.environment = {{"XDG_RUNTIME_DIR", std::nullopt}};
  const RunResult run = box_.Run(WithInput({"-q"}), noRuntime);
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string folder = box_.Root() + "vecrast-" + std::to_string(geteuid());
  struct stat info {};
  ASSERT_EQ(stat(folder.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_TRUE(FileExists(folder + "/Zentrafax WMF to JPG 2.5.lock"));

  if (geteuid() != 0) return;  // only root can make a folder that belongs to another user
  std::filesystem::remove_all(folder);
  ASSERT_EQ(mkdir(folder.c_str(), 0777), 0);
  ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
  const RunResult blocked = box_.Run(WithInput({"-q"}), noRuntime);
  EXPECT_EQ(blocked.status, 1);
  EXPECT_EQ(Lines(blocked.err), std::vector<std::string>{"Error: the single-instance lock cannot be taken: the folder \"" +
                                                          folder + "\" belongs to another user"});
}

// vecrast -i a.wmf | head -1: the reader goes away, the file is still written.
TEST_F(CliLinux, AClosedStandardOutputDoesNotLoseTheFile) {
  RunOptions closed;
  closed.stdoutClosed = true;
  const RunResult run = box_.Run(WithInput({"-d"}), closed);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(DecodeJpg(box_.Out() + "pic.jpg").ok);
}

// vecrast -i *.wmf: the first file is converted and each other name is reported.
TEST_F(CliLinux, SkippedArgumentsAreReportedAndChangeNothingElse) {
  const std::string second = box_.WriteFile("in/second.wmf", HalfRedMetafile());
  const RunResult run = box_.Run({"-q", "-i", input_, second, "--jpg-qualty=50", "-o", box_.Out()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Lines(run.err),
            (std::vector<std::string>{"Warning: argument ignored: \"" + second +
                                          "\" (one run converts one file, the one named by -i; run once for each file)",
                                      "Warning: unknown option ignored: \"--jpg-qualty=50\""}));
  EXPECT_EQ(FolderEntries(box_.Out()), std::vector<std::string>{"pic.jpg"});
}

TEST_F(CliLinux, ProfilesComeFromPipesAndAPipeWithoutWriterIsEmpty) {
  RunOptions piped;
  piped.stdinText = "[CLI]\n--JPG-QUALITY=42\n";
  const RunResult fromStdin = box_.Run(WithInput({"-q", "-d", "--profile=/dev/stdin"}), piped);
  EXPECT_EQ(fromStdin.status, 0) << fromStdin.err;
  EXPECT_TRUE(Contains(Lines(fromStdin.out), "JPG Quality: 42")) << fromStdin.out;

  const std::string fifo = box_.Root() + "profile.fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const auto start = Clock::now();
  const RunResult unwritten = box_.Run(WithInput({"-q", "-d", "--profile=" + fifo}));
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(5)) << "no hang";
  EXPECT_EQ(unwritten.status, 0) << unwritten.err;
  EXPECT_TRUE(Contains(Lines(unwritten.out), "JPG Quality: 95")) << unwritten.out;
}

TEST_F(CliLinux, AWriteProtectedOutputFailsTheFileAndIsLeftAlone) {
  const std::string output = box_.WriteFile("out/pic.jpg", "the user's own");
  ASSERT_EQ(chmod(output.c_str(), 0444), 0);
  const RunResult run = box_.Run(WithInput({"-q", "-d"}));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Contains(Lines(run.out), "Reason: \"" + output + "\" is write-protected")) << run.out;
  EXPECT_EQ(Lines(run.err), std::vector<std::string>{"Conversion stopped"});
  EXPECT_EQ(ReadWholeFile(output), "the user's own");
}

TEST_F(CliLinux, AnOutputThatIsASymbolicLinkIsWrittenThrough) {
  box_.WriteFile("kept/real.jpg", "old");
  ASSERT_EQ(symlink("../kept/real.jpg", (box_.Out() + "pic.jpg").c_str()), 0);
  const RunResult run = box_.Run(WithInput({"-q"}));
  EXPECT_EQ(run.status, 0) << run.err;
  struct stat info {};
  ASSERT_EQ(lstat((box_.Out() + "pic.jpg").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link stays";
  const DecodedJpg jpg = DecodeJpg(box_.Root() + "kept/real.jpg");
  EXPECT_TRUE(jpg.ok);
  EXPECT_EQ(jpg.width, kPictureWidth);
}

// A disk that fills during the last write must not leave a truncated JPG under the final name
// and report success; the good earlier result stays.
TEST_F(CliLinux, AFullDiskFailsTheFileAndKeepsTheEarlierResult) {
  ASSERT_EQ(box_.Run(WithInput({"-q"})).status, 0);
  const std::string output = box_.Out() + "pic.jpg";
  const std::string earlier = ReadWholeFile(output);
  ASSERT_GT(earlier.size(), 200u);
  RunOptions nearlyFull;
  nearlyFull.fileSizeLimit = earlier.size() - 100;
  const RunResult run = box_.Run(WithInput({"-q", "--jpg-quality=94"}), nearlyFull);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.err), std::vector<std::string>{"Conversion stopped"});
  EXPECT_EQ(ReadWholeFile(output), earlier);
  EXPECT_EQ(FolderEntries(box_.Out()), std::vector<std::string>{"pic.jpg"});
}

TEST_F(CliLinux, ABackslashIsAnOrdinaryCharacterOfAFileName) {
  for (const char* name : {"a\\x.wmf", "b\\x.wmf"}) {
    const std::string input = box_.WriteFile(std::string("in/") + name, HalfRedMetafile());
    EXPECT_EQ(box_.Run({"-q", "-i", input, "-o", box_.Out()}).status, 0) << name;
  }
  EXPECT_EQ(FolderEntries(box_.Out()), (std::vector<std::string>{"a\\x.jpg", "b\\x.jpg"}));
}

TEST_F(CliLinux, TemporaryFilesOfAKilledRunAreRemovedByTheNextSave) {
  pid_t ended = fork();
  if (ended == 0) _exit(0);
  waitpid(ended, nullptr, 0);
  const std::string leftOver = ".vecrast-" + std::to_string(ended) + "-0.tmp";
  box_.WriteFile("out/" + leftOver, "half a picture");
  EXPECT_EQ(box_.Run(WithInput({"-q"})).status, 0);
  EXPECT_EQ(FolderEntries(box_.Out()), std::vector<std::string>{"pic.jpg"});
}

}  // namespace
}  // namespace clitest
