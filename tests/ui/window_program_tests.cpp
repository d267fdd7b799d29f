// The built program as a user starts it: the windowed start, its failures, the command line's
// independence from the window, and a conversion typed and keyed in with xdotool.
#include <FreeImage.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "program_runner.h"
#include "temp_folder.h"
#include "wmf_writer.h"

namespace vecrast::uitest {
namespace {

const char* kTitle = "^Zentrafax WMF to JPG 2.5$";

class WindowProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    home = folder.path();
    std::filesystem::create_directories(home + "/out");
    environment = SandboxEnvironment(home);
  }

  std::string WriteMetafile(const std::string& name) {
    wmfw::WmfWriter writer;
    writer.SetWindowExt(3000, 1500);
    writer.CreateBrush(0, wmfw::Rgb(255, 0, 0));
    writer.SelectObject(0);
    writer.Rectangle(0, 0, 3000, 1500);
    const std::string path = home + "/" + name;
    wmfw::WriteFile(path, writer.Placeable(0, 0, 3000, 1500, 1440));
    return path;
  }

  std::vector<std::string> Without(const std::string& prefix) const {
    std::vector<std::string> kept;
    for (const std::string& entry : environment) {
      if (entry.rfind(prefix, 0) != 0) kept.push_back(entry);
    }
    return kept;
  }

  testing::TempFolder folder;
  std::string home;
  std::vector<std::string> environment;
};

TEST_F(WindowProgram, ACommandLineRunLoadsNoGuiLibrary) {
  std::vector<std::string> traced = environment;
  traced.push_back("LD_DEBUG=files");
  const ProgramResult run =
      RunProgram({VECRAST_BINARY, "-q", "-i", WriteMetafile("a.wmf"), "-o", home + "/out/"}, traced);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::is_regular_file(home + "/out/a.jpg"));
  // The trace does list the libraries a run loads (the image library among them)...
  EXPECT_NE(run.err.find("libfreeimage"), std::string::npos);
  // ...and none of the window's.
  for (const char* library : {"libwx_", "libgtk", "libgdk", "vecrast-ui"}) {
    EXPECT_EQ(run.err.find(library), std::string::npos) << library;
  }
}

TEST_F(WindowProgram, WithoutADisplayTheStartSaysSoAndFails) {
  const ProgramResult run = RunProgram({VECRAST_BINARY}, Without("DISPLAY="));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "Error: the window cannot open: no display (neither DISPLAY nor WAYLAND_DISPLAY is set) (use -i FILE to "
            "convert from the command line, -h for help)\n");
  EXPECT_FALSE(std::filesystem::exists(home + "/.config/Zentrafax/vecrast/config.ini"));
}

TEST_F(WindowProgram, ADisplayThatCannotBeOpenedIsNamed) {
  std::vector<std::string> unreachable = Without("DISPLAY=");
  unreachable.push_back("DISPLAY=:4711");
  const ProgramResult run = RunProgram({VECRAST_BINARY}, unreachable);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Error: the window cannot open: the display :4711 cannot be opened"), std::string::npos)
      << run.err;
}

TEST_F(WindowProgram, WithoutTheWindowModuleTheStartSaysSoAndFails) {
  const std::string lonely = home + "/bin/vecrast";
  std::filesystem::create_directories(home + "/bin");
  std::filesystem::copy_file(VECRAST_BINARY, lonely);
  const ProgramResult run = RunProgram({lonely}, environment);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("the window module vecrast-ui.so is not installed beside " + home + "/bin/"),
            std::string::npos)
      << run.err;
  // The command line of the same copy still works.
  EXPECT_EQ(RunProgram({lonely, "-q", "-i", WriteMetafile("a.wmf"), "-o", home + "/out/"}, environment).status, 0);
}

TEST_F(WindowProgram, AnInstalledProgramFindsItsModuleAndDesktopFiles) {
  const std::string prefix = home + "/prefix";
  const ProgramResult install = RunProgram({"cmake", "--install", VECRAST_BUILD_DIR, "--prefix", prefix}, environment, 120);
  ASSERT_EQ(install.status, 0) << install.out << install.err;
  for (const char* file : {"/bin/vecrast", "/lib/vecrast/vecrast-ui.so", "/share/applications/vecrast.desktop",
                           "/share/icons/hicolor/48x48/apps/vecrast.png", "/share/icons/hicolor/256x256/apps/vecrast.png",
                           "/share/vecrast/manual/index.html", "/share/vecrast/manual/options.html",
                           "/share/vecrast/manual/manual.css"}) {
    EXPECT_TRUE(std::filesystem::is_regular_file(prefix + file)) << file;
  }
  // The installed program loads its module from the prefix: only the display is then missing.
  std::vector<std::string> unreachable = Without("DISPLAY=");
  unreachable.push_back("DISPLAY=:4711");
  const ProgramResult run = RunProgram({prefix + "/bin/vecrast"}, unreachable);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("the display :4711 cannot be opened"), std::string::npos) << run.err;
}

