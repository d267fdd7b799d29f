// The side modes: the uninstall offer and the screenshot mode, in the window module and
// through the real program on the test's display.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/display.h>

#include <filesystem>
#include <functional>

#include "side_mode_process.h"
#include "texts/texts.h"
#include "ui/screenshot_picture.h"
#include "ui/shell_open.h"
#include "ui/uninstall_offer.h"

// After the toolkit's headers: FreeImage.h defines _WINDOWS_, which they take for Windows.
#include <FreeImage.h>

namespace vecrast::uitest {
namespace {

// The offer shown modally while `act` runs inside its loop; what was handed to the opener.
std::vector<std::string> RunOffer(const std::function<void(UninstallOfferDialog&)>& act) {
  std::vector<std::string> opened;
  SetShellOpener([&opened](const std::string& target) { opened.push_back(target); });
  LoadTextTable();
  UninstallOfferDialog offer;
  offer.CallAfter([&offer, &act] { act(offer); });
  offer.ShowModal();
  SetShellOpener({});
  return opened;
}

TEST(UninstallOffer, NextOpensTheUninstallPageOnlyWhenTheBoxIsChecked) {
  EXPECT_EQ(RunOffer([](UninstallOfferDialog& offer) { offer.Next(); }),
            std::vector<std::string>{MakerSite() + "vecrast/uninstall.html"});
  EXPECT_TRUE(RunOffer([](UninstallOfferDialog& offer) {
                offer.VisitBox()->SetValue(false);
                offer.Next();
              }).empty());
  EXPECT_TRUE(RunOffer([](UninstallOfferDialog& offer) { offer.Close(); }).empty());
}

TEST(UninstallOffer, IsLaidOutAsWindowTenAndCentredOnTheScreen) {
  LoadTextTable();
  UninstallOfferDialog offer;
  EXPECT_EQ(offer.GetId(), 10);
  EXPECT_EQ(offer.GetTitle(), "Uninstall");
  EXPECT_TRUE(offer.VisitBox()->GetValue());
  EXPECT_EQ(offer.VisitBox()->GetLabel(), "Full Uninstall - Visit Uninstall Center");
  EXPECT_EQ(offer.VisitBox()->GetPosition(), wxPoint(30, 20));
  EXPECT_EQ(offer.NextButton()->GetLabel(), "Next");
  EXPECT_EQ(offer.NextButton()->GetPosition().x, 200);
  EXPECT_GE(offer.NextButton()->GetPosition().y, offer.VisitBox()->GetRect().GetBottom() + 20);
  EXPECT_GE(offer.GetClientSize().x, 300);
  EXPECT_GE(offer.GetClientSize().y, offer.NextButton()->GetRect().GetBottom());
  const wxRect screen = wxDisplay(0u).GetGeometry();
  const wxRect window = offer.GetScreenRect();
  EXPECT_NEAR(window.x + window.width / 2, screen.width / 2, 2);
  EXPECT_NEAR(window.y + window.height / 2, screen.height / 2, 2);
}

TEST(ScreenshotPicture, TheThumbnailKeepsTheProportions) {
  EXPECT_EQ(ThumbnailHeight(510, 300), 106);  // 105.88
  EXPECT_EQ(ThumbnailHeight(360, 100), 50);   // 50 exactly
  EXPECT_EQ(ThumbnailHeight(720, 2), 1);      // 0.5 rounds away from zero
  EXPECT_EQ(ThumbnailHeight(1000, 1), 1);     // never less than one row
}

struct Decoded {
  int width = 0, height = 0;
  FIBITMAP* bitmap = nullptr;
  ~Decoded() {
    if (bitmap) FreeImage_Unload(bitmap);
  }
  int Luma(int x, int y) const {
    RGBQUAD pixel{};
    FreeImage_GetPixelColor(bitmap, static_cast<unsigned>(x), static_cast<unsigned>(height - 1 - y), &pixel);
    return (pixel.rgbRed * 3 + pixel.rgbGreen * 6 + pixel.rgbBlue) / 10;
  }
};

bool DecodeJpeg(const std::string& path, Decoded& decoded) {
  decoded.bitmap = FreeImage_Load(FIF_JPEG, path.c_str(), 0);
  if (decoded.bitmap == nullptr) return false;
  decoded.width = static_cast<int>(FreeImage_GetWidth(decoded.bitmap));
  decoded.height = static_cast<int>(FreeImage_GetHeight(decoded.bitmap));
  return true;
}

int DarkPixels(const Decoded& picture, const wxRect& area) {
  int dark = 0;
  for (int y = std::max(0, area.y); y < std::min(picture.height, area.GetBottom() + 1); ++y) {
    for (int x = std::max(0, area.x); x < std::min(picture.width, area.GetRight() + 1); ++x) dark += picture.Luma(x, y) < 90;
  }
  return dark;
}

TEST(ScreenshotMode, ThroughTheProgramWritesThePictureAndItsThumbnail) {
  SideModeProcess program;
  const std::string out = program.Root() + "out";
  ASSERT_TRUE(program.Start({"-T", out}));
  ASSERT_EQ(program.Wait(60), 0) << program.ErrorOutput();
  Decoded picture, thumbnail;
  ASSERT_TRUE(DecodeJpeg(out + "/vecrast1.jpg", picture));
  ASSERT_TRUE(DecodeJpeg(out + "/vecrast1x.jpg", thumbnail));
  // No window manager on the test's display: the outer rectangle is the inner one, 510 wide.
  EXPECT_EQ(picture.width, 510);
  EXPECT_GT(picture.height, 200);
  EXPECT_EQ(thumbnail.width, 180);
  EXPECT_EQ(thumbnail.height, ThumbnailHeight(picture.width, picture.height));
  // The web address is written into the lower right corner, and nothing right of its margin.
  const int top = picture.height - 26;
  EXPECT_GT(DarkPixels(picture, wxRect(picture.width - 235, top, 200, 14)), 40);
  EXPECT_EQ(DarkPixels(picture, wxRect(picture.width - 30, top, 12, 12)), 0);
  // The window is there: the menu bar's words and the form's labels are dark on light.
  EXPECT_GT(DarkPixels(picture, wxRect(0, 0, 200, 30)), 20);
  EXPECT_TRUE(std::filesystem::is_empty(program.ConfigHome()));
}

TEST(ScreenshotMode, AFolderThatDoesNotExistWritesNothing) {
  SideModeProcess program;
  ASSERT_TRUE(program.Start({"-T", program.Root() + "missing"}));
  EXPECT_EQ(program.Wait(60), 1);
  EXPECT_NE(program.ErrorOutput().find("Error: Invalid screenshot folder: \""), std::string::npos) << program.ErrorOutput();
  EXPECT_FALSE(std::filesystem::exists(program.Root() + "missing"));
  EXPECT_FALSE(std::filesystem::exists(program.Root() + "missingvecrast1.jpg"));
  EXPECT_TRUE(std::filesystem::is_empty(program.Root() + "out"));
  EXPECT_TRUE(std::filesystem::is_empty(program.ConfigHome()));
}

// Clicks at a point of the window whose title is `title`, in its own coordinates.
bool ClickInWindow(const std::string& window, wxPoint at) {
  return !CommandOutput("xdotool mousemove --window " + window + " " + std::to_string(at.x) + " " +
                        std::to_string(at.y) + " click 1 && echo clicked")
              .empty();
}

class UninstallThroughTheProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    if (CommandOutput("command -v xdotool").empty()) GTEST_SKIP() << "xdotool is not installed";
    setenv("VECRAST_SITE", "http://127.0.0.1:9/", 1);
    // Where the box and the button are: the same dialog built here, on the same display.
    LoadTextTable();
    UninstallOfferDialog layout;
    boxCentre_ = wxPoint(layout.VisitBox()->GetPosition().x + 8, layout.VisitBox()->GetRect().GetTop() + layout.VisitBox()->GetSize().y / 2);
    nextCentre_ = layout.NextButton()->GetRect().GetPosition() + layout.NextButton()->GetSize() / 2;
  }
  void TearDown() override { unsetenv("VECRAST_SITE"); }

