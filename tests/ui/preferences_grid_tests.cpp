// The pure parts of the preferences: the page grid, the pieces beside a control, colour texts,
// list settings and the cleaning of text fields; and the pages as the toolkit lays them out.
#include "preferences_fixture.h"
#include "texts/texts.h"
#include "ui/preferences/colour_text.h"
#include "ui/preferences/page_grid.h"
#include "ui/preferences/text_cleaning.h"

namespace vecrast::uitest {
namespace {

using namespace prefs;

struct SideCase {
  int mainWidth, sideX, sideWidth, needed;
  SideBySide expected;
};

// Rows 30 apart at the original heights, pushed down by what a row grew; the piece beside a
// control keeps the right edge and the gap.
TEST(PreferencesGrid, PlacesRowsAndThePiecesBesideControls) {
  const std::vector<GridRowHeight> original = {{21, 21}, {20, 20}, {22, 22}};
  EXPECT_EQ(GridRowTops(original), (std::vector<int>{10, 40, 70, 100}));
  const std::vector<GridRowHeight> taller = {{21, 34}, {20, 20}, {20, 27}};
  EXPECT_EQ(GridRowTops(taller), (std::vector<int>{10, 53, 83, 120}));
  EXPECT_EQ(GridRowTops({}), (std::vector<int>{10}));

  const SideCase cases[] = {
      {kTrackWidth, kSideX, kSideWidth, 50, {170, 340, 70}},          // fits: nothing moves
      {kTrackWidth, kSideX, kSideWidth, 120, {120, 290, 120}},        // a wider spin
      {kNumericWidth, kSideX, kSideWidth, 100, {130, 310, 100}},      // a 10-pixel gap kept
      {kNarrowWidth, kDotsButtonX, kDotsButtonSide, 34, {202, 377, 34}},
  };
  for (const SideCase& c : cases) {
    const SideBySide fitted = FitSideBySide(c.mainWidth, c.sideX, c.sideWidth, c.needed);
    EXPECT_EQ(fitted.mainWidth, c.expected.mainWidth) << c.needed;
    EXPECT_EQ(fitted.sideX, c.expected.sideX) << c.needed;
    EXPECT_EQ(fitted.sideWidth, c.expected.sideWidth) << c.needed;
    EXPECT_EQ(fitted.sideX + fitted.sideWidth, c.sideX + c.sideWidth) << c.needed;
    EXPECT_LE(kControlX + fitted.mainWidth, fitted.sideX) << c.needed;
  }
}

struct ColourTextCase {
  const char* text;
  const char* value;
};

// Colour fields read pair by pair; colour items are named or numbered; list settings split at
// commas without empty entries; cleaning drops breaks, then the blanks at the ends.
TEST(PreferencesTexts, ColoursListsAndCleaning) {
  const ColourTextCase cases[] = {{"ff8000", "FF8000"}, {"FFF", "000000"}, {"8G00zz", "080000"}, {"G80000", "000000"},
                                  {"", "000000"},       {"1234567", "000000"}, {"aBcDeF", "ABCDEF"}};
  for (const ColourTextCase& c : cases) EXPECT_EQ(ColourFieldValue(c.text), c.value) << c.text;

  LoadTextTable();
  EXPECT_EQ(ColourItemLabel("ff8000"), "Orange");
  EXPECT_EQ(ColourItemLabel("C0C0C0"), "Silver");
  EXPECT_EQ(ColourItemLabel("abc123"), "Color #ABC123");

  EXPECT_EQ(SplitListSetting(" Arial ,Tahoma,, Verdana,"), (std::vector<std::string>{"Arial", "Tahoma", "Verdana"}));
  EXPECT_TRUE(SplitListSetting("").empty());
  EXPECT_EQ(AppendListEntry("", "Arial"), "Arial");
  EXPECT_EQ(AppendListEntry("Arial", "Tahoma"), "Arial,Tahoma");

  EXPECT_EQ(CleanFieldText(" a\tb \r\n"), "ab");
  EXPECT_EQ(CleanFieldText("x \t"), "x");
  EXPECT_EQ(CleanFieldText(" \t "), "");
  EXPECT_EQ(CleanFieldText("in  side"), "in  side");
}

// Every label fits its 160 pixels, every row's pieces stay inside the page side by side, and
// every page's rows stack without overlapping.
TEST_F(PreferencesTest, PagesAreLaidOutWithoutClippingOrOverlap) {
  inputKinds = {"wmf", "raw", "gif"};
  outputExtensions = {"jpg", "png", "tiff", "bmp"};
  Settings.doFrame = 1;
  Open();
  for (size_t page = 0; page < Dialog().PageCount(); ++page) {
    const PageTable& table = Dialog().Page(page).Table();
    std::vector<const PageRow*> rows;
    for (const PageRow& row : table.rows) rows.push_back(&row);
    for (const PageContainer& container : table.containers) {
      for (const PageRow& row : container.rows) rows.push_back(&row);
    }
    for (const PageRow* tableRow : rows) {
      if (tableRow->key.empty()) continue;
      RowControl* row = Row(table.category, tableRow->key);
      ASSERT_NE(row, nullptr);
      const wxWindow* label = row->PieceAt(0);
      EXPECT_LE(label->GetBestSize().x, kLabelWidth) << tableRow->key << " label clipped";
      int right = kLabelX + kLabelWidth;
      for (size_t piece = 1; piece < row->PieceCount(); ++piece) {
        const wxRect rect = row->PieceAt(piece)->GetRect();
        EXPECT_GE(rect.x, right) << tableRow->key << " piece " << piece << " overlaps";
        EXPECT_LE(rect.GetRight(), kPageWidth - 16) << tableRow->key << " piece " << piece << " beyond the page";
        EXPECT_GE(rect.height, row->PieceAt(piece)->GetBestSize().y) << tableRow->key << " piece " << piece;
        right = rect.GetRight() + 1;
      }
    }
  }
  for (size_t page = 0; page < Dialog().PageCount(); ++page) {
    std::vector<int> tops;
    for (const PageRow& tableRow : Dialog().Page(page).Table().rows) {
      if (!tableRow.key.empty()) tops.push_back(Row(Dialog().Page(page).Table().category, tableRow.key)->Top());
    }
    for (size_t i = 1; i < tops.size(); ++i) EXPECT_GE(tops[i], tops[i - 1] + kRowPitch) << page;
  }
}

}  // namespace
}  // namespace vecrast::uitest