TEST_F(WindowProgram, ASecondWindowedStartEndsSilently) {
  BackgroundProgram first({VECRAST_BINARY}, environment);
  ASSERT_TRUE(Xdotool({"search", "--sync", "--onlyvisible", "--name", kTitle}));
  const ProgramResult second = RunProgram({VECRAST_BINARY}, environment, 10);
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(second.out, "");
  EXPECT_EQ(second.err, "");
}

// The uninstall offer waits for a person: a conversion started meanwhile is told the window
// is open (75) at once instead of waiting behind it.
TEST_F(WindowProgram, AConversionDuringTheUninstallOfferFailsAtOnceAsBusy) {
  BackgroundProgram offer({VECRAST_BINARY, "-U"}, environment);
  ASSERT_TRUE(Xdotool({"search", "--sync", "--onlyvisible", "--name", "^Uninstall$"}));
  const ProgramResult run =
      RunProgram({VECRAST_BINARY, "-q", "-i", WriteMetafile("busy.wmf"), "-o", home + "/out/"}, environment, 10);
  EXPECT_EQ(run.status, 75) << run.err;
  EXPECT_FALSE(std::filesystem::exists(home + "/out/busy.jpg"));
}

// How much slower than a plain build the program runs: sanitizer builds take several times
// as long to draw, so every pause a user would make is longer there.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kPatience = 4;
#else
constexpr int kPatience = 1;
#endif

void Pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds * kPatience)); }

// Waits until the window with the keyboard focus has exactly this title.
bool WaitForFocus(const std::string& title, double seconds = 20) {
  std::vector<std::string> environment = {"PATH=/usr/bin:/bin"};
  if (const char* display = std::getenv("DISPLAY")) environment.push_back(std::string("DISPLAY=") + display);
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds * kPatience);
  while (std::chrono::steady_clock::now() < end) {
    if (RunProgram({"xdotool", "getwindowfocus", "getwindowname"}, environment).out == title + "\n") return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

// What a user does: types the metafile's path, picks the output folder in the folder dialog
// (typing its path into the location field, Ctrl+L), converts with F5, confirms the result and
// quits with Alt+X.
TEST_F(WindowProgram, AUserConvertsAFileWithTheKeyboard) {
  const auto manager = StartWindowManager();
  const std::string input = WriteMetafile("drawing.wmf");
  const std::string output = home + "/out/";
  const std::string title = "Zentrafax WMF to JPG 2.5";
  BackgroundProgram program({VECRAST_BINARY}, environment);
  ASSERT_TRUE(WaitForFocus(title));
  Pause(300);

  ASSERT_TRUE(Xdotool({"type", "--delay", "10", input}));
  // File > Select Output Folder... from the keyboard: F10 opens the menu bar.
  ASSERT_TRUE(Xdotool({"key", "--delay", std::to_string(150 * kPatience), "F10", "Down", "Down", "Down", "Return"}));
  ASSERT_TRUE(WaitForFocus("Select Output Folder"));
  Pause(500);
  ASSERT_TRUE(Xdotool({"key", "ctrl+l"}));
  Pause(500);
  ASSERT_TRUE(Xdotool({"type", "--delay", "20", output}));
  Pause(300);
  // The location field may first take Return for its completion; a user presses it again.
  bool chosen = false;
  for (int press = 0; press < 3 && !chosen; ++press) {
    ASSERT_TRUE(Xdotool({"key", "Return"}));
    chosen = WaitForFocus(title, 3);
  }
  ASSERT_TRUE(chosen);
  Pause(300);

  ASSERT_TRUE(Xdotool({"key", "F5"}));
  ASSERT_TRUE(WaitForFocus("Conversion complete (1/1)"));
  Pause(200);
  ASSERT_TRUE(Xdotool({"key", "Return"}));
  ASSERT_TRUE(WaitForFocus(title));
  ASSERT_TRUE(Xdotool({"key", "alt+x"}));
  EXPECT_EQ(program.Wait(15 * kPatience), 0);

  FIBITMAP* picture = FreeImage_Load(FIF_JPEG, (output + "drawing.jpg").c_str());
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(FreeImage_GetWidth(picture), 200u);
  EXPECT_EQ(FreeImage_GetHeight(picture), 100u);
  RGBQUAD centre{};
  FreeImage_GetPixelColor(picture, 100, 50, &centre);
  EXPECT_GT(centre.rgbRed, 230);
  EXPECT_LT(centre.rgbGreen, 30);
  FreeImage_Unload(picture);

  const std::string configuration = testing::ReadFileBytes(home + "/.config/Zentrafax/vecrast/config.ini");
  EXPECT_NE(configuration.find("Recent Out Folders = " + output + "\r\n"), std::string::npos) << configuration;
  EXPECT_NE(configuration.find("Width = 510\r\n"), std::string::npos) << configuration;
  EXPECT_NE(configuration.find("IsMaximized = 0\r\n"), std::string::npos) << configuration;
}

}  // namespace
}  // namespace vecrast::uitest
