#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "app/option_reader.h"
#include "app/profile.h"
#include "settings/settings.h"

namespace vecrast {
namespace {

class OptionReading : public testing::Test {
 protected:
  void SetUp() override { StartFromCommandLineDefaults(); }
  static void StartFromCommandLineDefaults() {
    ResetConversionJob();
    ResetSettings(true);
  }
  void TearDown() override {
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
  }
  OptionReadResult Read(std::vector<std::string> arguments) { return ReadOptions(arguments); }
  std::string Profile(const std::string& text) {
    if (folder_.empty()) {
      char pattern[] = "/tmp/vecrast_profile_XXXXXX";
      folder_ = mkdtemp(pattern);
    }
    const std::string path = folder_ + "/p" + std::to_string(++count_) + ".ini";
    std::ofstream(path) << text;
    return path;
  }

  bool LoadProfileText(const std::string& text) {
    std::string reason;
    return LoadProfile(Profile(text), reason);
  }

  std::string folder_;
  int count_ = 0;
};

TEST_F(OptionReading, InputFormsAreEquivalent) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"-i", "a.wmf"}, {"-I", "a.wmf"}, {"--input=a.wmf"}, {"--INPUT=a.wmf"}}) {
    StartFromCommandLineDefaults();
    const OptionReadResult result = Read(arguments);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(ConversionJob.inputArgument, "a.wmf");
    EXPECT_EQ(ConversionJob.consoleRun, 1);
  }
}

TEST_F(OptionReading, ShortInputWithEqualsIsNoOption) {
  EXPECT_EQ(Read({"-i=a.wmf"}).error, "");
  EXPECT_EQ(ConversionJob.consoleRun, 0);
  EXPECT_EQ(ConversionJob.inputArgument, "");
}

TEST_F(OptionReading, MissingValuesAreParameterErrors) {
  const std::vector<std::vector<std::string>> failing = {
      {"-i"}, {"-o", "-x"}, {"-c"}, {"--output="}, {"--conversion"}, {"--input=-a"},
      {"--width", "800"}, {"--brightness=--20"}, {"--wm-text="}, {"--profile="}, {"--profile"}};
  for (const auto& arguments : failing) {
    StartFromCommandLineDefaults();
    EXPECT_EQ(Read(arguments).error, "Incorrect number of parameters") << arguments[0];
  }
}

TEST_F(OptionReading, SettingOptionsConvertTheirValues) {
  const OptionReadResult result =
      Read({"--width=$320", "--brightness=-20", "--jpg-save-as=Progressive", "--gamma=2.5", "--jpg-chroma=sideways",
            "--wm-text=Hello World", "--rotation-back-color=\"FF0000\"", "--file-timestamp-custom=1000"});
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(Settings.imageWidth, 800);
  EXPECT_EQ(Settings.doImageResize, 1);
  EXPECT_EQ(Settings.imageHeight, 0);
  EXPECT_EQ(Settings.imageBrightness, -20);
  EXPECT_EQ(Settings.doImageColorCorrection, 1);
  EXPECT_EQ(Settings.jpgSaveAs, 3);
  EXPECT_DOUBLE_EQ(Settings.imageGamma, 2.5);
  EXPECT_EQ(Settings.jpgChroma, 0);
  EXPECT_EQ(Settings.text, "Hello World");
  EXPECT_EQ(Settings.doWatermark, 1);
  EXPECT_EQ(Settings.imageRotationBackColor, "FF0000");
  EXPECT_EQ(Settings.customTimestamp, 1000);
}

TEST_F(OptionReading, FlagsIgnoreAnyValueAndTakeNoArgument) {
  EXPECT_EQ(Settings.keepAspectRatio, 0) << "command-line default";
  EXPECT_EQ(Read({"--keep-aspect-ratio=0", "--no-subfolders", "800", "--png-interlaced"}).error, "");
  EXPECT_EQ(Settings.keepAspectRatio, 1);
  EXPECT_EQ(Settings.keepSubfolders, 0);
  EXPECT_EQ(Settings.pngInterlaced, 1);
}

