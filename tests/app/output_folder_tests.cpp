#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "app/input_queue.h"
#include "app/output_folder.h"

namespace vecrast {
namespace {

std::string Current() {
  char buffer[4096];
  return getcwd(buffer, sizeof buffer) ? std::string(buffer) + "/" : std::string();
}

TEST(OutputFolder, RelativeFoldersAreTakenAgainstTheCurrentFolder) {
  const std::string current = Current();
  ASSERT_FALSE(current.empty());
  EXPECT_EQ(ResolveOutputFolder("out"), current + "out/");
  EXPECT_EQ(ResolveOutputFolder("./out/"), current + "out/");
  EXPECT_EQ(ResolveOutputFolder("."), current + "./");
  EXPECT_EQ(ResolveOutputFolder("./"), current);
  EXPECT_EQ(ResolveOutputFolder("/data/out"), "/data/out/");
  EXPECT_EQ(ResolveOutputFolder("/data/out/"), "/data/out/");
}

TEST(OutputFolder, WithoutAnOutputOptionTheFileGoesBesideTheInput) {
  const std::string current = Current();
  ASSERT_FALSE(current.empty());
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
