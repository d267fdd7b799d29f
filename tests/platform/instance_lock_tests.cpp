#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "platform/instance_lock.h"

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

}  // namespace
}  // namespace vecrast