TEST_F(OptionReading, LaterOptionWinsAndImageWatermarkReplacesText) {
  Read({"--jpg-quality=50", "--wm-text=a", "--jpg-quality=60", "--wm-image=x.png"});
  EXPECT_EQ(Settings.jpgQuality, 60);
  EXPECT_EQ(Settings.doWatermark, 2);
  EXPECT_EQ(Settings.image, "x.png");
}

TEST_F(OptionReading, SameKeyInTwoGroupsWritesTheRightOne) {
  Read({"--rotation=90", "--wm-image-rotation=45"});
  EXPECT_EQ(Settings.imageRotation, 90);
  EXPECT_EQ(Settings.doImageRotation, 1);
  EXPECT_EQ(Settings.watermarkImageRotation, 45);
}

TEST_F(OptionReading, SwitchesAndRunValues) {
  const OptionReadResult result = Read({"-q", "--DEBUG", "-p", "-c", "\"jpg\"", "-o", "out"});
  EXPECT_TRUE(result.quiet);
  EXPECT_TRUE(result.pause);
  EXPECT_EQ(ConversionJob.runModeTag, "DEBUG");
  EXPECT_EQ(ConversionJob.outputExtension, "jpg");
  EXPECT_EQ(ConversionJob.outputFolder, "out");
  EXPECT_EQ(ConversionJob.consoleRun, 0);
}

TEST_F(OptionReading, ReadingStopsAtTheFirstError) {
  const OptionReadResult result = Read({"--width", "-p", "--jpg-quality=5"});
  EXPECT_EQ(result.error, "Incorrect number of parameters");
  EXPECT_FALSE(result.pause) << "a -p after the error is not read";
  EXPECT_EQ(Settings.jpgQuality, 95);
  EXPECT_TRUE(Read({"-p", "--width"}).pause);
}

TEST_F(OptionReading, UnknownArgumentsAreSkippedWithAWarningEach) {
  const OptionReadResult result = Read({"stray", "--no-such-option=1", "-x", "-i", "a.wmf", "b.wmf", "-v"});
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(ConversionJob.inputArgument, "a.wmf");
  const std::vector<std::string> expected = {
      "Warning: argument ignored: \"stray\" (one run converts one file, the one named by -i; run once for each "
      "file)",
      "Warning: unknown option ignored: \"--no-such-option=1\"",
      "Warning: unknown option ignored: \"-x\"",
      "Warning: argument ignored: \"b.wmf\" (one run converts one file, the one named by -i; run once for each "
      "file)",
      "Warning: option ignored: \"-v\" (it acts only as the first argument)"};
  EXPECT_EQ(result.warnings, expected);
  EXPECT_TRUE(Read({"-i", "a.wmf", "--jpg-quality=5", "-o", "out"}).warnings.empty()) << "values are no strays";
}

TEST_F(OptionReading, ParameterErrorsNameTheOption) {
  EXPECT_EQ(Read({"-i"}).errorValue, "-i");
  EXPECT_EQ(Read({"-i", "a.wmf", "-o", "-q"}).errorValue, "-o");
  EXPECT_EQ(Read({"--width", "800"}).errorValue, "--width");
  EXPECT_EQ(Read({" --jpg-quality= "}).errorValue, "--jpg-quality=");
}

TEST_F(OptionReading, ProfileLandsWhereItIsNamed) {
  const std::string profile = Profile("[CLI]\n--JPG-QUALITY=80\n");
  Read({"--profile=" + profile, "--jpg-quality=70"});
  EXPECT_EQ(Settings.jpgQuality, 70);
  StartFromCommandLineDefaults();
  Read({"--jpg-quality=70", "--profile=" + profile});
  EXPECT_EQ(Settings.jpgQuality, 80);
}

TEST_F(OptionReading, UnreadableProfileIsAnErrorThatNamesThePathAndWhy) {
  const OptionReadResult missing = Read({"--profile=/no/such/file.ini"});
  EXPECT_EQ(missing.error, "Invalid profile file");
  EXPECT_EQ(missing.errorValue, "/no/such/file.ini");
  EXPECT_EQ(missing.errorReason, "No such file or directory");
  std::string reason;
  EXPECT_FALSE(LoadProfile("", reason));

  const std::string folder = std::filesystem::path(Profile("")).parent_path().string();
  const OptionReadResult onFolder = Read({"--profile=" + folder});
  EXPECT_EQ(onFolder.error, "Invalid profile file");
  EXPECT_EQ(onFolder.errorReason, "it is a folder");
}

