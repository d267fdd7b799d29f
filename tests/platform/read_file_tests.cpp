// Reading a file the user named: opened without blocking, then checked for what it is, then
// read up to a bound.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>

#include "platform/read_file.h"
#include "process_helpers.h"
#include "temp_folder.h"

namespace vecrast {
namespace {

using testing::TempFolder;
using testing::WriteFileBytes;

struct ReadOutcome {
  bool ok;
  std::string bytes;
  std::string reason;
};

ReadOutcome Read(const std::string& path, std::size_t limit, FileKinds kinds) {
  ReadOutcome outcome;
  outcome.ok = ReadWholeFile(path, limit, kinds, outcome.bytes, outcome.reason);
  return outcome;
}

TEST(ReadWholeFile, ReadsRegularFilesUpToTheBound) {
  TempFolder folder;
  WriteFileBytes(folder.File("ten"), "0123456789");
  for (const FileKinds kinds : {FileKinds::kRegular, FileKinds::kRegularOrPipe}) {
    const ReadOutcome whole = Read(folder.File("ten"), 10, kinds);
    EXPECT_TRUE(whole.ok) << whole.reason;
    EXPECT_EQ(whole.bytes, "0123456789");
    const ReadOutcome large = Read(folder.File("ten"), 9, kinds);
    EXPECT_FALSE(large.ok);
    EXPECT_EQ(large.bytes, "");
    EXPECT_EQ(large.reason, "it is larger than 9 bytes");
  }
  EXPECT_EQ(ByteCountText(16u << 20), "16 MiB");
}

TEST(ReadWholeFile, RefusesWhatIsNoFileWithoutBlocking) {
  TempFolder folder;
  ASSERT_EQ(mkfifo(folder.File("fifo").c_str(), 0600), 0);
  struct Case {
    std::string path;
    FileKinds kinds;
    const char* reason;
  } cases[] = {
      {folder.path(), FileKinds::kRegularOrPipe, "it is a folder"},
      {"/dev/null", FileKinds::kRegularOrPipe, "it is a device"},
      {folder.File("fifo"), FileKinds::kRegular, "it is a pipe"},
      {folder.File("missing"), FileKinds::kRegular, "No such file or directory"},
      {"", FileKinds::kRegular, "no file was named"},
      {std::string("ten\0.txt", 8), FileKinds::kRegular, "the name holds a zero byte"},
  };
  for (const Case& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    const ReadOutcome outcome = Read(c.path, 100, c.kinds);
    EXPECT_FALSE(outcome.ok) << c.path;
    EXPECT_EQ(outcome.reason, c.reason) << c.path;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.path;
  }
}

TEST(ReadWholeFile, APipeIsReadToItsEndAndOneWithoutWriterIsEmpty) {
  TempFolder folder;
  ASSERT_EQ(mkfifo(folder.File("fifo").c_str(), 0600), 0);
  const ReadOutcome unwritten = Read(folder.File("fifo"), 100, FileKinds::kRegularOrPipe);
  EXPECT_TRUE(unwritten.ok) << unwritten.reason;
  EXPECT_EQ(unwritten.bytes, "");

  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  ASSERT_EQ(write(ends[1], "piped text", 10), 10);
  close(ends[1]);
  const std::string path = "/dev/fd/" + std::to_string(ends[0]);
  const ReadOutcome piped = Read(path, 100, FileKinds::kRegularOrPipe);
  close(ends[0]);
  EXPECT_TRUE(piped.ok) << piped.reason;
  EXPECT_EQ(piped.bytes, "piped text");

  ASSERT_EQ(pipe(ends), 0);
  ASSERT_EQ(write(ends[1], "0123456789", 10), 10);
  close(ends[1]);
  const ReadOutcome tooLong = Read("/dev/fd/" + std::to_string(ends[0]), 4, FileKinds::kRegularOrPipe);
  close(ends[0]);
  EXPECT_FALSE(tooLong.ok);
  EXPECT_EQ(tooLong.reason, "it is larger than 4 bytes");
}

}  // namespace
}  // namespace vecrast
