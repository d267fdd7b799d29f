// The Help command (F1) opens the first manual it finds: the help file beside the program,
// else the HTML manual beside it or in the installed data folder; with none an error box
// names what was looked for.
#include <filesystem>

#include "ui/ids.h"
#include "ui/main_window_router.h"
#include "ui/manual.h"
#include "ui_fixture.h"

namespace vecrast::uitest {
namespace {

// A program folder "prefix/bin/" in the test's folder, with the data folder "prefix/share/vecrast/".
class ManualCommandTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    bin = folder.File("prefix/bin/");
    share = folder.File("prefix/share/vecrast/");
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(share);
    SetManualProgramFolder(bin);
  }
  void TearDown() override {
    SetManualProgramFolder("");
    MainWindowTest::TearDown();
  }
  static void Place(const std::string& path, std::string_view bytes = "<html></html>") {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    testing::WriteFileBytes(path, bytes);
  }
  void PressHelp() { RouteMainWindowCommand(Window(), kCommandManual); }

  std::string bin;
  std::string share;
};

TEST_F(ManualCommandTest, OpensTheFirstManualFound) {
  struct Case {
    const char* name;
    std::vector<std::string> present;  // relative to the prefix
    std::string opened;
  };
  const std::vector<Case> cases = {
      {"installed manual only", {"share/vecrast/manual/index.html"}, "share/vecrast/manual/index.html"},
      {"manual beside the program first", {"bin/manual/index.html", "share/vecrast/manual/index.html"},
       "bin/manual/index.html"},
      {"help file before any HTML manual", {"bin/vecrast.chm", "bin/manual/index.html"}, "bin/vecrast.chm"},
  };
  for (const Case& test : cases) {
    std::filesystem::remove_all(folder.File("prefix"));
    for (const std::string& file : test.present) Place(folder.File("prefix/" + file));
    opened.clear();
    boxes.clear();
    PressHelp();
    ASSERT_EQ(opened.size(), 1u) << test.name;
    EXPECT_EQ(opened[0], folder.File("prefix/" + test.opened)) << test.name;
    EXPECT_TRUE(boxes.empty()) << test.name;
  }
}

TEST_F(ManualCommandTest, AnEmptyHelpFileOrAFolderNamedLikeTheManualIsPassedOver) {
  Place(bin + "vecrast.chm", "");
  std::filesystem::create_directories(bin + "manual/index.html");
  Place(share + "manual/index.html");
  PressHelp();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], share + "manual/index.html");
}

TEST_F(ManualCommandTest, WithoutAnyManualAnErrorBoxNamesTheFilesLookedFor) {
  PressHelp();
  EXPECT_TRUE(opened.empty());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Error);
  for (const std::string& path : {bin + "vecrast.chm", bin + "manual/index.html", share + "manual/index.html"}) {
    EXPECT_NE(boxes[0].text.find(path), std::string::npos) << path << "\n" << boxes[0].text;
  }
  EXPECT_EQ(boxes[0].text.find(".."), std::string::npos) << boxes[0].text;
}

TEST(ManualOfTheBuildTree, IsFoundBesideTheExecutable) {
  // The build tree's program lies in VECRAST_BUILD_DIR with the assembled manual beside it.
  SetManualProgramFolder(std::string(VECRAST_BUILD_DIR) + "/");
  const std::string path = ManualPath();
  SetManualProgramFolder("");
  EXPECT_EQ(path, std::filesystem::path(std::string(VECRAST_BUILD_DIR) + "/manual/index.html").lexically_normal().string());
}

}  // namespace
}  // namespace vecrast::uitest
