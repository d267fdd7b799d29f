// Every way a command-line run refuses its work: one error line, exit status 1, no output.
#include "cli_fixture.h"

namespace clitest {
namespace {

// Placeholders in the argument lists and error lines, replaced per sandbox.
constexpr const char* kIn = "<in>";      // the good metafile
constexpr const char* kOut = "<out>";    // the empty output folder
constexpr const char* kRoot = "<root>";  // the sandbox root, the run's current folder

struct ErrorCase {
  const char* name;
  std::vector<std::string> arguments;
  std::vector<std::string> errorLines;
};

// Test names already say which case ran; print only its name, not its bytes.
void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

const char* const kStopped = "Conversion stopped";
const char* const kNoInput = "No input file(s) found. Please, add valid file(s) and try again!";

// An error line names the value that failed: the option, the resolved path or the number.
std::string Named(const std::string& text, const std::string& value, const std::string& reason = {}) {
  return text + ": \"" + value + "\"" + (reason.empty() ? "" : " (" + reason + ")");
}

std::string Parameters(const std::string& option) { return Named("Error: Incorrect number of parameters", option); }

std::vector<ErrorCase> Cases() {
  const std::string root = kRoot;
  const std::string out = kOut;
  return {
      {"ShortInputWithoutValue", {"-i"}, {Parameters("-i")}},
      {"ShortInputFollowedByOption", {"-i", "-q"}, {Parameters("-i")}},
      {"LongInputEmpty", {"--input="}, {Parameters("--input=")}},
      {"LongInputWithoutEquals", {"--input", kIn}, {Parameters("--input")}},
      {"ShortOutputWithoutValue", {"-i", kIn, "-o"}, {Parameters("-o")}},
      {"ConversionValueLooksLikeOption", {"-i", kIn, "-c", "-jpg"}, {Parameters("-c")}},
      {"LongOptionNeedsEquals", {"-i", kIn, "--width", "800"}, {Parameters("--width")}},
      {"LongOptionEmptyValue", {"-i", kIn, "--jpg-quality="}, {Parameters("--jpg-quality=")}},
      {"LongOptionValueWithTwoDashes", {"-i", kIn, "--brightness=--5"}, {Parameters("--brightness=--5")}},
      {"ProfileMissing", {"-i", kIn, "--profile=missing.ini"},
       {Named("Error: Invalid profile file", root + "missing.ini", "No such file or directory")}},
      {"ProfileIsAFolder", {"-i", kIn, "--profile=" + out}, {Named("Error: Invalid profile file", out, "it is a folder")}},
      {"InputWithoutExtension", {"-i", "in/noext"}, {Named("Error: Invalid input file", root + "in/noext")}},
      {"InputMissing", {"-i", "in/missing.wmf"}, {Named("Error: Invalid input file", root + "in/missing.wmf")}},
      {"InputEmpty", {"-i", "in/empty.wmf"}, {Named("Error: Invalid input file", root + "in/empty.wmf")}},
      {"InputIsAFolder", {"-i", "in/folder.wmf"}, {Named("Error: Invalid input file", root + "in/folder.wmf")}},
      {"OutputBeginsWithDots", {"-i", kIn, "-o", "../out"}, {Named("Error: Incorrect output folder", "../out")}},
      {"OutputMissing", {"-i", kIn, "-o", out + "missing/"}, {Named("Error: Invalid output folder", out + "missing/")}},
      {"RelativeOutputMissing", {"-i", kIn, "-o", "./no-such-folder-here"},
       {Named("Error: Invalid output folder", root + "no-such-folder-here/")}},
      {"ConversionUpperCase", {"-i", kIn, "-o", kOut, "-c", "JPG"}, {Named("Error: Invalid conversion type", "JPG")}},
      {"ConversionNotOffered", {"-i", kIn, "-o", kOut, "--conversion=png"},
       {Named("Error: Invalid conversion type", "png")}},
      {"DepthNotAllowed", {"-i", kIn, "-o", kOut, "--jpg-bpp=16"}, {Named("Error: Invalid jpg-bpp value", "16")}},
      {"QualityZero", {"-i", kIn, "-o", kOut, "--jpg-quality=0"}, {Named("Error: Invalid jpg-quality value", "0")}},
      {"QualityAbove100", {"-i", kIn, "-o", kOut, "--jpg-quality=101"},
       {Named("Error: Invalid jpg-quality value", "101")}},
      // Beyond 32 bits a number saturates instead of wrapping (to 95 here).
      {"QualityBeyond32Bits", {"-i", kIn, "-o", kOut, "--jpg-quality=4294967391"},
       {Named("Error: Invalid jpg-quality value", "4294967391", "read as 2147483647")}},
      {"WidthNotANumber", {"-i", kIn, "-o", kOut, "--width=px", "--height=5"}, {Named("Error: Invalid width value", "px", "read as 0")}},
      {"WidthAloneLeavesHeightZero", {"-i", kIn, "-o", kOut, "--width=800"}, {Named("Error: Invalid height value", "0")}},
      {"BrightnessAbove100", {"-i", kIn, "-o", kOut, "--brightness=101"},
       {Named("Error: Invalid brightness value", "101")}},
      {"BrightnessWrappingIntoRange", {"-i", kIn, "-o", kOut, "--brightness=4294967296"},
       {Named("Error: Invalid brightness value", "4294967296", "read as 2147483647")}},
      {"ContrastBelowMinus100", {"-i", kIn, "-o", kOut, "--contrast=-101"},
       {Named("Error: Invalid contrast value", "-101")}},
      {"GammaTooSmall", {"-i", kIn, "-o", kOut, "--gamma=0.001"}, {Named("Error: Invalid gamma value", "0.001")}},
      {"GammaInfinite", {"-i", kIn, "-o", kOut, "--gamma=+infinity"}, {Named("Error: Invalid gamma value", "+infinity", "read as +Infinity")}},
      {"GammaNotANumber", {"-i", kIn, "-o", kOut, "--gamma=NaN"}, {Named("Error: Invalid gamma value", "NaN")}},
      {"WatermarkFontEmpty", {"-i", kIn, "-o", kOut, "--profile=in/nofont.ini"},
       {Named("Error: Invalid watermark font", "")}},
      {"WatermarkImageMissing", {"-i", kIn, "-o", kOut, "--wm-image=in/missing.png"},
       {Named("Error: Invalid watermark image", root + "in/missing.png")}},
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

  std::vector<std::string> Resolve(const std::vector<std::string>& texts) const {
    std::vector<std::string> resolved;
    for (std::string text : texts) {
      for (const auto& [placeholder, value] : {std::pair<std::string, std::string>{kIn, input_},
                                               {kOut, box_.Out()}, {kRoot, box_.Root()}}) {
        for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder)) {
          text.replace(at, placeholder.size(), value);
        }
      }
      resolved.push_back(text);
    }
    return resolved;
  }
};

TEST_P(CliErrors, PrintsItsErrorLinesExitsWithOneAndWritesNothing) {
  const RunResult run = box_.Run(Resolve(GetParam().arguments));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.err), Resolve(GetParam().errorLines)) << run.out;
  EXPECT_EQ(FolderEntries(box_.Out()), std::vector<std::string>{});
  EXPECT_FALSE(FileExists(box_.In() + "pic.jpg"));
}

TEST_P(CliErrors, QuietKeepsTheErrorLinesAndDropsEverythingElse) {
  std::vector<std::string> arguments = {"-q"};
  for (const std::string& a : Resolve(GetParam().arguments)) arguments.push_back(a);
  const RunResult run = box_.Run(arguments);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.err), Resolve(GetParam().errorLines));
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(Table, CliErrors, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<ErrorCase>& param) { return std::string(param.param.name); });

using CliParseErrors = CliTest;

TEST_F(CliParseErrors, ParseErrorPrintsNoBanner) {
  const RunResult run = box_.Run({"-i", input_, "--width"});
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, Parameters("--width") + "\n");
}

TEST_F(CliParseErrors, OptionsAfterTheErrorAreNotRead) {
  // "-p" after the error would print nothing anyway; "-i" after it must not start a run.
  const RunResult run = box_.Run({"--width", "-i", input_, "-o", box_.Out()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.err), std::vector<std::string>{Parameters("--width")});
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
