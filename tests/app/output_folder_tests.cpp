#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "app/input_queue.h"
#include "app/output_folder.h"

namespace vecrast {
namespace {

TEST(OutputFolder, RelativeFoldersLieBelowTheProgramFolder) {
  EXPECT_EQ(ResolveOutputFolder("out", "/opt/vr/"), "/opt/vr/out/");
  EXPECT_EQ(ResolveOutputFolder("./out/", "/opt/vr/"), "/opt/vr/out/");
  EXPECT_EQ(ResolveOutputFolder("/data/out", "/opt/vr/"), "/data/out/");
  EXPECT_EQ(ResolveOutputFolder("/data/out/", "/opt/vr/"), "/data/out/");
}

TEST(OutputFolder, WithoutAnOutputOptionTheFileGoesBesideTheInput) {
  char buffer[4096];
  ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
  const std::string current = std::string(buffer) + "/";
  EXPECT_EQ(FolderBesideInput("/in/a.wmf"), "/in/");
  EXPECT_EQ(FolderBesideInput("sub/a.wmf"), current + "sub/");
  EXPECT_EQ(FolderBesideInput("a.wmf"), current);
  EXPECT_EQ(FolderBesideInput("../a.wmf"), current + "../");
}

TEST(RelativeSubfolder, RemovesTheBaseFromTheFolderPart) {
  EXPECT_EQ(RelativeSubfolder("/in/sub/a.wmf", "/in/"), "sub/");
  EXPECT_EQ(RelativeSubfolder("/in/sub/a.wmf", ""), "");
  EXPECT_EQ(RelativeSubfolder("", "/in/"), "");
  EXPECT_EQ(RelativeSubfolder("/other/a.wmf", "/in/"), "");
  EXPECT_EQ(RelativeSubfolder("/in/a.wmf", "/in/"), "");
  EXPECT_EQ(RelativeSubfolder("/In/sub/a.wmf", "/in/"), "") << "letter case counts";
}

}  // namespace
}  // namespace vecrast
