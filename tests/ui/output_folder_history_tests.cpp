// The output folder history: its rules on the setting, and the list that shows it.
#include <wx/bmpcbox.h>

#include "ui/output_folder_choice.h"
#include "ui/output_folder_history.h"
#include "ui/wx_text.h"
#include "ui_fixture.h"

namespace vecrast::uitest {
namespace {

struct HistoryCase {
  const char* name;
  const char* before;
  int number;  // "Out Folders Number"
  const char* folder;
  bool changed;
  const char* after;
};

void PrintTo(const HistoryCase& c, std::ostream* os) { *os << c.name; }

class RememberFolder : public MainWindowTest, public ::testing::WithParamInterface<HistoryCase> {};

TEST_P(RememberFolder, PutsTheFolderFirst) {
  const HistoryCase c = GetParam();
  Settings.recentOutFolders = c.before;
  Settings.outFoldersNumber = static_cast<int8_t>(c.number);
  EXPECT_EQ(RememberOutputFolder(c.folder), c.changed);
  EXPECT_EQ(Settings.recentOutFolders, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RememberFolder,
    ::testing::Values(
        HistoryCase{"NewFolderFirst", "/a/\t/b/", 5, "/c/", true, "/c/\t/a/\t/b/"},
        HistoryCase{"OtherCaseReplacesTheOldCopy", "/a/\t/b/", 5, "/B/", true, "/B/\t/a/"},
        HistoryCase{"CaseBeyondAscii", "/Übung/\t/a/", 5, "/übung/", true, "/übung/\t/a/"},
        HistoryCase{"FullHistoryDropsTheOldest", "/1/\t/2/\t/3/\t/4/\t/5/", 5, "/6/", true, "/6/\t/1/\t/2/\t/3/\t/4/"},
        HistoryCase{"OneEntryKeepsOnlyTheNewest", "/a/", 1, "/b/", true, "/b/"},
        HistoryCase{"BlanksAndEmptyEntriesGo", " /a/ \t\t/b/", 5, "/c/", true, "/c/\t/a/\t/b/"},
        HistoryCase{"EmptyFolderChangesNothing", "/a/", 5, "", false, "/a/"},
        HistoryCase{"FirstFolder", "", 5, "/a/", true, "/a/"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(MainWindowTest, TheListShowsTheHistoryAndSelectsTheExactFolder) {
  Settings.recentOutFolders = "/x/\t/Out/\t/out/";
  ConversionJob.outputFolder = "/out/";
  RefreshOutputFolders(Window());
  wxBitmapComboBox* list = Window().OutputFolderList();
  ASSERT_EQ(list->GetCount(), 3u);
  EXPECT_EQ(FromWx(list->GetString(1)), "/Out/");
  EXPECT_EQ(list->GetSelection(), 2);

  // An entry that differs only in letter case is listed but not selected.
  ConversionJob.outputFolder = "/OUT/";
  RefreshOutputFolders(Window());
  EXPECT_EQ(list->GetSelection(), 0);
}

TEST_F(MainWindowTest, AnEmptyHistoryLeavesTheListAlone) {
  Window().OutputFolderList()->Append("kept");
  const unsigned before = Window().OutputFolderList()->GetCount();
  Settings.recentOutFolders.clear();
  RefreshOutputFolders(Window());
  EXPECT_EQ(Window().OutputFolderList()->GetCount(), before);
}

TEST_F(MainWindowTest, AChosenFolderIsTakenOnlyWhenItExists) {
  EXPECT_FALSE(TakeOutputFolder(Window(), folder.File("missing")));
  EXPECT_FALSE(TakeOutputFolder(Window(), WriteMetafile("a-file.wmf")));
  EXPECT_EQ(Settings.recentOutFolders, "");

  ASSERT_TRUE(TakeOutputFolder(Window(), folder.path()));
  EXPECT_EQ(ConversionJob.outputFolder, folder.path() + "/");
  EXPECT_EQ(Settings.recentOutFolders, folder.path() + "/");
  EXPECT_EQ(FromWx(Window().OutputFolderList()->GetValue()), folder.path() + "/");
}

}  // namespace
}  // namespace vecrast::uitest
