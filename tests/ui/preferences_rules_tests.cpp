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

const RuleCase kRules[] = {
    {"Transform", "Do Image Rotation", 1, 0, {"Image Rotation Type", "Image Rotation", "Image Rotation Back Color"}, {}},
    {"Transform", "Do Image Resize", 1, 0,
     {"Image Width", "Image Height", "Keep Aspect Ratio", "Image Resize Type", "Image Resize Algorithm"}, {}},
    {"Adjustment", "Do Image Threshold", 1, 0, {"Image Threshold"}, {}},
    {"Advanced", "File Timestamp", 2, 0, {"Custom Timestamp"}, {}},
    {"Advanced", "File Timestamp", 2, 1, {"Custom Timestamp"}, {}},
    {"Frame", "Do Frame", 1, 0, {}, {"solid"}},
    {"Watermark", "Do Watermark", 1, 0, {}, {"text"}},
    {"Watermark", "Do Watermark", 1, 2, {}, {"text"}},
    {"Watermark", "Do Watermark", 2, 0, {}, {"image"}},
    {"Watermark", "Do Watermark", 2, 1, {}, {"image"}},
};

class Rules : public PreferencesTest {
 protected:
  // Sets the controller through its control: a check box or a list position.
  void SetController(const RuleCase& c, int value) {
    if (dynamic_cast<wxCheckBox*>(Row(c.group, c.controller)->PieceAt(1)) != nullptr) {
      SetCheck(c.group, c.controller, value != 0);
    } else {
      Select(c.group, c.controller, value);
    }
  }
  void ExpectState(const RuleCase& c, bool on, const std::string& when) {
    for (const char* key : c.enabled) {
      prefs::RowControl* row = Row(c.group, key);
      if (row == nullptr) continue;
      EXPECT_EQ(row->IsEnabled(), on) << key << " " << when;
      for (size_t piece = 0; piece < row->PieceCount(); ++piece) {
        EXPECT_EQ(row->PieceAt(piece)->IsEnabled(), on) << key << " piece " << piece << " " << when;
      }
    }
    for (const char* name : c.shown) {
      wxScrolledWindow* container = Dialog().Page(PageIndex(c.group)).FindContainer(name);
      ASSERT_NE(container, nullptr) << name;
      EXPECT_EQ(container->IsShown(), on) << name << " " << when;
    }
  }
  size_t PageIndex(std::string_view group) {
    for (size_t page = 0; page < Dialog().PageCount(); ++page) {
      if (Dialog().Page(page).Table().category == group) return page;
    }
    return 0;
  }
  // Opens with every controller at the value `pick` gives its first case, then checks each
  // case whose on or off value that is.
  void CheckAtOpening(int RuleCase::*pick, const char* when) {
    for (const RuleCase& c : kRules) SetSettingInteger(*FindSetting(c.group, c.controller), 99);
    for (const RuleCase& c : kRules) {
      const SettingDescriptor& controller = *FindSetting(c.group, c.controller);
      if (GetSettingInteger(controller) == 99) SetSettingInteger(controller, c.*pick);
    }
    Open();
    for (const RuleCase& c : kRules) {
      const int64_t value = GetSettingInteger(*FindSetting(c.group, c.controller));
      if (value == c.on) ExpectState(c, true, std::string(c.controller) + " on " + when);
      if (value == c.off) ExpectState(c, false, std::string(c.controller) + " off " + when);
    }
  }
};

TEST_F(Rules, HoldAsTheDialogOpensAndFollowTheirControl) {
  CheckAtOpening(&RuleCase::on, "at opening");
  CheckAtOpening(&RuleCase::off, "at opening");
  for (const RuleCase& c : kRules) {
    const std::string name = std::string(c.controller) + " " + std::to_string(c.on) + "/" + std::to_string(c.off);
    SetController(c, c.on);
    ExpectState(c, true, name + " turned on");
    SetController(c, c.off);
    ExpectState(c, false, name + " turned off");
  }
}

TEST_F(PreferencesTest, DisabledRowsAreStillStoredAndTheFlipsStayEnabled) {
  Settings.doImageResize = 0;
  Open();
  EXPECT_TRUE(Row("Transform", "Do Image Flip Horizontal")->IsEnabled());
  EXPECT_TRUE(Row("Transform", "Do Image Flip Vertical")->IsEnabled());

  ResetSettings(false);
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

TEST_F(PreferencesTest, TheRawInputRowsFollowLoadAs) {
  struct RawCase {
    int loadAs;
    bool sizes;  // "Header Size", "Image Width", "Image Height"
    bool toneMapping;
  };
  const RawCase cases[] = {{0, false, false}, {1, true, false}, {2, true, false},
                           {3, false, false}, {4, false, true},  {5, false, true}};
  inputKinds = {"wmf", "raw"};
  Settings.inputFormat = "raw";
  Settings.rawLoadAs = 4;
  Open();
  EXPECT_FALSE(Row("Input", "RAW Image Width")->IsEnabled()) << "at opening";
  EXPECT_TRUE(Row("Input", "RAW Tone Mapping")->IsEnabled()) << "at opening";
  for (const RawCase& c : cases) {
    Select("Input", "RAW Load As", c.loadAs);
    for (const char* key : {"RAW Header Size", "RAW Image Width", "RAW Image Height"}) {
      EXPECT_EQ(Row("Input", key)->IsEnabled(), c.sizes) << key << " with Load As " << c.loadAs;
    }
    EXPECT_EQ(Row("Input", "RAW Tone Mapping")->IsEnabled(), c.toneMapping) << "Load As " << c.loadAs;
  }
}

TEST_F(PreferencesTest, TheFormatListsShowTheSelectedFormatsContainer) {
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

  ResetSettings(false);
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
