// The main window after the preferences changed the theme or the icon size.
#include <sys/stat.h>
#include <wx/bmpbuttn.h>
#include <wx/bmpcbox.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "theme_fixture.h"
#include "ui/icon_keys.h"
#include "ui/ids.h"
#include "ui/output_folder_history.h"
#include "ui/themes.h"
#include "ui_fixture.h"

namespace vecrast::uitest {
namespace {

// The main window with a private theme folder.
class AppearanceTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ::mkdir(folder.File("gfx").c_str(), 0700);
    SetThemeFolder(folder.File("gfx"));
    ThemeList.clear();
  }
  void TearDown() override {
    SetThemeFolder({});
    ThemeList.clear();
    MainWindowTest::TearDown();
  }

  // A theme whose every image is one colour, or only the images of `keys` when given.
  void WriteOneColourTheme(const std::string& key, const wxColour& colour, const std::vector<std::string>& keys = {}) {
    std::vector<std::string> config = {"[Theme]", "Name=" + key, "[Buttons]", "Convert=one.png", "InFiles=one.png",
                                       "InFolder=one.png", "[Icons]"};
    if (keys.empty()) {
      for (std::string_view iconKey : kIconKeys) config.push_back(std::string(iconKey) + "=one.png");
    } else {
      for (const std::string& iconKey : keys) config.push_back(iconKey + "=one.png");
    }
    testing::WriteFileBytes(folder.File("gfx/" + key + ".zip"),
                            icon_art::ZipArchiveBytes({{"theme.cfg", ConfigText(config)}, {"one.png", PngBytes(16, 16, colour)}}));
  }

  wxToolBar& Toolbar() { return *Window().GetToolBar(); }
  wxBitmap ToolImage(int command) { return Toolbar().FindById(command)->GetNormalBitmap(); }
  wxBitmap MenuImage(int command) { return Window().GetMenuBar()->FindItem(command)->GetBitmap(); }
};

TEST_F(AppearanceTest, ANewIconSizeRebuildsTheToolbarAndKeepsTheForm) {
  const int formHeight = Window().GetClientSize().y;
  const int toolbarHeight = Settings.toolbarHeight;
  Settings.uiSize = 4;
  ConversionJob.appearanceFlag = 2;
  ApplyAppearanceChange();
  Flush();
  EXPECT_EQ(ConversionJob.appearanceFlag, 0);
  EXPECT_EQ(Toolbar().GetToolBitmapSize(), wxSize(64, 64));
  EXPECT_EQ(ToolImage(kCommandNew).GetSize(), wxSize(64, 64));
  EXPECT_GE(Settings.toolbarHeight, toolbarHeight + 32);
  EXPECT_EQ(Window().GetClientSize().y, formHeight);
  EXPECT_EQ(Window().GetClientSize().y, Window().CurrentLayout().height);

  Settings.uiSize = 0;
  ConversionJob.appearanceFlag = 2;
  ApplyAppearanceChange();
  Flush();
  EXPECT_EQ(ToolImage(kCommandNew).GetSize(), wxSize(16, 16));
  EXPECT_EQ(Window().GetClientSize().y, formHeight);
}

TEST_F(AppearanceTest, ANewThemeReimagesMenusToolbarsButtonsAndLists) {
  WriteOneColourTheme("red", *wxRED);
  ListThemes();
  RememberOutputFolder(folder.path());
  RefreshOutputFolders(Window());
  Settings.uiTheme = "red";
  ConversionJob.appearanceFlag = 1;
  ApplyAppearanceChange();
  Flush();
  EXPECT_EQ(ConversionJob.appearanceFlag, 0);
  EXPECT_EQ(CentreColour(MenuImage(kCommandNew)), *wxRED);
  EXPECT_EQ(CentreColour(MenuImage(kCommandAbout)), *wxRED);
  EXPECT_EQ(CentreColour(ToolImage(kCommandConvert)), *wxRED);
  EXPECT_EQ(ToolImage(kCommandConvert).GetSize(), wxSize(32, 32));
  EXPECT_EQ(CentreColour(Window().ConvertButton()->GetBitmap()), *wxRED);
  EXPECT_EQ(Window().ConvertButton()->GetRect(), (wxRect(400, Window().CurrentLayout().convertButton.y, 100, 100)));
  ASSERT_GE(Window().OutputFolderList()->GetCount(), 1u);
  EXPECT_EQ(CentreColour(Window().OutputFolderList()->GetItemBitmap(0)), *wxRED);
  EXPECT_EQ(CentreColour(Window().OutputFormatList()->GetItemBitmap(0)), *wxRED);
  int fieldButtons = 0;
  for (wxWindow* child : Window().ConvertButton()->GetParent()->GetChildren()) {
    if (auto* buttons = dynamic_cast<wxToolBar*>(child)) {
      EXPECT_EQ(CentreColour(buttons->GetToolByPos(0)->GetNormalBitmap()), *wxRED);
      ++fieldButtons;
    }
  }
  EXPECT_EQ(fieldButtons, 3);
}

TEST_F(AppearanceTest, ImagesTheNewThemeLacksAreBuiltInNotLeftFromTheOldOne) {
  WriteOneColourTheme("red", *wxRED);
  WriteOneColourTheme("blue", *wxBLUE, {"New"});
  Settings.uiTheme = "red";
  ConversionJob.appearanceFlag = 1;
  ApplyAppearanceChange();
  Settings.uiTheme = "blue";
  ConversionJob.appearanceFlag = 1;
  ApplyAppearanceChange();
  Flush();
  EXPECT_EQ(CentreColour(MenuImage(kCommandNew)), *wxBLUE);
  EXPECT_EQ(CentreColour(MenuImage(kCommandAbout)), CentreColour(BuiltinImage("About", 16)));
  EXPECT_EQ(CentreColour(ToolImage(kCommandConvert)), CentreColour(BuiltinImage("Convert", 32)));
  EXPECT_EQ(CentreColour(Window().ConvertButton()->GetBitmap()), *wxBLUE);
}

TEST_F(AppearanceTest, TheOutputFormatAndTheFolderListFollowTheSettings) {
  Window().OutputFormatList()->SetSelection(wxNOT_FOUND);
  Settings.outputFormat = "jpg";
  Settings.recentOutFolders = "/one\t/two\t/three";
  ConversionJob.appearanceFlag = 0;
  ApplyAppearanceChange();
  EXPECT_EQ(Window().OutputFormatList()->GetSelection(), 0);
  EXPECT_EQ(Window().OutputFolderList()->GetCount(), 3u);
  EXPECT_EQ(Window().OutputFolderList()->GetString(0), "/one");
}

}  // namespace
}  // namespace vecrast::uitest
