// How values are shown and stored: the track bar and spin pairs with their offset and scale,
// clamping of typed values, the colour fields, numeric fields, text cleaning, the depth list,
// and the font and colour lists that the choosers extend.
#include <wx/choice.h>
#include <wx/textctrl.h>

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

class TypedSpinValues : public PreferencesTest, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(TypedSpinValues, AreClampedIntoTheRangeAndMoveTheTrackBar) {
  const SpinCase c = GetParam();
  Open();
  TypeInSpin(c.group, c.key, c.typed);
  EXPECT_EQ(SpinText(c.group, c.key), c.spin);
  EXPECT_EQ(SliderPosition(c.group, c.key), c.slider);
  Dialog().Ok();
  EXPECT_EQ(Stored(c.group, c.key), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Spins, TypedSpinValues,
    ::testing::Values(SpinCase{"Output", "JPG Quality", "250", "100", 100, "100"},
                      SpinCase{"Output", "JPG Quality", "0", "1", 1, "1"},
                      SpinCase{"Output", "JPG Quality", "42", "42", 42, "42"},
                      SpinCase{"Adjustment", "Image Brightness", "-30", "-30", 70, "-30"},
                      SpinCase{"Adjustment", "Image Contrast", "-250", "-100", 0, "-100"},
                      SpinCase{"Adjustment", "Image Gamma", "2.5", "2.50", 250, "2.500000"},
                      SpinCase{"Adjustment", "Image Gamma", "20", "9.99", 999, "9.990000"},
                      SpinCase{"Adjustment", "Image Gamma", "0", "0.01", 1, "0.010000"},
                      SpinCase{"Watermark", "Text Rotation", "400", "360", 360, "360"},
                      SpinCase{"Advanced", "Out Folders Number", "75", "50", 50, "50"}),
    [](const auto& param) { return "Case" + std::to_string(param.index); });

TEST_F(PreferencesTest, MovingATrackBarSetsItsSpinWithTheOffsetOrScale) {
  Open();
  Slide("Adjustment", "Image Brightness", 0);
  EXPECT_EQ(SpinText("Adjustment", "Image Brightness"), "-100");
  Slide("Adjustment", "Image Gamma", 125);
  EXPECT_EQ(SpinText("Adjustment", "Image Gamma"), "1.25");
  Dialog().Ok();
  EXPECT_EQ(Settings.imageBrightness, -100);
  EXPECT_DOUBLE_EQ(Settings.imageGamma, 1.25);
  EXPECT_EQ(Settings.doImageColorCorrection, 1);
}

TEST_F(PreferencesTest, TheGammaIsShownWithTwoDecimalsAndItsHundredthsOnTheTrackBar) {
  Settings.imageGamma = 1.5;
  Open();
  EXPECT_EQ(SpinText("Adjustment", "Image Gamma"), "1.50");
  EXPECT_EQ(SliderPosition("Adjustment", "Image Gamma"), 150);
}

struct ColourCase {
  const char* loaded;
  const char* stored;
};

class ColourFields : public PreferencesTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(ColourFields, ShowTheLoadedTextAndStoreSixUpperCaseDigits) {
  Settings.solidLeftColor = GetParam().loaded;
  Open();
  EXPECT_EQ(FromWx(Control<wxTextCtrl>("Frame", "Solid Left Color", 2)->GetValue()), GetParam().loaded);
  Dialog().Ok();
  EXPECT_EQ(Settings.solidLeftColor, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Colours, ColourFields,
                         ::testing::Values(ColourCase{"ff8000", "FF8000"}, ColourCase{"FFF", "000000"},
                                           ColourCase{"8G00zz", "080000"}, ColourCase{"", "000000"},
                                           ColourCase{"FF80001", "000000"}),
                         [](const auto& param) { return "Case" + std::to_string(param.index); });

TEST_F(PreferencesTest, ACancelledColourChooserChangesNothing) {
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

class NumericFields : public PreferencesTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(NumericFields, StoreTheirLeadingDigits) {
  Open();
  Type("Frame", "Solid Left", GetParam().typed);
  Dialog().Ok();
  EXPECT_EQ(Stored("Frame", "Solid Left"), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumericFields,
                         ::testing::Values(NumberCase{"abc", "0"}, NumberCase{"", "0"}, NumberCase{"12abc", "12"},
                                           NumberCase{"0042", "42"}, NumberCase{"9999999999", "2147483647"}),
                         [](const auto& param) { return "Case" + std::to_string(param.index); });

struct CleaningCase {
  const char* key;
  const char* typed;
  const char* stored;
};

class TextCleaning : public PreferencesTest, public ::testing::WithParamInterface<CleaningCase> {};

TEST_P(TextCleaning, DropsBreaksAndTabsAndTheBlanksAtTheEnds) {
  const CleaningCase c = GetParam();
  Open();
  Type(std::string(c.key) == "Filename Mask" ? "Advanced" : "Watermark", c.key, c.typed);
  Dialog().Ok();
  EXPECT_EQ(Stored(std::string(c.key) == "Filename Mask" ? "Advanced" : "Watermark", c.key), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextCleaning,
    ::testing::Values(CleaningCase{"Filename Mask", "%file\tname%.%ext% ", "%filename%.%ext%"},
                      CleaningCase{"Filename Mask", "  a b\r\nc \t", "a bc"},
                      CleaningCase{"Text", "\tPage %n%\r\n of the set ", "Page %n% of the set"},
                      CleaningCase{"Image", " /pictures/my stamp.png\n", "/pictures/my stamp.png"}),
    [](const auto& param) { return "Case" + std::to_string(param.index); });

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

TEST_F(PreferencesTest, AFontPickedTwiceJoinsTheListOnceAndSetsSizeAndStyle) {
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
}

TEST_F(PreferencesTest, AnUnderlinedFontLeavesTheStyleList) {
  Settings.fontStyle = 2;
  Open();
  fontAnswers.push_back(prefs::FontChoice{"Tahoma", 9, true, false, true, false});
  Press("Watermark", "Font");
  Dialog().Ok();
  EXPECT_EQ(Settings.font, "Tahoma");
  EXPECT_EQ(Settings.fontStyle, 2);
  EXPECT_EQ(Settings.fonts, "Arial,Tahoma,Verdana");
}

TEST_F(PreferencesTest, AnEmptyFontListStartsWithTheFontAndAnUnlistedFontIsKept) {
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

TEST_F(PreferencesTest, ColourListsNameTheKnownColoursAndStoreTheSelectedOne) {
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
}

TEST_F(PreferencesTest, AColourMissingFromTheListIsStoredAsTheFirstColour) {
  Settings.backColor = "ABCDEF";
  Open();
  Dialog().Ok();
  EXPECT_EQ(Settings.backColor, "000000");
}

TEST_F(PreferencesTest, AColourPickedTwiceJoinsTheListOnceAndStaysAfterCancel) {
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
