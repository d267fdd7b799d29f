// Opening, OK, Defaults, Cancel, Escape and the close box: what each does to Settings, to the
// configuration file and to the appearance flag, and the page the dialog opens on.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/treectrl.h>

#include <functional>

#include "preferences_fixture.h"
#include "settings/configuration.h"
#include "texts/texts.h"
#include "ui/ids.h"
#include "ui/main_window_router.h"
#include "ui/themes.h"
#include "ui/wx_text.h"

namespace vecrast::uitest {
namespace {

std::map<std::string, std::string> AllSettings() {
  std::map<std::string, std::string> values;
  for (const SettingDescriptor& setting : SettingTable()) {
    values[std::string(setting.group) + "/" + std::string(setting.key)] = FormatSettingValue(setting);
  }
  return values;
}

TEST_F(PreferencesTest, OkWithoutChangesWritesTheSameFile) {
  for (bool changed : {false, true}) {
    if (changed) {  // sound non-default values survive the round trip too
      Settings.updateRange = 4;
      Settings.jpgQuality = 77;
      Settings.imageGamma = 2.25;
      Settings.imageBrightness = -40;
      Settings.doImageColorCorrection = 1;
      Settings.solidTopColor = "C0FFEE";
      Settings.fontColor = "FF8000";
      Settings.text = "Page %n% of %total%";
      Settings.customTimestamp = 1234567891;
      Settings.recentOutFolders = "/a/\t/b/";
    }
    SaveConfiguration();
    const std::string before = ConfigurationBytes();
    Open();
    Dialog().Ok();
    EXPECT_EQ(ConfigurationBytes(), before) << (changed ? "changed values" : "defaults");
  }
}

enum class CloseWay { CancelButton, EscapeKey, CloseBox };

TEST_F(PreferencesTest, CancelEscapeAndTheCloseBoxChangeNothingButTheListsTheChoosersExtended) {
  for (CloseWay way : {CloseWay::CancelButton, CloseWay::EscapeKey, CloseWay::CloseBox}) {
    SCOPED_TRACE(static_cast<int>(way));
    ResetSettings(false);
    Settings.updateRange = 5;
    SaveConfiguration();
    const std::string file = ConfigurationBytes();
    auto expected = AllSettings();
    Open();
    Select("General", "Update Range", 0);
    SetCheck("Transform", "Do Image Rotation", true);
    Slide("Adjustment", "Image Contrast", 10);
    TypeInSpin("Output", "JPG Quality", "12");
    Type("Advanced", "Filename Mask", "x");
    Select("Frame", "Do Frame", 1);
    colourAnswers.push_back("010203");
    Press("Frame", "Solid Top Color");
    fontAnswers.push_back(prefs::FontChoice{"Carlito", 30, false, false, false, false});
    Press("Watermark", "Font");
    colourAnswers.push_back("0A0B0C");
    Press("Watermark", "Font Color");
    expected["Watermark/Fonts"] = "Arial,Tahoma,Verdana,Carlito";
    expected["Watermark/Font Colors"] = Settings.fontColors;
    EXPECT_EQ(Settings.fontColors, "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF,0A0B0C");
  
    switch (way) {
      case CloseWay::CancelButton: {
        wxCommandEvent press(wxEVT_BUTTON, wxID_CANCEL);
        press.SetEventObject(Dialog().FindWindow(wxID_CANCEL));
        Dialog().FindWindow(wxID_CANCEL)->GetEventHandler()->ProcessEvent(press);
        break;
      }
      case CloseWay::EscapeKey: {
        wxKeyEvent key(wxEVT_CHAR_HOOK);
        key.m_keyCode = WXK_ESCAPE;
        key.SetEventObject(&Dialog());
        Dialog().GetEventHandler()->ProcessEvent(key);
        break;
      }
      case CloseWay::CloseBox: Dialog().Close(); break;
    }
    Flush();
    EXPECT_FALSE(Dialog().IsShown());
    EXPECT_EQ(Dialog().GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(AllSettings(), expected);
    EXPECT_EQ(ConfigurationBytes(), file);
  }
}

TEST_F(PreferencesTest, DefaultsAnsweredNoChangesNothing) {
  Settings.jpgQuality = 60;
  SaveConfiguration();
  const std::string file = ConfigurationBytes();
  const auto settings = AllSettings();
  Open();
  TypeInSpin("Output", "JPG Quality", "30");
  answers.push_back(false);
  Dialog().Defaults();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Question);
  EXPECT_EQ(boxes[0].caption, "Reset to Defaults");
  EXPECT_EQ(boxes[0].text, "Are you sure you want to reset all your settings to the default values?");
  EXPECT_TRUE(Dialog().IsShown());
  EXPECT_EQ(SpinText("Output", "JPG Quality"), "30");
  EXPECT_EQ(AllSettings(), settings);
  EXPECT_EQ(ConfigurationBytes(), file);
}

TEST_F(PreferencesTest, DefaultsAnsweredYesResetsEverythingAndSaves) {
  Settings.jpgQuality = 60;
  Settings.recentOutFolders = "/one/\t/two/";
  Settings.uiSize = 1;
  Settings.text = "mine";
  Open();
  Slide("Adjustment", "Image Brightness", 180);
  int32_t flagSeen = -1;
  prefs::SetAppearanceApplier([&] { flagSeen = ConversionJob.appearanceFlag; });
  answers.push_back(true);
  Dialog().Defaults();
  EXPECT_FALSE(Dialog().IsShown());
  EXPECT_EQ(Settings.jpgQuality, 95);
  EXPECT_EQ(Settings.recentOutFolders, "");
  EXPECT_EQ(Settings.uiSize, 2);
  EXPECT_EQ(Settings.imageBrightness, 0);
  EXPECT_EQ(Settings.text, "Copyright \u00A9 2026 Zentrafax. All rights reserved.");
  EXPECT_EQ(flagSeen, 2);  // the dialog showed icon size 1, the default is 2
  const std::string file = ConfigurationBytes();
  EXPECT_NE(file.find("\r\nJPG Quality = 95\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\nRecent Out Folders = \r\n"), std::string::npos);
}

struct FlagCase {
  bool changeSize;
  bool changeTheme;
  int32_t expected;
};

TEST_F(PreferencesTest, TheAppearanceFlagTellsWhatChanged) {
  const FlagCase cases[] = {{true, false, 2}, {true, true, 1}, {false, true, 1}, {false, false, 0}};
  ThemeList = {{"alpha", "Alpha"}, {"handdrawn", "Hand-drawn"}};
  for (const FlagCase& c : cases) {
    ResetSettings(false);
    ConversionJob.appearanceFlag = 0;
    Open();
    if (c.changeSize) Select("Interface", "UI Size", 0);
    // The item whose key is not the current theme.
    if (c.changeTheme) Select("Interface", "UI Theme", ThemeKeyAt(0) == Settings.uiTheme ? 1 : 0);
    int32_t flagSeen = -1;
    prefs::SetAppearanceApplier([&] { flagSeen = ConversionJob.appearanceFlag; });
    Dialog().Ok();
    EXPECT_EQ(flagSeen, c.expected) << "size " << c.changeSize << " theme " << c.changeTheme;
  }

  EXPECT_EQ(prefs::AppearanceFlag("a", 2, "a", 2, 2), 2);
  EXPECT_EQ(prefs::AppearanceFlag("a", 2, "b", 2, 2), 1);
  EXPECT_EQ(prefs::AppearanceFlag("a", 2, "a", 0, 1), 2);
}

TEST_F(PreferencesTest, OkStoresTheLanguageKeepsAThemeWithoutThemesAndDerivesColourCorrection) {
  Settings.uiTheme = "handdrawn";
  Open();
  auto* themes = Control<wxChoice>("Interface", "UI Theme");
  ASSERT_NE(themes, nullptr);
  ASSERT_EQ(themes->GetCount(), 1u);
  EXPECT_EQ(FromWx(themes->GetString(0)), "None");
  Dialog().Ok();
  EXPECT_EQ(Settings.uiTheme, "handdrawn");

  ResetSettings(false);
  Settings.language = "de";
  Settings.doImageColorCorrection = 1;
  Settings.doImageGreyscale = 1;
  Open();
  Dialog().Ok();
  EXPECT_EQ(Settings.language, "en");
  EXPECT_EQ(Settings.doImageColorCorrection, 0);
}

TEST_F(PreferencesTest, TheCategoryListSwitchesPagesAndTheHeader) {
  Open();
  EXPECT_EQ(Dialog().CurrentCategory(), 0);
  EXPECT_EQ(FromWx(Dialog().Header()->GetLabel()), "General");
  Dialog().ShowCategory(6);
  EXPECT_EQ(FromWx(Dialog().Header()->GetLabel()), "Frame");
  for (size_t page = 0; page < Dialog().PageCount(); ++page) {
    EXPECT_EQ(Dialog().Page(page).Window()->IsShown(), page == 6) << page;
  }
  EXPECT_EQ(Dialog().Categories()->GetItemText(Dialog().Categories()->GetSelection()), "Frame");
}

// The dialog as the main window's commands open it: modal, on the start page, and gone with the
// main window usable again once it is closed.
TEST_F(PreferencesTest, TheOptionsCommandOpensOutputAndTheNextPreferencesOpensGeneral) {
  struct Seen {
    int category = -1;
    int startPage = -1;
  };
  const auto openAndClose = [this](int command) {
    Seen seen;
    // Looks at the dialog once its modal loop runs (asking again until it does), then cancels.
    int tries = 0;
    std::function<void()> look = [&seen, &look, &tries] {
      prefs::PreferencesWindow* dialog = nullptr;
      for (wxWindow* window : wxTopLevelWindows) {
        if (auto* found = dynamic_cast<prefs::PreferencesWindow*>(window)) dialog = found;
      }
      if (dialog == nullptr || !dialog->IsModal()) {
        if (++tries < 1000) wxTheApp->CallAfter(look);
        return;
      }
      seen.category = dialog->GetId() == kPreferencesWindow ? dialog->CurrentCategory() : -2;
      seen.startPage = ConversionJob.preferencesStartPage;
      dialog->Cancel();
    };
    wxTheApp->CallAfter(look);
    RouteMainWindowCommand(Window(), command);
    return seen;
  };
  const Seen options = openAndClose(kCommandOutputFormatOptions);
  EXPECT_EQ(options.category, 3);
  EXPECT_EQ(options.startPage, 0);
  EXPECT_TRUE(Window().IsEnabled());
  const Seen preferences = openAndClose(kCommandPreferences);
  EXPECT_EQ(preferences.category, 0);
  for (wxWindow* window : wxTopLevelWindows) EXPECT_EQ(dynamic_cast<prefs::PreferencesWindow*>(window), nullptr);
}

}  // namespace
}  // namespace vecrast::uitest
