#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "platform/file_status.h"
#include "platform/file_times.h"
#include "platform/instance_lock.h"
#include "platform/program_folder.h"

namespace vecrast {
namespace {

std::string MakeTempFolder() {
  char pattern[] = "/tmp/vecrast_platform_XXXXXX";
  const char* made = mkdtemp(pattern);
  return made ? std::string(made) + "/" : std::string();
}

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    const char* old = getenv(name);
    if (old) old_ = old, hadOld_ = true;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() { hadOld_ ? setenv(name_, old_.c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::string old_;
  bool hadOld_ = false;
};

TEST(InstanceLock, SecondHolderOfTheSameNameIsRefusedUntilTheFirstReleases) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", MakeTempFolder());
  InstanceLock first;
  InstanceLock second;
  ASSERT_TRUE(first.Acquire("Product 1.0"));
  EXPECT_FALSE(second.Acquire("Product 1.0"));
  EXPECT_FALSE(second.Held());
  EXPECT_TRUE(second.Acquire("Product 2.0")) << "another version does not block";
  first.Release();
  InstanceLock third;
  EXPECT_TRUE(third.Acquire("Product 1.0"));
}

TEST(InstanceLock, LivesInTheRuntimeFolderElseThePerUserTemporaryFile) {
  {
    ScopedEnv runtime("XDG_RUNTIME_DIR", "/run/user/1234");
    EXPECT_EQ(InstanceLockPath("A b/c"), "/run/user/1234/A b_c.lock");
  }
  ScopedEnv runtime("XDG_RUNTIME_DIR", "");
  ScopedEnv temp("TMPDIR", "/var/tmp");
  EXPECT_EQ(InstanceLockPath("A"), "/var/tmp/A." + std::to_string(getuid()) + ".lock");
}

TEST(ProgramFolder, IsTheFolderOfThisExecutableWithATrailingSlash) {
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.front(), '/');
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(IsExistingFolder(folder));
  EXPECT_EQ(ProgramName(), "vecrast_platform_tests");
}

TEST(FileStatus, SizeOnlyForRegularFiles) {
  const std::string folder = MakeTempFolder();
  const std::string file = folder + "f.bin";
  EXPECT_EQ(FileSize(file), -1);
  std::ofstream(file) << "12345";
  EXPECT_EQ(FileSize(file), 5);
  EXPECT_EQ(FileSize(folder), -1);
  EXPECT_EQ(FileSize(""), -1);
  EXPECT_TRUE(IsExistingFolder(folder));
  EXPECT_FALSE(IsExistingFolder(file));
  EXPECT_FALSE(IsExistingFolder(folder + "missing/"));
}

TEST(FileTimes, WriteTimeRoundTrips) {
  const std::string file = MakeTempFolder() + "t.txt";
  std::ofstream(file) << "x";
  ASSERT_TRUE(SetFileWriteTime(file, 1000000000));
  int64_t seconds = 0;
  ASSERT_TRUE(GetFileWriteTime(file, seconds));
  EXPECT_EQ(seconds, 1000000000);
  EXPECT_FALSE(SetFileWriteTime(file + ".missing", 1));
}

}  // namespace
}  // namespace vecrast