  // Starts "-U", waits for its window, clears the box when asked, presses Next.
  int RunOffer(SideModeProcess& program, bool clearTheBox) {
    if (!program.Start({"-U"})) return -1;
    std::string window = CommandOutput("timeout 20 xdotool search --sync --onlyvisible --name '^Uninstall$'");
    window = window.substr(0, window.find('\n'));
    if (window.empty()) return program.Wait(0);
    if (clearTheBox) ClickInWindow(window, boxCentre_);
    ClickInWindow(window, nextCentre_);
    return program.Wait(20);
  }

  wxPoint boxCentre_, nextCentre_;
};

TEST_F(UninstallThroughTheProgram, WithTheBoxClearedOpensNothing) {
  SideModeProcess program;
  EXPECT_EQ(RunOffer(program, true), 0) << program.ErrorOutput();
  EXPECT_EQ(program.OpenedTargets(), "");
  EXPECT_TRUE(std::filesystem::is_empty(program.ConfigHome()));
}

TEST_F(UninstallThroughTheProgram, WithTheBoxCheckedOpensTheUninstallPage) {
  SideModeProcess program;
  EXPECT_EQ(RunOffer(program, false), 0) << program.ErrorOutput();
  EXPECT_EQ(program.OpenedTargets(), "http://127.0.0.1:9/vecrast/uninstall.html\n");
  EXPECT_TRUE(std::filesystem::is_empty(program.ConfigHome()));
}

}  // namespace
}  // namespace vecrast::uitest
