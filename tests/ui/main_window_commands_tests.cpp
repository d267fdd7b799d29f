// The main window's commands and control events, driven through the router.
#include <wx/bmpcbox.h>
#include <wx/textctrl.h>

#include <cstdlib>
#include <set>

#include "app/input_queue.h"
#include "engine/input_file_map.h"
#include "ui/dropped_files.h"
#include "ui/ids.h"
#include "ui/main_window_router.h"
#include "ui/output_folder_history.h"
#include "ui/wx_text.h"
#include "ui_fixture.h"

namespace vecrast::uitest {
namespace {

std::string FieldText(ConverterWindow& window) { return FromWx(window.InputField()->GetValue()); }

TEST_F(MainWindowTest, NewDrawsATokenAndStartsTheRunAgain) {
  AddInputFile(WriteMetafile("a.wmf"));
  ConversionJob.sequenceNumber = 7;
  ConversionJob.preferencesStartPage = 3;
  std::set<int32_t> tokens;
  for (int i = 0; i < 20; ++i) {
    RouteMainWindowCommand(Window(), kCommandNew);
    EXPECT_GE(ConversionJob.randomToken, 1);
    EXPECT_LE(ConversionJob.randomToken, 99999);
    tokens.insert(ConversionJob.randomToken);
  }
  EXPECT_GT(tokens.size(), 10u);
  EXPECT_EQ(ConversionJob.sequenceNumber, 1);
  EXPECT_EQ(ConversionJob.preferencesStartPage, 0);
  EXPECT_TRUE(InputFileMap.empty());
  EXPECT_EQ(FieldText(Window()), "");
  EXPECT_EQ(FromWx(Window().OutputFolderList()->GetValue()), "");
}

TEST_F(MainWindowTest, AnAcceptedFileFillsTheFieldAndTheOutputFolder) {
  const std::string path = WriteMetafile("drawing.wmf");
  ASSERT_TRUE(AddInputFile(path));
  EXPECT_EQ(FieldText(Window()), path);
  EXPECT_EQ(ConversionJob.outputFolder, folder.path() + "/");
  EXPECT_EQ(Settings.recentOutFolders, folder.path() + "/");
  EXPECT_EQ(FromWx(Window().OutputFolderList()->GetValue()), folder.path() + "/");
}

TEST_F(MainWindowTest, AnOutputFolderAlreadyShownIsKept) {
  Settings.recentOutFolders = "/elsewhere/";
  ConversionJob.outputFolder = "/elsewhere/";
  RefreshOutputFolders(Window());
  ASSERT_TRUE(AddInputFile(WriteMetafile("drawing.wmf")));
  EXPECT_EQ(ConversionJob.outputFolder, "/elsewhere/");
  EXPECT_EQ(Settings.recentOutFolders, "/elsewhere/");
}

TEST_F(MainWindowTest, ADropQueuesOnlyItsFirstFile) {
  const std::string first = WriteMetafile("first.wmf");
  const std::string second = WriteMetafile("second.wmf");
  const std::string third = WriteMetafile("third.wmf");
  InputFileDropTarget target;
  wxArrayString names;
  for (const std::string& path : {first, second, third}) names.Add(ToWx(path));
  EXPECT_TRUE(target.OnDropFiles(0, 0, names));
  EXPECT_EQ(InputFileMap.size(), 1u);
  EXPECT_EQ(InputFileMap.count(first), 1u);
  EXPECT_EQ(FieldText(Window()), first);
}

TEST_F(MainWindowTest, RefusedFilesAreNeitherQueuedNorShown) {
  const std::string empty = folder.File("empty.wmf");
  testing::WriteFileBytes(empty, "");
  const std::string text = folder.File("notes.txt");
  testing::WriteFileBytes(text, "not a picture");
  for (const std::string& path : {folder.File("missing.wmf"), empty, text, folder.path(), std::string()}) {
    EXPECT_FALSE(AcceptDroppedFiles(path)) << path;
  }
  EXPECT_TRUE(InputFileMap.empty());
  EXPECT_EQ(FieldText(Window()), "");
  EXPECT_EQ(Settings.recentOutFolders, "");
}

TEST_F(MainWindowTest, TheSameFileIsQueuedOnce) {
  const std::string path = WriteMetafile("drawing.wmf");
  EXPECT_TRUE(AcceptDroppedFiles(path));
  EXPECT_FALSE(AcceptDroppedFiles(path));
  EXPECT_EQ(InputFileMap.size(), 1u);
}

TEST_F(MainWindowTest, TheFormatListHoldsTheOfferedFormatAndSetsTheSetting) {
  wxBitmapComboBox* list = Window().OutputFormatList();
  ASSERT_EQ(list->GetCount(), 1u);
  EXPECT_EQ(FromWx(list->GetString(0)), "JPG (JPEG File Format)");
  EXPECT_EQ(list->GetSelection(), 0);
  Settings.outputFormat = "something else";
  RouteMainWindowControl(Window(), kOutputFormatList);
  EXPECT_EQ(Settings.outputFormat, "jpg");
}

TEST_F(MainWindowTest, TheFolderListSetsTheOutputFolder) {
  Settings.recentOutFolders = "/one/\t/two/";
  RefreshOutputFolders(Window());
  Window().OutputFolderList()->SetSelection(1);
  RouteMainWindowControl(Window(), kOutputFolderList);
  EXPECT_EQ(ConversionJob.outputFolder, "/two/");
}

TEST_F(MainWindowTest, HelpCommandsOpenTheMakersPages) {
  unsetenv("VECRAST_SITE");
  RouteMainWindowCommand(Window(), kCommandSendFeedback);
  RouteMainWindowCommand(Window(), kCommandVisitHomepage);
  setenv("VECRAST_SITE", "http://127.0.0.1:8123", 1);
  RouteMainWindowCommand(Window(), kCommandVisitHomepage);
  unsetenv("VECRAST_SITE");
  EXPECT_EQ(opened, (std::vector<std::string>{
                        "mailto:support@zentrafax.example?subject=Zentrafax WMF to JPG 2.5 Feedback",
                        "https://www.zentrafax.example/vecrast/", "http://127.0.0.1:8123/vecrast/"}));
}

TEST_F(MainWindowTest, UnknownCommandsAndControlsAreIgnored) {
  const SettingsRecord before = Settings;
  for (int number : {1, 2, 4, 6, 9, 10, 11, 12, 13, 15, 19, 20, 25, 99, -1}) {
    RouteMainWindowCommand(Window(), number);
  }
  for (int gadget : {0, 1, 2, 4, 6, 11, 99}) RouteMainWindowControl(Window(), gadget);
  EXPECT_EQ(Settings.recentOutFolders, before.recentOutFolders);
  EXPECT_TRUE(boxes.empty());
  EXPECT_TRUE(opened.empty());
}

}  // namespace
}  // namespace vecrast::uitest
