// A command-line conversion end to end: what it prints, what it writes, what it leaves alone.
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "cli_fixture.h"
#include "engine/keywords.h"
#include "fidelity/process_limits.h"
#include "wmf_writer.h"

namespace clitest {
namespace {

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

using CliConversion = CliTest;

TEST_F(CliConversion, SuccessfulRunPrintsBannerAndStatusLinesAndWritesTheJpg) {
  const RunResult run = box_.Run(WithInput({}));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Lines(run.out), Concat(BannerLines(), SuccessLines()));
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(FolderEntries(box_.Out()), std::vector<std::string>{"pic.jpg"});

  const DecodedJpg jpg = DecodeJpg(box_.Out() + "pic.jpg");
  ASSERT_TRUE(jpg.ok);
  EXPECT_EQ(jpg.width, kPictureWidth);
  EXPECT_EQ(jpg.height, kPictureHeight);
  EXPECT_TRUE(Near(jpg.At(170, 48), 0xFFFFFF, 8)) << std::hex << jpg.At(170, 48);
  EXPECT_TRUE(Near(jpg.At(40, 48), 0xFF0000, 24)) << std::hex << jpg.At(40, 48);
  EXPECT_TRUE(Near(jpg.At(95 - 4, 10), 0xFF0000, 24)) << std::hex << jpg.At(91, 10);
  EXPECT_TRUE(Near(jpg.At(96 + 4, 10), 0xFFFFFF, 24)) << std::hex << jpg.At(100, 10);
}

TEST_F(CliConversion, WithoutAnOutputFolderTheJpgLandsBesideTheInput) {
  const RunResult run = box_.Run({"-q", "-i", input_});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(FileExists(box_.In() + "pic.jpg"));
}

TEST_F(CliConversion, RelativeInputWithoutOutputFolderLandsBesideItToo) {
  // The sandbox root is the current folder of the run.
  const RunResult run = box_.Run({"-q", "--input=in/pic.wmf"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(FileExists(box_.In() + "pic.jpg"));
}

// As every tool here does, and unlike the literal rule (below the program's folder, which is
// not writable once installed).
TEST_F(CliConversion, RelativeOutputFolderIsTakenAgainstTheCurrentFolder) {
  // The sandbox root is the current folder of the run.
  for (const std::string& option : {std::string("out"), std::string("./out/")}) {
    const RunResult run = box_.Run({"-q", "-i", input_, "-o", option});
    EXPECT_EQ(run.status, 0) << option << ": " << run.err;
    EXPECT_TRUE(FileExists(box_.Out() + "pic.jpg")) << option;
    std::filesystem::remove(box_.Out() + "pic.jpg");
  }
  const RunResult here = box_.Run({"-q", "-d", "-i", "in/pic.wmf", "-o", "."});
  EXPECT_EQ(here.status, 0) << here.err;
  EXPECT_TRUE(Contains(Lines(here.out), "Saving As: " + box_.Root() + "./pic.jpg")) << here.out;
  EXPECT_TRUE(FileExists(box_.Root() + "pic.jpg"));
}

TEST_F(CliConversion, QuietRunPrintsNothing) {
  const RunResult run = box_.Run(WithInput({"-q"}));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(FileExists(box_.Out() + "pic.jpg"));
}

std::string Kw(int kind, int value, std::string_view format = {}) {
  return vecrast::ValueToKeyword(kind, value, format);
}

std::vector<std::string> DefaultDump(const std::string& input, const std::string& output) {
  using namespace vecrast::keywords;
  return {"Input: " + input,
          "Output: " + output,
          "Conversion: jpg",
          "JPG BPP: 0",
          "JPG Quality: 95",
          "JPG Chroma Subsampling: " + Kw(JpgChroma, 0),
          "JPG Save As: " + Kw(JpgSaveAs, 0),
          "Flip Horizontal: 0",
          "Flip Vertical: 0",
          "Greyscale: 0",
          "Frame: " + Kw(FrameType, 0),
          "Watermark: " + Kw(WatermarkType, 0),
          "Filename Mask: %filename%.%ext%",
          "File Timestamp: " + Kw(FileTimestamp, 0),
          "Keep Subfolders: 1"};
}

TEST_F(CliConversion, QuietDebugRunPrintsTheDumpAndTheWorkersLinesOnly) {
  const RunResult run = box_.Run(WithInput({"-q", "-d"}));
  EXPECT_EQ(run.status, 0) << run.err;
  std::vector<std::string> expected = DefaultDump(input_, box_.Out());
  expected.push_back("Processing: " + input_);
  expected.push_back("Saving As: " + box_.Out() + "pic.jpg");
  expected.push_back("OK");
  EXPECT_EQ(Lines(run.out), expected);
}

// A picture whose canvas does not fit in the memory the run may use fails as not
// converted, saying why, instead of aborting (the 54-byte file asks for 2^28 pixels).
TEST_F(CliConversion, APictureTooLargeForTheMemoryLimitFailsWithAReason) {
  if (!vecrast::fidelity::MemoryLimitApplies()) GTEST_SKIP() << "no memory limit under the sanitizers";
  wmfw::WmfWriter w;
  w.SetBkMode(1);
  const wmfw::Bytes bytes = w.Placeable(0, 0, 16384, 16384, 96);
  const std::string input = box_.WriteFile("in/huge.wmf", std::string(bytes.begin(), bytes.end()));
  RunOptions limited;
  limited.addressSpaceMb = 900;
  const RunResult run = box_.Run({"-q", "-d", "-i", input, "-o", box_.Out()}, limited);
  EXPECT_EQ(run.status, 1) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GE(lines.size(), 2u) << run.out;
  EXPECT_EQ(lines[lines.size() - 2], "Not OK");
  EXPECT_EQ(lines.back(),
            "Reason: the metafile was not rendered: there is not enough memory for a picture of 16384 x 16384 pixels");
  EXPECT_TRUE(FolderEntries(box_.Out()).empty());
}

// Records the player could not use are named under -d, and the file still converts.
TEST_F(CliConversion, DebugRunNotesRecordsThePlayerCouldNotUse) {
  wmfw::WmfWriter w;
  w.SetWindowExt(2880, 1440).Record(wmfw::kPolygon, {50, 1, 1});
  const wmfw::Bytes bytes = w.Placeable(0, 0, 2880, 1440, 1440);
  const std::string input = box_.WriteFile("in/odd.wmf", std::string(bytes.begin(), bytes.end()));
  const RunResult run = box_.Run({"-q", "-d", "-i", input, "-o", box_.Out()});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GE(lines.size(), 2u) << run.out;
  EXPECT_EQ(lines[lines.size() - 2], "OK");
  EXPECT_EQ(lines.back(), "Notes: a POLYGON record could not be used (byte 50)");
}

TEST_F(CliConversion, DebugRunInterleavesStatusAndDumpLines) {
  const RunResult run = box_.Run(WithInput({"--debug"}));
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GT(lines.size(), 6u);
  EXPECT_EQ(lines[4], "Preparing...");
  EXPECT_EQ(lines[5], "Input: " + input_);
  EXPECT_TRUE(Contains(lines, "Conversion complete"));
  EXPECT_EQ(lines.back(), "Files converted: 1 of 1");
}

TEST_F(CliConversion, DumpShowsEveryActiveStep) {
  using namespace vecrast::keywords;
  const RunResult run = box_.Run(WithInput({"-q", "-d", "--rotation=90", "--width=50", "--height=$20",
                                            "--height-unit=percent", "--brightness=-20", "--gamma=1.5",
                                            "--threshold=128", "--fr-solid-left=3", "--wm-text=Hello World",
                                            "--file-timestamp-custom=1000", "--no-subfolders"}));
  const std::vector<std::string> lines = Lines(run.out);
  for (const std::string& line :
       {std::string("Image Rotation: 90"), "Width: 50 " + Kw(SizeUnit, 0), "Height: 32 " + Kw(SizeUnit, 1),
        std::string("Keep Aspect Ratio: 0"), std::string("Brightness: -20"), std::string("Gamma: 1.50"),
        std::string("Image Threshold: 128"), std::string("Frame left: 3"), std::string("Frame opacity: 255"),
        "Watermark: " + Kw(WatermarkType, 1), std::string("Watermark text: Hello World"),
        std::string("Watermark offset (x/y): 10/10"), std::string("Keep Subfolders: 0")}) {
    EXPECT_TRUE(Contains(lines, line)) << line << "\n" << run.out;
  }
  EXPECT_FALSE(Contains(lines, "Custom Timestamp: 1000")) << "shown only for the custom time stamp";
}

TEST_F(CliConversion, LaterImageWatermarkOptionSwitchesTheWatermarkType) {
  using namespace vecrast::keywords;
  const std::string image = box_.WriteFile("in/mark.png", "not empty");
  const RunResult run = box_.Run(WithInput({"-q", "-d", "--wm-text=Hello World", "--wm-image=" + image}));
  EXPECT_TRUE(Contains(Lines(run.out), "Watermark: " + Kw(WatermarkType, 2))) << run.out;
  EXPECT_TRUE(Contains(Lines(run.out), "Watermark image: " + image)) << run.out;
}

TEST_F(CliConversion, BoundaryValuesPass) {
  for (const std::vector<std::string>& extra :
       std::vector<std::vector<std::string>>{{"--gamma=9.99"}, {"--gamma=0.01"}, {"--jpg-bpp=24"},
                                             {"--jpg-bpp=0"}, {"--brightness=-100"}, {"--contrast=100"},
                                             {"--jpg-quality=1"}, {"--JPG-QUALITY=100"}, {"-C", "jpg"}}) {
    const RunResult run = box_.Run(WithInput(Concat({"-q"}, extra)));
    EXPECT_EQ(run.status, 0) << extra[0] << ": " << run.err;
    EXPECT_EQ(run.err, "") << extra[0];
  }
}

TEST_F(CliConversion, ProfileAppliesAtItsPlaceAmongTheOptions) {
  const std::string profile = box_.WriteFile("p.ini", "[CLI]\n--JPG-QUALITY=80\n--wm-solid-opacity = 7\n");
  const RunResult before = box_.Run(WithInput({"-q", "-d", "--profile=" + profile, "--jpg-quality=70"}));
  EXPECT_TRUE(Contains(Lines(before.out), "JPG Quality: 70")) << before.out;
  const RunResult after = box_.Run(WithInput({"-q", "-d", "--jpg-quality=70", "--profile=" + profile}));
  EXPECT_TRUE(Contains(Lines(after.out), "JPG Quality: 80")) << after.out;

  const RunResult frame = box_.Run(WithInput({"-q", "-d", "--fr-solid-left=2", "--profile=" + profile}));
  EXPECT_TRUE(Contains(Lines(frame.out), "Frame opacity: 7")) << frame.out;
}

TEST_F(CliConversion, ProfileDoesNotKnowTheCommandLineNameOfTheFrameOpacity) {
  const std::string profile = box_.WriteFile("p.ini", "[CLI]\n--FR-SOLID-OPACITY=9\n--INPUT=elsewhere.wmf\n");
  const RunResult run = box_.Run(WithInput({"-q", "-d", "--fr-solid-left=2", "--profile=" + profile}));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Contains(Lines(run.out), "Frame opacity: 255")) << run.out;
  EXPECT_TRUE(Contains(Lines(run.out), "Input: " + input_)) << run.out;
}

TEST_F(CliConversion, ProfileWithoutACliGroupIsStillAProfile) {
  const std::string profile = box_.WriteFile("p.ini", "[Other]\nx=1\n");
  EXPECT_EQ(box_.Run(WithInput({"-q", "--profile=" + profile})).status, 0);
}

TEST_F(CliConversion, ConfigurationFileIsNeitherReadNorWritten) {
  const std::string config = box_.ConfigHome() + "Zentrafax/vecrast/config.ini";
  box_.WriteFile("config/Zentrafax/vecrast/config.ini",
                 "[Output]\nJPG Quality = 50\n[Transform]\nKeep Aspect Ratio = 1\n");
  struct stat before {};
  ASSERT_EQ(stat(config.c_str(), &before), 0);
  const RunResult run = box_.Run(WithInput({"-q", "-d", "--width=10", "--height=10"}));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Contains(Lines(run.out), "JPG Quality: 95")) << run.out;
  EXPECT_TRUE(Contains(Lines(run.out), "Keep Aspect Ratio: 0")) << run.out;
  struct stat after {};
  ASSERT_EQ(stat(config.c_str(), &after), 0);
  EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
  EXPECT_EQ(ReadWholeFile(config), "[Output]\nJPG Quality = 50\n[Transform]\nKeep Aspect Ratio = 1\n");
}

TEST_F(CliConversion, NoConfigurationFileIsCreated) {
  EXPECT_EQ(box_.Run(WithInput({"-q"})).status, 0);
  EXPECT_EQ(FolderEntries(box_.ConfigHome()), std::vector<std::string>{});
}

TEST_F(CliConversion, PauseDoesNotWaitWithoutATerminal) {
  const RunResult run = box_.Run(WithInput({"-q", "-p"}));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Lines(run.out), std::vector<std::string>{"Press any key to exit."});
}

}  // namespace
}  // namespace clitest
