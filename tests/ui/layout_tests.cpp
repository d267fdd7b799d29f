// Where the main window's controls land, from the pure layout and in the real window.
#include <wx/bmpbuttn.h>
#include <wx/bmpcbox.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include "ui/main_form_layout.h"
#include "ui_fixture.h"

namespace vecrast::uitest {
namespace {

struct WidthCase {
  int width;
  int fieldWidth;
  int buttonX;
  int convertX;
};

void PrintTo(const WidthCase& c, std::ostream* os) { *os << c.width; }

class LayoutWidths : public ::testing::TestWithParam<WidthCase> {};

TEST_P(LayoutWidths, FollowTheResizeRule) {
  const WidthCase c = GetParam();
  const MainFormLayout layout = LayOutMainForm(c.width, FormControlHeights{17, 34, 34, 28, 17});
  for (const FormRect& field : {layout.inputField, layout.outputFolderList, layout.outputFormatList}) {
    EXPECT_EQ(field.x, 10);
    EXPECT_EQ(field.width, c.fieldWidth);
  }
  for (const FormRect& button : {layout.inputButton, layout.outputFolderButton, layout.outputFormatButton}) {
    EXPECT_EQ(button.x, c.buttonX);
  }
  EXPECT_EQ(layout.convertButton.x, c.convertX);
  EXPECT_EQ(layout.convertButton.width, 100);
}

INSTANTIATE_TEST_SUITE_P(Widths, LayoutWidths,
                         ::testing::Values(WidthCase{510, 350, 364, 400}, WidthCase{800, 640, 654, 690},
                                           WidthCase{300, 350, 364, 400}),
                         [](const auto& param) { return "Width" + std::to_string(param.param.width); });

TEST(Layout, TallerControlsPushTheRowsDownWithoutOverlap) {
  const MainFormLayout layout = LayOutMainForm(510, FormControlHeights{17, 34, 34, 28, 17});
  const FormRect order[] = {layout.inputLabel,        layout.inputField,        layout.outputFolderLabel,
                            layout.outputFolderList,  layout.outputFormatLabel, layout.outputFormatList};
  for (size_t i = 1; i < std::size(order); ++i) {
    EXPECT_GE(order[i].y, order[i - 1].y + (i % 2 == 1 ? 17 : order[i - 1].height)) << "control " << i;
  }
  EXPECT_EQ(layout.inputField.height, 34);
  EXPECT_GE(layout.legalNotice.y, layout.outputFormatList.Bottom());
  EXPECT_GE(layout.legalNotice.y, layout.convertButton.Bottom());
  EXPECT_GE(layout.height, layout.legalNotice.Bottom());
}

TEST(Layout, TheOriginalHeightsKeepTheOriginalRows) {
  const MainFormLayout layout = LayOutMainForm(510, FormControlHeights{13, 20, 21, 24, 13});
  EXPECT_EQ(layout.inputLabel.y, 5);
  EXPECT_EQ(layout.inputField.y, 20);
  EXPECT_EQ(layout.outputFolderLabel.y, 45);
  EXPECT_EQ(layout.outputFolderList.y, 60);
  EXPECT_EQ(layout.outputFormatLabel.y, 85);
  EXPECT_EQ(layout.outputFormatList.y, 100);
  EXPECT_EQ(layout.convertButton.y, 20);
}

TEST_F(MainWindowTest, WideningMovesTheControlsAndKeepsTheHeight) {
  const int height = Window().GetClientSize().y;
  Window().SetClientSize(800, height);
  Flush();
  Window().LayoutMainWindow();
  EXPECT_EQ(Window().GetClientSize().x, 800);
  EXPECT_EQ(Window().InputField()->GetSize().x, 640);
  EXPECT_EQ(Window().OutputFolderList()->GetSize().x, 640);
  EXPECT_EQ(Window().ConvertButton()->GetPosition().x, 690);
  EXPECT_EQ(Window().CurrentLayout().inputButton.x, 654);

  Window().SetClientSize(800, height + 120);
  Flush();
  EXPECT_EQ(Window().GetClientSize().y, height);
}

// Each small button sits wholly between its field and the Convert button, as the toolkit
// actually placed it, at the narrowest and at a wider width.
TEST_F(MainWindowTest, FieldButtonsFitBetweenTheirFieldAndTheConvertButton) {
  const wxWindow* fields[3] = {Window().InputField(), Window().OutputFolderList(), Window().OutputFormatList()};
  for (const int width : {kMainWindowMinimumWidth, 800}) {
    Window().SetClientSize(width, Window().GetClientSize().y);
    Flush();
    Window().LayoutMainWindow();
    Flush();
    const wxRect convert = Window().ConvertButton()->GetRect();
    for (int row = 0; row < 3; ++row) {
      const wxRect button = Window().FieldButton(row)->GetRect();
      EXPECT_GT(button.GetLeft(), fields[row]->GetRect().GetRight()) << width << " row " << row;
      EXPECT_LT(button.GetRight(), convert.GetLeft()) << width << " row " << row;
      EXPECT_LE(button.GetWidth(), 32) << width << " row " << row;
    }
  }
}

TEST_F(MainWindowTest, TheWindowIsNeverNarrowerThanTheMinimum) {
  Window().SetClientSize(300, Window().GetClientSize().y);
  Flush();
  EXPECT_GE(Window().GetClientSize().x, kMainWindowMinimumWidth);
}

}  // namespace
}  // namespace vecrast::uitest
