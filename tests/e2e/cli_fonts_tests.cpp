// The same file and options give the same JPG whoever converts it: a user's own font
// configuration (aliases, hinting, sub-pixel order, anti-aliasing, emboldening, font
// folders, a replaced configuration file, another language) changes no byte, neither of
// the metafile's text nor of a text watermark.
#include <filesystem>

#include "cli_fixture.h"
#include "wmf_writer.h"

namespace clitest {
namespace {

// Text in the faces the user's configuration below redirects, and one it does not know.
std::string TextMetafile() {
  wmfw::WmfWriter w;
  w.SetBkMode(1).CreateFont(-28, "Times New Roman").SelectObject(0).TextOut(10, 10, "Wavy Quartz 1.5");
  w.CreateFont(-20, "Arial", 700, true).SelectObject(1).TextOut(10, 50, "Arial bold italic");
  w.CreateFont(-20, "Some Face Nobody Has").SelectObject(2).TextOut(10, 80, "unknown face");
  const wmfw::Bytes bytes = w.Placeable(0, 0, 320, 120, 96);
  return std::string(bytes.begin(), bytes.end());
}

constexpr char kHostileConfiguration[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>USER_FONTS</dir>
  <alias binding="strong"><family>Times New Roman</family><prefer><family>DejaVu Sans Mono</family></prefer></alias>
  <alias binding="strong"><family>Arial</family><prefer><family>DejaVu Serif</family></prefer></alias>
  <match target="pattern">
    <test name="family"><string>Liberation Serif</string></test>
    <edit name="family" mode="prepend" binding="strong"><string>DejaVu Sans Mono</string></edit>
  </match>
  <match target="pattern"><edit name="family" mode="prepend" binding="strong"><string>User Font</string></edit></match>
  <match target="font">
    <edit name="hintstyle" mode="assign"><const>hintfull</const></edit>
    <edit name="rgba" mode="assign"><const>rgb</const></edit>
    <edit name="antialias" mode="assign"><bool>false</bool></edit>
    <edit name="embolden" mode="assign"><bool>true</bool></edit>
    <edit name="autohint" mode="assign"><bool>true</bool></edit>
  </match>
</fontconfig>
)";

class CliFonts : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    input_ = box_.WriteFile("in/text.wmf", TextMetafile());
    // A font of the user's own, under a family name the configuration prefers for everything.
    const std::string userFonts = box_.Root() + "home/.fonts/";
    std::filesystem::create_directories(userFonts);
    std::filesystem::copy_file("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf", userFonts + "user.ttf");
    std::string configuration = kHostileConfiguration;
    configuration.replace(configuration.find("USER_FONTS"), 10, userFonts);
    box_.WriteFile("config/fontconfig/fonts.conf", configuration);
    hostileFile_ = box_.WriteFile("hostile-fonts.conf", configuration);
  }

  std::string Convert(const std::vector<std::string>& environment) {
    const std::vector<std::string> arguments = {"-q", "-i", input_, "-o", box_.Out(), "--wm-text=Watermark 2.5",
                                                "--wm-font=Times New Roman", "--wm-font-size=14",
                                                "--wm-text-antialiasing"};
    RunOptions options;
    for (const std::string& variable : environment) {
      const size_t equals = variable.find('=');
      options.environment.emplace_back(variable.substr(0, equals), variable.substr(equals + 1));
    }
    const RunResult run = box_.Run(arguments, options);
    EXPECT_EQ(run.status, 0) << run.err;
    return ReadWholeFile(box_.Out() + "text.jpg");
  }

  std::string hostileFile_;
};

TEST_F(CliFonts, AUsersFontConfigurationChangesNoByte) {
  if (!FileExists("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf")) {
    GTEST_SKIP() << "DejaVu Sans Mono is not installed (Debian package fonts-dejavu-core)";
  }
  // Without a user configuration: the sandbox's configuration folder has none.
  const std::string plain = Convert({"XDG_CONFIG_HOME=" + box_.Root() + "no-config/"});
  ASSERT_FALSE(plain.empty());
  EXPECT_EQ(Convert({}), plain) << "user fonts.conf";
  EXPECT_EQ(Convert({"FONTCONFIG_FILE=" + hostileFile_}), plain) << "FONTCONFIG_FILE";
  EXPECT_EQ(Convert({"LANG=ja_JP.UTF-8", "FC_LANG=ja", "LC_ALL=ja_JP.UTF-8"}), plain) << "another language";
}

}  // namespace
}  // namespace clitest