// A profile may come from a pipe ("--profile=<(...)", "/dev/stdin", a named pipe); one
// without a writer reads as empty instead of hanging.
TEST_F(OptionReading, ProfileFromAPipe) {
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  const std::string text = "[CLI]\n--JPG-QUALITY=42\n";
  ASSERT_EQ(write(ends[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
  close(ends[1]);
  const OptionReadResult piped = Read({"--profile=/dev/fd/" + std::to_string(ends[0])});
  close(ends[0]);
  EXPECT_EQ(piped.error, "") << piped.errorReason;
  EXPECT_EQ(Settings.jpgQuality, 42);

  const std::string fifo = std::filesystem::path(Profile("")).parent_path().string() + "/fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  StartFromCommandLineDefaults();
  const OptionReadResult unwritten = Read({"--profile=" + fifo, "--jpg-quality=7"});
  EXPECT_EQ(unwritten.error, "") << unwritten.errorReason;
  EXPECT_EQ(Settings.jpgQuality, 7);
}

TEST_F(OptionReading, NumbersBeyondThirtyTwoBitsSaturateInsteadOfWrapping) {
  Read({"--jpg-quality=4294967391", "--brightness=-4294967296", "--width=$1FFFFFFFF",
        "--file-timestamp-custom=5000000000"});
  EXPECT_EQ(Settings.jpgQuality, std::numeric_limits<int32_t>::max()) << "not 95";
  EXPECT_EQ(Settings.imageBrightness, std::numeric_limits<int32_t>::min()) << "not 0";
  EXPECT_EQ(Settings.imageWidth, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(Settings.customTimestamp, 5000000000) << "a date keeps its 64 bits, not a 1992 date";
  StartFromCommandLineDefaults();
  ASSERT_TRUE(LoadProfileText("[CLI]\n--JPG-QUALITY=4294967391\n"));
  EXPECT_EQ(Settings.jpgQuality, std::numeric_limits<int32_t>::max()) << "profiles read numbers alike";
}

TEST_F(OptionReading, ProfileNamesAndValueRules) {
  const std::string profile = Profile(
      "[Other]\n--JPG-QUALITY=1\n"
      "[cli]\n"
      "--fr-solid-opacity=9\n"
      "--WM-SOLID-OPACITY=7\n"
      "--INPUT=b.wmf\n"
      "-q=1\n"
      "--FILENAME-MASK=\" %filename% \"\n"
      "--WM-TEXT=  \"quoted\"  \n"
      "--FLIP-VERTICAL=0\n"
      "--GAMMA=nan\n"
      "--WIDTH=$10\n"
      "--JPG-SAVE-AS= progressive \n");
  std::string reason;
  ASSERT_TRUE(LoadProfile(profile, reason)) << reason;
  EXPECT_EQ(Settings.jpgQuality, 95) << "other groups are not read";
  EXPECT_EQ(Settings.solidOpacity, 7);
  EXPECT_EQ(ConversionJob.inputArgument, "");
  EXPECT_EQ(Settings.filenameMask, " %filename% ");
  EXPECT_EQ(Settings.text, "\"quoted\"");
  EXPECT_EQ(Settings.doImageFlipVertical, 1);
  EXPECT_TRUE(std::isnan(Settings.imageGamma));
  EXPECT_EQ(Settings.imageWidth, 16);
  EXPECT_EQ(Settings.doImageResize, 1);
  EXPECT_EQ(Settings.jpgSaveAs, 3);
}

TEST_F(OptionReading, ProfileWithoutTheGroupIsRead) {
  EXPECT_TRUE(LoadProfileText(""));
  EXPECT_TRUE(LoadProfileText("\xff\xfe garbage \x01\n[CLI\n=\n"));
}

}  // namespace
}  // namespace vecrast
