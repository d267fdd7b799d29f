// Every way a command-line run refuses its work: one error line, exit status 1, no output.
#include "cli_fixture.h"

namespace clitest {
namespace {

// Placeholders in the argument lists, replaced per sandbox.
constexpr const char* kIn = "<in>";    // the good metafile
constexpr const char* kOut = "<out>";  // the empty output folder

struct ErrorCase {
  const char* name;
  std::vector<std::string> arguments;
  std::vector<std::string> errorLines;
};

// Test names already say which case ran; print only its name, not its bytes.
void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

const char* const kParameters = "Error: Incorrect number of parameters";
const char* const kStopped = "Conversion stopped";
const char* const kNoInput = "No input file(s) found. Please, add valid file(s) and try again!";

std::vector<ErrorCase> Cases() {
  return {
      {"ShortInputWithoutValue", {"-i"}, {kParameters}},
      {"ShortInputFollowedByOption", {"-i", "-q"}, {kParameters}},
      {"LongInputEmpty", {"--input="}, {kParameters}},
      {"LongInputWithoutEquals", {"--input", kIn}, {kParameters}},
      {"ShortOutputWithoutValue", {"-i", kIn, "-o"}, {kParameters}},
      {"ConversionValueLooksLikeOption", {"-i", kIn, "-c", "-jpg"}, {kParameters}},
      {"LongOptionNeedsEquals", {"-i", kIn, "--width", "800"}, {kParameters}},
      {"LongOptionEmptyValue", {"-i", kIn, "--jpg-quality="}, {kParameters}},
      {"LongOptionValueWithTwoDashes", {"-i", kIn, "--brightness=--5"}, {kParameters}},
      {"ProfileMissing", {"-i", kIn, "--profile=missing.ini"}, {"Error: Invalid profile file"}},
      {"ProfileIsAFolder", {"-i", kIn, "--profile=" + std::string(kOut)}, {"Error: Invalid profile file"}},
      {"InputWithoutExtension", {"-i", "in/noext"}, {"Error: Invalid input file"}},
      {"InputMissing", {"-i", "in/missing.wmf"}, {"Error: Invalid input file"}},
      {"InputEmpty", {"-i", "in/empty.wmf"}, {"Error: Invalid input file"}},
      {"InputIsAFolder", {"-i", "in/folder.wmf"}, {"Error: Invalid input file"}},
      {"OutputBeginsWithDots", {"-i", kIn, "-o", "../out"}, {"Error: Incorrect output folder"}},
      {"OutputMissing", {"-i", kIn, "-o", std::string(kOut) + "missing/"}, {"Error: Invalid output folder"}},
      {"RelativeOutputBelowProgramFolderMissing", {"-i", kIn, "-o", "./no-such-folder-here"},
       {"Error: Invalid output folder"}},
      {"ConversionUpperCase", {"-i", kIn, "-o", kOut, "-c", "JPG"}, {"Error: Invalid conversion type"}},
      {"ConversionNotOffered", {"-i", kIn, "-o", kOut, "--conversion=png"}, {"Error: Invalid conversion type"}},
      {"DepthNotAllowed", {"-i", kIn, "-o", kOut, "--jpg-bpp=16"}, {"Error: Invalid jpg-bpp value"}},
      {"QualityZero", {"-i", kIn, "-o", kOut, "--jpg-quality=0"}, {"Error: Invalid jpg-quality value"}},
      {"QualityAbove100", {"-i", kIn, "-o", kOut, "--jpg-quality=101"}, {"Error: Invalid jpg-quality value"}},
      {"WidthNotANumber", {"-i", kIn, "-o", kOut, "--width=px", "--height=5"}, {"Error: Invalid width value"}},
      {"WidthAloneLeavesHeightZero", {"-i", kIn, "-o", kOut, "--width=800"}, {"Error: Invalid height value"}},
      {"BrightnessAbove100", {"-i", kIn, "-o", kOut, "--brightness=101"}, {"Error: Invalid brightness value"}},
      {"ContrastBelowMinus100", {"-i", kIn, "-o", kOut, "--contrast=-101"}, {"Error: Invalid contrast value"}},
      {"GammaTooSmall", {"-i", kIn, "-o", kOut, "--gamma=0.001"}, {"Error: Invalid gamma value"}},
      {"GammaInfinite", {"-i", kIn, "-o", kOut, "--gamma=+infinity"}, {"Error: Invalid gamma value"}},
      {"GammaNotANumber", {"-i", kIn, "-o", kOut, "--gamma=NaN"}, {"Error: Invalid gamma value"}},
      {"WatermarkFontEmpty", {"-i", kIn, "-o", kOut, "--profile=in/nofont.ini"}, {"Error: Invalid watermark font"}},
      {"WatermarkImageMissing", {"-i", kIn, "-o", kOut, "--wm-image=in/missing.png"},
       {"Error: Invalid watermark image"}},
      {"InputIsATextList", {"-i", "in/list.txt", "-o", kOut}, {kStopped, kNoInput}},
      {"InputIsNoMetafile", {"-i", "in/photo.jpg", "-o", kOut}, {kStopped, kNoInput}},
      {"MetafileCannotBeRendered", {"-i", "in/broken.wmf", "-o", kOut}, {kStopped}},
  };
}

class CliErrors : public CliTest, public testing::WithParamInterface<ErrorCase> {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    box_.WriteFile("in/noext", "data");
    box_.WriteFile("in/empty.wmf", "");
    box_.WriteFile("in/folder.wmf/x", "data");
    box_.WriteFile("in/list.txt", "in/pic.wmf\n");
    box_.WriteFile("in/photo.jpg", "not really a photo");
    box_.WriteFile("in/broken.wmf", std::string(64, 'x'));
    box_.WriteFile("in/nofont.ini", "[CLI]\n--WM-TEXT=Hi\n--WM-FONT=\n");
  }

