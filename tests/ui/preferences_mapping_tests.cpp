// How values are shown and stored: the track bar and spin pairs with their offset and scale,
// clamping of typed values, the colour fields, numeric fields, text cleaning, the depth list,
// and the font and colour lists that the choosers extend.
#include <wx/choice.h>
#include <wx/textctrl.h>

#include <map>

#include "preferences_fixture.h"
#include "ui/wx_text.h"

namespace vecrast::uitest {
namespace {

struct SpinCase {
  const char* group;
  const char* key;
  const char* typed;
  const char* spin;  // the spin's text once the toolkit has caught up
  int slider;
  const char* stored;
};

// The cases typed one after the other into one dialog; OK stores each row's last value.
TEST_F(PreferencesTest, TypedSpinValuesAreClampedIntoTheRangeAndMoveTheTrackBar) {
  const SpinCase cases[] = {
      {"Output", "JPG Quality", "250", "100", 100, "100"},
      {"Output", "JPG Quality", "0", "1", 1, "1"},
      {"Output", "JPG Quality", "42", "42", 42, "42"},
      {"Adjustment", "Image Brightness", "-30", "-30", 70, "-30"},
      {"Adjustment", "Image Contrast", "-250", "-100", 0, "-100"},
      {"Adjustment", "Image Gamma", "20", "9.99", 999, "9.990000"},
      {"Adjustment", "Image Gamma", "0", "0.01", 1, "0.010000"},
      {"Adjustment", "Image Gamma", "2.5", "2.50", 250, "2.500000"},
      {"Watermark", "Text Rotation", "400", "360", 360, "360"},
      {"Advanced", "Out Folders Number", "75", "50", 50, "50"},
  };
  Open();
  std::map<std::pair<std::string, std::string>, std::string> stored;
  for (const SpinCase& c : cases) {
    TypeInSpin(c.group, c.key, c.typed);
    EXPECT_EQ(SpinText(c.group, c.key), c.spin) << c.key << " typed " << c.typed;
    EXPECT_EQ(SliderPosition(c.group, c.key), c.slider) << c.key << " typed " << c.typed;
    stored[{c.group, c.key}] = c.stored;
  }
  Dialog().Ok();
  for (const auto& [setting, value] : stored) EXPECT_EQ(Stored(setting.first, setting.second), value) << setting.second;
}

TEST_F(PreferencesTest, TrackBarsAndSpinsShowTheValueWithItsOffsetOrScale) {
  Open();
  Slide("Adjustment", "Image Brightness", 0);
  EXPECT_EQ(SpinText("Adjustment", "Image Brightness"), "-100");
  Slide("Adjustment", "Image Gamma", 125);
  EXPECT_EQ(SpinText("Adjustment", "Image Gamma"), "1.25");
  Dialog().Ok();
  EXPECT_EQ(Settings.imageBrightness, -100);
  EXPECT_DOUBLE_EQ(Settings.imageGamma, 1.25);
  EXPECT_EQ(Settings.doImageColorCorrection, 1);
  ResetSettings(false);
  Settings.imageGamma = 1.5;
  Open();
  EXPECT_EQ(SpinText("Adjustment", "Image Gamma"), "1.50");
  EXPECT_EQ(SliderPosition("Adjustment", "Image Gamma"), 150);
}

struct ColourCase {
  const char* loaded;
  const char* stored;
};

TEST_F(PreferencesTest, ColourFieldsShowTheLoadedTextAndStoreSixUpperCaseDigits) {
  struct Field {
    const char* group;
    const char* key;
    std::string SettingsRecord::*field;
    ColourCase colour;
  };
  const Field fields[] = {
      {"Frame", "Solid Left Color", &SettingsRecord::solidLeftColor, {"ff8000", "FF8000"}},
      {"Frame", "Solid Right Color", &SettingsRecord::solidRightColor, {"FFF", "000000"}},
      {"Frame", "Solid Top Color", &SettingsRecord::solidTopColor, {"8G00zz", "080000"}},
      {"Frame", "Solid Bottom Color", &SettingsRecord::solidBottomColor, {"", "000000"}},
      {"Transform", "Image Rotation Back Color", &SettingsRecord::imageRotationBackColor, {"FF80001", "000000"}},
  };
  for (const Field& f : fields) Settings.*(f.field) = f.colour.loaded;
  Open();
  for (const Field& f : fields) {
    EXPECT_EQ(FromWx(Control<wxTextCtrl>(f.group, f.key, 2)->GetValue()), f.colour.loaded) << f.key;
  }
  Dialog().Ok();
  for (const Field& f : fields) EXPECT_EQ(Settings.*(f.field), f.colour.stored) << f.key;
  ResetSettings(false);
  Open();
  colourAnswers.push_back(std::nullopt);
  Press("Transform", "Image Rotation Back Color");
  Dialog().Ok();
  EXPECT_EQ(Settings.imageRotationBackColor, "000000");
}

struct NumberCase {
  const char* typed;
  const char* stored;
};

TEST_F(PreferencesTest, NumericFieldsStoreTheirLeadingDigits) {
  const std::pair<const char*, NumberCase> fields[] = {
      {"Solid Left", {"abc", "0"}},   {"Solid Right", {"", "0"}},
      {"Solid Top", {"12abc", "12"}}, {"Solid Bottom", {"0042", "42"}},
  };
  Open();
  for (const auto& [key, number] : fields) Type("Frame", key, number.typed);
  Type("Watermark", "Font Size", "9999999999");
  Dialog().Ok();
  for (const auto& [key, number] : fields) EXPECT_EQ(Stored("Frame", key), number.stored) << key;
  EXPECT_EQ(Settings.fontSize, 2147483647);
}

struct CleaningCase {
  const char* key;
  const char* typed;
  const char* stored;
};

TEST_F(PreferencesTest, TextFieldsDropBreaksAndTabsAndTheBlanksAtTheEnds) {
  const CleaningCase rounds[][3] = {
      {{"Filename Mask", "%file\tname%.%ext% ", "%filename%.%ext%"},
       {"Text", "\tPage %n%\r\n of the set ", "Page %n% of the set"},
       {"Image", " /pictures/my stamp.png\n", "/pictures/my stamp.png"}},
      {{"Filename Mask", "  a b\r\nc \t", "a bc"}, {"Text", "x", "x"}, {"Image", "", ""}},
  };
  const auto group = [](const char* key) { return std::string(key) == "Filename Mask" ? "Advanced" : "Watermark"; };
  for (const auto& round : rounds) {
    Open();
    for (const CleaningCase& c : round) Type(group(c.key), c.key, c.typed);
    Dialog().Ok();
    for (const CleaningCase& c : round) EXPECT_EQ(Stored(group(c.key), c.key), c.stored) << c.key;
  }
}

TEST_F(PreferencesTest, TheDepthListOffersAutoAndTheFormatsDepths) {
  Settings.jpgBpp = 8;
  Open();
  auto* depths = Control<wxChoice>("Output", "JPG BPP");
  ASSERT_NE(depths, nullptr);
  ASSERT_EQ(depths->GetCount(), 3u);
  EXPECT_EQ(FromWx(depths->GetString(0)), "Auto");
  EXPECT_EQ(FromWx(depths->GetString(1)), "8");
  EXPECT_EQ(FromWx(depths->GetString(2)), "24");
  EXPECT_EQ(depths->GetSelection(), 1);
  Select("Output", "JPG BPP", 0);
  Dialog().Ok();
  EXPECT_EQ(Settings.jpgBpp, 0);
}

// A font picked twice joins the list once and sets size and style (not an underlined one);
// an empty list starts with the font, and a font missing from the list is kept.
TEST_F(PreferencesTest, TheFontListGrowsByPickedFontsAndKeepsTheFont) {
  Open();
  fontAnswers.push_back(prefs::FontChoice{"DejaVu Sans", 18, false, true, false, false});
  Press("Watermark", "Font");
  fontAnswers.push_back(prefs::FontChoice{"DejaVu Sans", 22, true, true, false, false});
  Press("Watermark", "Font");
  EXPECT_EQ(Settings.fonts, "Arial,Tahoma,Verdana,DejaVu Sans");
  EXPECT_EQ(Control<wxChoice>("Watermark", "Font")->GetCount(), 4u);
  Dialog().Ok();
  EXPECT_EQ(Settings.font, "DejaVu Sans");
  EXPECT_EQ(Settings.fontSize, 22);
  EXPECT_EQ(Settings.fontStyle, 3);
  ResetSettings(false);
  Settings.fontStyle = 2;
  Open();
  fontAnswers.push_back(prefs::FontChoice{"Tahoma", 9, true, false, true, false});
  Press("Watermark", "Font");
  Dialog().Ok();
  EXPECT_EQ(Settings.font, "Tahoma");
  EXPECT_EQ(Settings.fontStyle, 2);
  EXPECT_EQ(Settings.fonts, "Arial,Tahoma,Verdana");
  ResetSettings(false);
  Settings.fonts = "";
  Settings.font = "Liberation Serif";
  Open();
  EXPECT_EQ(Settings.fonts, "Liberation Serif");
  Dialog().Ok();
  EXPECT_EQ(Settings.font, "Liberation Serif");

  Settings.fonts = "Arial, Tahoma";
  Settings.font = "Courier New";
  Open();
  Dialog().Ok();
  EXPECT_EQ(Settings.font, "Courier New");
  EXPECT_EQ(Settings.fonts, "Arial, Tahoma");
}

// Known colours are named; a colour missing from the list is stored as the first; a colour
// picked twice joins the list once, and stays there after Cancel.
TEST_F(PreferencesTest, ColourListsNameTheirColoursAndGrowByPickedOnes) {
  Settings.fontColors = "ff8000, 123456,,000000";
  Settings.fontColor = "000000";
  Open();
  auto* list = Control<wxChoice>("Watermark", "Font Color");
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->GetCount(), 3u);
  EXPECT_EQ(FromWx(list->GetString(0)), "Orange");
  EXPECT_EQ(FromWx(list->GetString(1)), "Color #123456");
  EXPECT_EQ(FromWx(list->GetString(2)), "Black");
  EXPECT_EQ(list->GetSelection(), 2);
  Select("Watermark", "Font Color", 0);
  Dialog().Ok();
  EXPECT_EQ(Settings.fontColor, "FF8000");
  ResetSettings(false);
  Settings.backColor = "ABCDEF";
  Open();
  Dialog().Ok();
  EXPECT_EQ(Settings.backColor, "000000");
  ResetSettings(false);
  Open();
  colourAnswers.push_back("a0b0c0");
  Press("Watermark", "Back Color");
  colourAnswers.push_back("A0B0C0");
  Press("Watermark", "Back Color");
  EXPECT_EQ(Control<wxChoice>("Watermark", "Back Color")->GetCount(), 10u);
  Dialog().Cancel();
  EXPECT_EQ(Settings.backColors, "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF,A0B0C0");
  EXPECT_EQ(Settings.backColor, "000000");
}

TEST_F(PreferencesTest, AWatermarkImageThatIsNoPictureIsAccepted) {
  Open();
  imageAnswers.push_back(std::nullopt);
  Press("Watermark", "Image");
  Type("Watermark", "Image", "/nowhere/notes.txt");
  Dialog().Ok();
  EXPECT_EQ(Settings.image, "/nowhere/notes.txt");
}

}  // namespace
}  // namespace vecrast::uitest
