// A run that waits for a key ("-p") lets go of the single-instance lock first: its work is
// done, and runs started meanwhile from scripts must not wait for a person.
#include <gtest/gtest.h>

#include <string>

#include "app/parse_command_line.h"
#include "platform/instance_lock.h"
#include "process_helpers.h"
#include "temp_folder.h"

namespace vecrast {
namespace {

class PauseReleasesLock : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string reason;
    ASSERT_EQ(lock_.Acquire("vecrast pause test", LockMode::kCommandLine, reason), LockResult::kTaken) << reason;
  }

  testing::TempFolder folder_;
  testing::ScopedEnv runtime_{"XDG_RUNTIME_DIR", folder_.path()};
  InstanceLock lock_;
};

TEST_F(PauseReleasesLock, AfterAnErrorLine) {
  const CommandLineOutcome outcome = ParseCommandLine({"-p", "-i", folder_.File("missing.wmf")}, &lock_);
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_FALSE(lock_.Held());
}

TEST_F(PauseReleasesLock, OnlyWhenAskedToPause) {
  const CommandLineOutcome outcome = ParseCommandLine({"-i", folder_.File("missing.wmf")}, &lock_);
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_TRUE(lock_.Held());
}

}  // namespace
}  // namespace vecrast
