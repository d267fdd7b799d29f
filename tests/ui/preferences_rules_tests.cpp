// The enabling and visibility rules, each on and off, both as the dialog opens and when the
// controlling control changes; the format lists switch their containers.
#include <wx/checkbox.h>
#include <wx/scrolwin.h>

#include "preferences_fixture.h"

namespace vecrast::uitest {
namespace {

struct RuleCase {
  const char* group;
  const char* controller;
  int on;   // a value of the controller that turns the rule on
  int off;  // one that turns it off
  std::vector<const char*> enabled;  // rows enabled exactly when on
  std::vector<const char*> shown;    // containers shown exactly when on
};

class Rules : public PreferencesTest, public ::testing::WithParamInterface<RuleCase> {
 protected:
  // Sets the controller through its control: a check box or a list position.
  void SetController(int value) {
    const RuleCase& c = GetParam();
    if (dynamic_cast<wxCheckBox*>(Row(c.group, c.controller)->PieceAt(1)) != nullptr) {
      SetCheck(c.group, c.controller, value != 0);
    } else {
      Select(c.group, c.controller, value);
    }
  }
  void ExpectState(bool on, const char* when) {
    const RuleCase& c = GetParam();
    for (const char* key : c.enabled) {
      prefs::RowControl* row = Row(c.group, key);
      if (row == nullptr) continue;
      EXPECT_EQ(row->IsEnabled(), on) << key << " " << when;
      for (size_t piece = 0; piece < row->PieceCount(); ++piece) {
        EXPECT_EQ(row->PieceAt(piece)->IsEnabled(), on) << key << " piece " << piece << " " << when;
      }
    }
    for (const char* name : c.shown) {
      wxScrolledWindow* container = Dialog().Page(PageIndex()).FindContainer(name);
      ASSERT_NE(container, nullptr) << name;
      EXPECT_EQ(container->IsShown(), on) << name << " " << when;
    }
  }
  size_t PageIndex() {
    for (size_t page = 0; page < Dialog().PageCount(); ++page) {
      if (Dialog().Page(page).Table().category == GetParam().group) return page;
    }
    return 0;
  }
};

TEST_P(Rules, HoldAsTheDialogOpensAndFollowTheirControl) {
  const RuleCase& c = GetParam();
  SetSettingInteger(*FindSetting(c.group, c.controller), c.on);
  Open();
  ExpectState(true, "on at opening");
  SetController(c.off);
  ExpectState(false, "after turning off");
  SetController(c.on);
  ExpectState(true, "after turning on");

  SetSettingInteger(*FindSetting(c.group, c.controller), c.off);
  Open();
  ExpectState(false, "off at opening");
}

INSTANTIATE_TEST_SUITE_P(
    Each, Rules,
    ::testing::Values(
        RuleCase{"Transform", "Do Image Rotation", 1, 0,
                 {"Image Rotation Type", "Image Rotation", "Image Rotation Back Color"}, {}},
        RuleCase{"Transform", "Do Image Resize", 1, 0,
                 {"Image Width", "Image Height", "Keep Aspect Ratio", "Image Resize Type", "Image Resize Algorithm"},
                 {}},
        RuleCase{"Adjustment", "Do Image Threshold", 1, 0, {"Image Threshold"}, {}},
        RuleCase{"Advanced", "File Timestamp", 2, 0, {"Custom Timestamp"}, {}},
        RuleCase{"Advanced", "File Timestamp", 2, 1, {"Custom Timestamp"}, {}},
        RuleCase{"Frame", "Do Frame", 1, 0, {}, {"solid"}},
        RuleCase{"Watermark", "Do Watermark", 1, 0, {}, {"text"}},
        RuleCase{"Watermark", "Do Watermark", 1, 2, {}, {"text"}},
        RuleCase{"Watermark", "Do Watermark", 2, 0, {}, {"image"}},
        RuleCase{"Watermark", "Do Watermark", 2, 1, {}, {"image"}}),
    [](const auto& param) {
      std::string name = std::string(param.param.controller) + "_" + std::to_string(param.param.on) + "_" +
                         std::to_string(param.param.off);
      for (char& c : name) {
        if (c == ' ') c = '_';
      }
      return name;
    });

TEST_F(PreferencesTest, TheFlipRowsStayEnabledWithoutResize) {
  Settings.doImageResize = 0;
  Open();
  EXPECT_TRUE(Row("Transform", "Do Image Flip Horizontal")->IsEnabled());
  EXPECT_TRUE(Row("Transform", "Do Image Flip Vertical")->IsEnabled());
}

TEST_F(PreferencesTest, DisabledRowsAreStillStored) {
  Settings.doImageRotation = 0;
  Settings.imageRotation = 45;
  Settings.imageRotationBackColor = "ff0000";
  Open();
  ASSERT_FALSE(Row("Transform", "Image Rotation")->IsEnabled());
  Dialog().Ok();
  EXPECT_EQ(Settings.imageRotation, 45);
  EXPECT_EQ(Settings.imageRotationBackColor, "FF0000");
}

TEST_F(PreferencesTest, TheScaleRowsAndKeepSubfoldersAreNeverShownYetStored) {
  Settings.textScale = 33;
  Settings.imageScale = 44;
  Settings.keepSubfolders = 0;
  Settings.doWatermark = 1;
  Open();
  EXPECT_FALSE(Row("Watermark", "Text Scale")->IsShown());
  EXPECT_FALSE(Row("Watermark", "Image Scale")->IsShown());
  EXPECT_FALSE(Row("Advanced", "Keep Subfolders")->IsShown());
  EXPECT_FALSE(Row("Advanced", "Keep Subfolders")->PieceAt(1)->IsShown());
  Select("Advanced", "File Timestamp", 1);  // other rules run again
  EXPECT_FALSE(Row("Advanced", "Keep Subfolders")->IsShown());
  Dialog().Ok();
  EXPECT_EQ(Settings.textScale, 33);
  EXPECT_EQ(Settings.imageScale, 44);
  EXPECT_EQ(Settings.keepSubfolders, 0);
}

struct RawCase {
  int loadAs;
  bool sizes;  // "Header Size", "Image Width", "Image Height"
  bool toneMapping;
};

class RawInputRows : public PreferencesTest, public ::testing::WithParamInterface<RawCase> {};

TEST_P(RawInputRows, FollowLoadAs) {
  inputKinds = {"wmf", "raw"};
  Settings.inputFormat = "raw";
  Settings.rawLoadAs = 0;
  Open();
  Select("Input", "RAW Load As", GetParam().loadAs);
  for (const char* key : {"RAW Header Size", "RAW Image Width", "RAW Image Height"}) {
    EXPECT_EQ(Row("Input", key)->IsEnabled(), GetParam().sizes) << key;
  }
  EXPECT_EQ(Row("Input", "RAW Tone Mapping")->IsEnabled(), GetParam().toneMapping);
  Settings.rawLoadAs = static_cast<int32_t>(GetParam().loadAs);
  Open();
  EXPECT_EQ(Row("Input", "RAW Image Width")->IsEnabled(), GetParam().sizes);
  EXPECT_EQ(Row("Input", "RAW Tone Mapping")->IsEnabled(), GetParam().toneMapping);
}

INSTANTIATE_TEST_SUITE_P(LoadAs, RawInputRows,
                         ::testing::Values(RawCase{0, false, false}, RawCase{1, true, false}, RawCase{2, true, false},
                                           RawCase{3, false, false}, RawCase{4, false, true}, RawCase{5, false, true}),
                         [](const auto& param) { return "LoadAs" + std::to_string(param.param.loadAs); });

TEST_F(PreferencesTest, TheInputFormatListShowsTheSelectedFormatsContainer) {
  inputKinds = {"wmf", "raw", "gif"};
  Open();
  prefs::PageView& input = Dialog().Page(2);
  EXPECT_EQ(input.FindContainer("wmf"), nullptr);  // no options: no container
  EXPECT_FALSE(input.FindContainer("raw")->IsShown());
  EXPECT_FALSE(input.FindContainer("gif")->IsShown());
  Select("Input", "Format", 1);
  EXPECT_TRUE(input.FindContainer("raw")->IsShown());
  Select("Input", "Format", 2);
  EXPECT_FALSE(input.FindContainer("raw")->IsShown());
  EXPECT_TRUE(input.FindContainer("gif")->IsShown());
  Dialog().Ok();
  EXPECT_EQ(Settings.inputFormat, "gif");
}

TEST_F(PreferencesTest, TheOutputFormatListShowsTheSelectedFormatsContainer) {
  outputExtensions = {"jpg", "png"};
  Settings.outputFormat = "jpg";
  Open();
  prefs::PageView& output = Dialog().Page(3);
  EXPECT_TRUE(output.FindContainer("jpg")->IsShown());
  EXPECT_FALSE(output.FindContainer("png")->IsShown());
  Select("Output", "Format", 1);
  Select("Output", "PNG Compression", 3);
  EXPECT_FALSE(output.FindContainer("jpg")->IsShown());
  EXPECT_TRUE(output.FindContainer("png")->IsShown());
  Dialog().Ok();
  EXPECT_EQ(Settings.outputFormat, "png");
  EXPECT_EQ(Settings.pngCompression, 3);
}

}  // namespace
}  // namespace vecrast::uitest
