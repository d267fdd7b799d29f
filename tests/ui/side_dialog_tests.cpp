// The small pieces of the main window: shortening names, the converter search, the About
// dialog, and the end of the program.
#include <wx/app.h>
#include <wx/hyperlink.h>
#include <wx/textctrl.h>

#include "ui/about_dialog.h"
#include "ui/converter_search.h"
#include "ui/ids.h"
#include "ui/shorten_for_display.h"
#include "ui/windowed_program.h"
#include "program_runner.h"
#include "ui_fixture.h"

namespace vecrast::uitest {
namespace {

TEST(ShortenForDisplay, KeepsBothEndsOfALongName) {
  const std::string sixty = std::string(30, 'a') + std::string(30, 'b');
  EXPECT_EQ(ShortenForDisplay(sixty, 50), std::string(23, 'a') + "..." + std::string(23, 'b'));
  EXPECT_EQ(ShortenForDisplay(std::string(50, 'x'), 50), std::string(50, 'x'));
  EXPECT_EQ(ShortenForDisplay("short", 50), "short");
  EXPECT_EQ(ShortenForDisplay("abcdefgh", 7), "ab...gh");
  // Characters, not bytes: a name of 60 two-byte letters keeps 23 whole letters at each end.
  std::string umlauts;
  for (int i = 0; i < 60; ++i) umlauts += "\xC3\xBC";
  std::string expected;
  for (int i = 0; i < 23; ++i) expected += "\xC3\xBC";
  EXPECT_EQ(ShortenForDisplay(umlauts, 50), expected + "..." + expected);
}

struct SearchCase {
  const char* name;
  const char* from;
  const char* to;
  const char* address;  // "" when the search is refused
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class ConverterSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(ConverterSearch, BuildsThePageAddress) {
  unsetenv("VECRAST_SITE");
  const SearchCase c = GetParam();
  EXPECT_EQ(ConverterSearchAddress(c.from, c.to), c.address);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConverterSearch,
    ::testing::Values(SearchCase{"Plain", "wmf", "jpg", "https://www.zentrafax.example/find/wmf-jpg/"},
                      SearchCase{"PunctuationAndCase", "W.M.F", "  JPG ", "https://www.zentrafax.example/find/wmf-jpg/"},
                      SearchCase{"TwelveCharactersCountedBeforePunctuation", "abcdefghij.klmnop", "x1",
                                 "https://www.zentrafax.example/find/abcdefghijk-x1/"},
                      SearchCase{"OnlyPunctuation", "...", "jpg", ""}, SearchCase{"EmptyTarget", "wmf", "", ""},
                      SearchCase{"LettersBeyondAsciiAreDropped", "w\xC3\xBC" "f", "jpg",
                                 "https://www.zentrafax.example/find/wf-jpg/"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(MainWindowTest, SearchOpensThePageAndClosesOrWarns) {
  ConverterSearchDialog dialog(&Window());
  wxTheApp->CallAfter([&] {
    dialog.FromField()->ChangeValue("...");
    dialog.ToField()->ChangeValue("jpg");
    dialog.Search();  // refused: the dialog stays
    dialog.FromField()->ChangeValue("WMF");
    dialog.Search();
  });
  EXPECT_EQ(dialog.ShowModal(), wxID_OK);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Please, fill all required fields and try again!");
  EXPECT_EQ(opened, std::vector<std::string>{"https://www.zentrafax.example/find/wmf-jpg/"});
  EXPECT_EQ(ConversionJob.searchFrom, "wmf");
  EXPECT_EQ(ConversionJob.searchTo, "jpg");
  EXPECT_TRUE(Window().IsEnabled());
}

TEST_F(MainWindowTest, AboutShowsTheProductAndOpensItsLinks) {
  AboutDialog dialog(&Window());
  EXPECT_EQ(dialog.GetTitle(), "About...");
  EXPECT_EQ(dialog.GetClientSize().x, 360);
  for (int link : {365, 366}) {
    auto* control = dynamic_cast<wxHyperlinkCtrl*>(dialog.FindWindow(link));
    ASSERT_NE(control, nullptr);
    wxHyperlinkEvent click(control, link, control->GetURL());
    control->GetEventHandler()->ProcessEvent(click);
  }
  EXPECT_EQ(opened, (std::vector<std::string>{"https://www.zentrafax.example/", "mailto:support@zentrafax.example"}));
  EXPECT_EQ(dialog.GetEscapeId(), wxID_OK);
}

TEST_F(MainWindowTest, QuittingStoresTheGeometryAndSavesTheHistoryRule) {
  Window().SetClientSize(700, Window().GetClientSize().y);
  Flush();
  Settings.recentOutFolders = "/kept/";
  Settings.outFoldersHistory = 1;
  Window().Close();
  Flush();
  EXPECT_EQ(MainWindow(), nullptr);
  EXPECT_EQ(Settings.width, 700);
  EXPECT_EQ(Settings.isMaximized, 0);
  ShutDownWindowedProgram();
  EXPECT_NE(testing::ReadFileBytes(Settings.configurationPath).find("Recent Out Folders = /kept/\r\n"),
            std::string::npos);

  Settings.outFoldersHistory = 0;
  ShutDownWindowedProgram();
  EXPECT_EQ(Settings.recentOutFolders, "");
  EXPECT_NE(testing::ReadFileBytes(Settings.configurationPath).find("Recent Out Folders = \r\n"), std::string::npos);
}

TEST_F(MainWindowTest, AMaximisedWindowKeepsItsStoredSize) {
  const auto manager = StartWindowManager();
  Settings.width = 640;
  Settings.x = 33;
  Window().Maximize();
  ASSERT_TRUE(RunUntil([&] { return Window().IsMaximized(); }));
  CaptureWindowGeometry(Window());
  EXPECT_EQ(Settings.isMaximized, 1);
  EXPECT_EQ(Settings.width, 640);
  EXPECT_EQ(Settings.x, 33);
}

}  // namespace
}  // namespace vecrast::uitest
