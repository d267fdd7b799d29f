// Where the program lives, what a path names, file times and the local clock of the dates.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>

#include "platform/file_status.h"
#include "platform/file_times.h"
#include "platform/local_time.h"
#include "platform/paths.h"
#include "platform/program_folder.h"
#include "process_helpers.h"
#include "temp_folder.h"

namespace vecrast {
namespace {

using testing::TempFolder;
using testing::WriteFileBytes;

TEST(ProgramFolder, IsTheFolderOfThisExecutableWithATrailingSlash) {
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.front(), '/');
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(IsExistingFolder(folder));
  EXPECT_EQ(ProgramName(), "vecrast_platform_tests");
}

TEST(Paths, FolderPartAndAbsolutePaths) {
  EXPECT_EQ(FolderOf("/a/b/c.wmf"), "/a/b/");
  EXPECT_EQ(FolderOf("c.wmf"), "");
  EXPECT_EQ(FolderOf("a\\b.wmf"), "") << "a backslash is an ordinary character";
  const std::string current = CurrentFolder();
  EXPECT_EQ(current.back(), '/');
  EXPECT_EQ(AbsolutePath("x/y.wmf"), current + "x/y.wmf");
  EXPECT_EQ(AbsolutePath("/x/y.wmf"), "/x/y.wmf");
}

TEST(FileStatus, SizeOnlyForRegularFiles) {
  TempFolder folder;
  const std::string file = folder.File("f.bin");
  EXPECT_EQ(FileSize(file), -1);
  WriteFileBytes(file, "12345");
  EXPECT_EQ(FileSize(file), 5);
  EXPECT_EQ(FileSize(folder.path()), -1);
  EXPECT_EQ(FileSize(""), -1);
  EXPECT_TRUE(IsExistingFolder(folder.path()));
  EXPECT_FALSE(IsExistingFolder(file));
  EXPECT_FALSE(IsExistingFolder(folder.File("missing/")));
}

TEST(FileTimes, WriteTimeRoundTripsAndCopiesToTheNanosecond) {
  TempFolder folder;
  const std::string file = folder.File("t.txt");
  WriteFileBytes(file, "x");
  ASSERT_TRUE(SetFileWriteTime(file, 1000000000));
  int64_t seconds = 0;
  ASSERT_TRUE(GetFileWriteTime(file, seconds));
  EXPECT_EQ(seconds, 1000000000);
  EXPECT_FALSE(SetFileWriteTime(file + ".missing", 1));

  const std::string copy = folder.File("copy.txt");
  WriteFileBytes(copy, "y");
  const timespec times[2] = {{0, UTIME_OMIT}, {1234567890, 123456789}};
  ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
  ASSERT_TRUE(CopyFileWriteTime(file, copy));
  struct stat info {};
  ASSERT_EQ(stat(copy.c_str(), &info), 0);
  EXPECT_EQ(info.st_mtim.tv_sec, 1234567890);
  EXPECT_EQ(info.st_mtim.tv_nsec, 123456789);
  EXPECT_FALSE(CopyFileWriteTime(file + ".missing", copy));
}

TEST(LocalTime, LocalSecondsRoundTripAndOutOfRangeIsRefused) {
  const std::time_t now = std::time(nullptr);
  std::time_t back = 0;
  ASSERT_TRUE(TimeFromLocalSeconds(LocalSecondsOf(now), back));
  EXPECT_EQ(back, now);
  EXPECT_NEAR(static_cast<double>(LocalNow()), static_cast<double>(LocalSecondsOf(now)), 5.0);
  EXPECT_FALSE(TimeFromLocalSeconds(INT64_MAX, back));
  EXPECT_TRUE(TimeFromLocalSeconds(0, back));
}

}  // namespace
}  // namespace vecrast