  std::vector<std::string> Resolve(const std::vector<std::string>& arguments) const {
    std::vector<std::string> resolved;
    for (const std::string& a : arguments) {
      std::string r = a;
      if (auto at = r.find(kIn); at != std::string::npos) r.replace(at, 4, input_);
      if (auto at = r.find(kOut); at != std::string::npos) r.replace(at, 5, box_.Out());
      resolved.push_back(r);
    }
    return resolved;
  }
};

TEST_P(CliErrors, PrintsItsErrorLinesExitsWithOneAndWritesNothing) {
  const RunResult run = box_.Run(Resolve(GetParam().arguments));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.err), GetParam().errorLines) << run.out;
  EXPECT_EQ(FolderEntries(box_.Out()), std::vector<std::string>{});
  EXPECT_FALSE(FileExists(box_.In() + "pic.jpg"));
}

TEST_P(CliErrors, QuietKeepsTheErrorLinesAndDropsEverythingElse) {
  std::vector<std::string> arguments = {"-q"};
  for (const std::string& a : Resolve(GetParam().arguments)) arguments.push_back(a);
  const RunResult run = box_.Run(arguments);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.err), GetParam().errorLines);
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(Table, CliErrors, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<ErrorCase>& param) { return std::string(param.param.name); });

using CliParseErrors = CliTest;

TEST_F(CliParseErrors, ParseErrorPrintsNoBanner) {
  const RunResult run = box_.Run({"-i", input_, "--width"});
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Error: Incorrect number of parameters\n");
}

TEST_F(CliParseErrors, OptionsAfterTheErrorAreNotRead) {
  // "-p" after the error would print nothing anyway; "-i" after it must not start a run.
  const RunResult run = box_.Run({"--width", "-i", input_, "-o", box_.Out()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.err), std::vector<std::string>{kParameters});
  EXPECT_EQ(FolderEntries(box_.Out()), std::vector<std::string>{});
}

TEST_F(CliParseErrors, CheckFailureAfterBannerAndPreparing) {
  const RunResult run = box_.Run({"-i", input_, "-o", box_.Out(), "--jpg-quality=0"});
  std::vector<std::string> expected = BannerLines();
  expected.push_back("Preparing...");
  EXPECT_EQ(Lines(run.out), expected);
}

TEST(CliEarlySwitches, VersionPrintsTheVersionAlone) {
  CliSandbox box;
  for (const char* flag : {"-V", "-v", "--version", "--VERSION=x"}) {
    const RunResult run = box.Run({flag, "-i", "whatever.wmf"});
    EXPECT_EQ(run.status, 0) << flag;
    EXPECT_EQ(run.out, "2.5\n") << flag;
    EXPECT_EQ(run.err, "") << flag;
  }
}

TEST(CliEarlySwitches, HelpPrintsTheUsageText) {
  CliSandbox box;
  for (const char* flag : {"-h", "-?", "--help"}) {
    const RunResult run = box.Run({flag});
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 36u) << flag;
    EXPECT_EQ(lines[0], " ");
    EXPECT_EQ(lines[1], "Usage: vecrast -i <filename> [options]");
    EXPECT_EQ(lines[3], "  vecrast -i example.wmf");
    EXPECT_EQ(lines[6], "  vecrast -i /tmp/example.wmf -o /tmp/converted --jpg-quality=95");
    EXPECT_EQ(lines[13], "  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)");
    EXPECT_EQ(lines[35], "  -v, --version             Display version information and exit");
  }
}

TEST(CliEarlySwitches, WindowedStartsAndSideModesAreNotPartOfThisBuild) {
  CliSandbox box;
  const std::vector<std::vector<std::string>> starts = {{}, {"-q"}, {"-q", "-v"}, {"-i=a.wmf"}, {"-U"},
                                                        {"-T", "/tmp"}, {"stray"}};
  for (const auto& arguments : starts) {
    const RunResult run = box.Run(arguments);
    EXPECT_EQ(run.status, 1) << (arguments.empty() ? "" : arguments[0]);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
  }
  EXPECT_EQ(FolderEntries(box.ConfigHome()), std::vector<std::string>{});
}

}  // namespace
}  // namespace clitest
