// The Convert command: its checks in order, a real conversion behind the progress dialog, and
// the stop question.
#include <wx/bmpcbox.h>
#include <wx/textctrl.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "engine/conversion_worker.h"
#include "program_runner.h"
#include "engine/input_file_map.h"
#include "engine/progress_state.h"
#include "ui/ids.h"
#include "ui/main_window_router.h"
#include "ui/output_folder_history.h"
#include "ui/progress_dialog.h"
#include "ui/windowed_conversion.h"
#include "ui/wx_text.h"
#include "ui_fixture.h"

namespace vecrast::uitest {
namespace {

class ConvertTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    output = folder.path() + "/out/";
    std::filesystem::create_directory(output);
  }
  void TearDown() override {
    SetProgressDialogObserver({});
    MainWindowTest::TearDown();
  }

 public:
  void SetFields(const std::string& input, const std::string& outputFolder) {
    Window().InputField()->ChangeValue(ToWx(input));
    wxBitmapComboBox* list = Window().OutputFolderList();
    list->Clear();
    list->Append(ToWx(outputFolder));
    list->SetSelection(0);
  }

  // Closes the progress dialog with OK once its run is over, noting its last title and text.
  void CloseWhenFinished() {
    SetProgressDialogObserver([this](ProgressDialog& dialog) {
      RunUntil([&] { return dialog.WorkerFinished(); });
      finalTitle = FromWx(dialog.GetTitle());
      finalText = dialog.CurrentText();
      dialog.EndModal(wxID_OK);
    });
  }

  std::string Status() { return FromWx(Window().GetStatusBar()->GetStatusText()); }

  std::string output;
  std::string finalTitle;
  std::string finalText;
};

struct CheckCase {
  const char* name;
  std::function<void(ConvertTest&)> arrange;  // sets the fields and settings
  const char* warning;                          // the box's text, placeholders filled
  const char* status;                           // the status bar afterwards
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

// Texts with "%F" standing for the test's folder.
std::string WithFolder(std::string text, const std::string& folderPath) {
  const size_t at = text.find("%F");
  if (at != std::string::npos) text.replace(at, 2, folderPath);
  return text;
}

class RunChecks : public ConvertTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(RunChecks, StopWithTheirWarning) {
  const CheckCase& c = GetParam();
  c.arrange(*this);
  bool ran = false;
  StartWindowedConversion(Window(), [&ran] {
    ran = true;
    return 0;
  });
  EXPECT_FALSE(ran);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Warning);
  EXPECT_EQ(boxes[0].caption, "Warning");
  EXPECT_EQ(boxes[0].text, WithFolder(c.warning, folder.path()));
  EXPECT_EQ(Status(), c.status);
  EXPECT_TRUE(std::filesystem::is_empty(output));
}

const char* kEmptyInput = "No input file(s) found. Please, add valid file(s) and try again!";

INSTANTIATE_TEST_SUITE_P(
    Cases, RunChecks,
    ::testing::Values(
        CheckCase{"EmptyField", [](ConvertTest& run) { run.SetFields("  ", run.output); }, kEmptyInput, "Conversion stopped"},
        CheckCase{"MissingFile", [](ConvertTest& run) { run.SetFields(run.folder.File("none.wmf"), run.output); }, kEmptyInput,
                  "Conversion stopped"},
        CheckCase{"Folder", [](ConvertTest& run) { run.SetFields(run.output, run.output); }, kEmptyInput, "Conversion stopped"},
        CheckCase{"EmptyFile",
                  [](ConvertTest& run) {
                    testing::WriteFileBytes(run.folder.File("empty.wmf"), "");
                    run.SetFields(run.folder.File("empty.wmf"), run.output);
                  },
                  kEmptyInput, "Conversion stopped"},
        CheckCase{"UnsupportedExtension",
                  [](ConvertTest& run) {
                    std::filesystem::copy_file(run.WriteMetafile("a.wmf"), run.folder.File("a.png"));
                    run.SetFields(run.folder.File("a.png"), run.output);
                  },
                  kEmptyInput, "Conversion stopped"},
        CheckCase{"EmptyInputWinsOverEmptyFolder", [](ConvertTest& run) { run.SetFields("", ""); }, kEmptyInput,
                  "Conversion stopped"},
        CheckCase{"EmptyOutputFolder", [](ConvertTest& run) { run.SetFields(run.WriteMetafile("a.wmf"), " "); },
                  "The output folder's field is empty. Please, select existed output folder and try again!",
                  "Conversion stopped"},
        CheckCase{"MissingOutputFolder",
                  [](ConvertTest& run) { run.SetFields(run.WriteMetafile("a.wmf"), run.folder.File("nowhere")); },
                  "The following output folder is invalid or doesn't exist:\r\n%F/nowhere/\r\n\r\nPlease, correct the "
                  "output path and try again!",
                  "Conversion stopped"},
        CheckCase{"OutputFolderIsAFile",
                  [](ConvertTest& run) {
                    const std::string file = run.WriteMetafile("a.wmf");
                    run.SetFields(file, file);
                  },
                  "The following output folder is invalid or doesn't exist:\r\n%F/a.wmf/\r\n\r\nPlease, correct the "
                  "output path and try again!",
                  "Conversion stopped"},
        CheckCase{"ResizeWidthZero",
                  [](ConvertTest& run) {
                    run.SetFields(run.WriteMetafile("a.wmf"), run.output);
                    Settings.doImageResize = 1;
                    Settings.imageWidth = 0;
                  },
                  "Invalid resize width value!", "Conversion stopped"},
        CheckCase{"ResizeHeightZero",
                  [](ConvertTest& run) {
                    run.SetFields(run.WriteMetafile("a.wmf"), run.output);
                    Settings.doImageResize = 1;
                    Settings.imageWidth = 100;
                    Settings.imageHeight = 0;
                  },
                  "Invalid resize height value!", "Conversion stopped"},
        CheckCase{"WatermarkFontWithoutName",
                  [](ConvertTest& run) {
                    run.SetFields(run.WriteMetafile("a.wmf"), run.output);
                    Settings.doWatermark = 1;
                    Settings.font.clear();
                  },
                  "Unable to load selected font for a watermark: %s1%", "Preparing..."},
        CheckCase{"WatermarkImageEmpty",
                  [](ConvertTest& run) {
                    run.SetFields(run.WriteMetafile("a.wmf"), run.output);
                    Settings.doWatermark = 2;
                    Settings.image.clear();
                  },
                  "Selected watermark image is invalid/empty!", "Preparing..."},
        CheckCase{"WatermarkImageMissing",
                  [](ConvertTest& run) {
                    run.SetFields(run.WriteMetafile("a.wmf"), run.output);
                    Settings.doWatermark = 2;
                    Settings.image = run.folder.File("mark.png");
                  },
                  "Unable to load selected file as a watermark image: %F/mark.png", "Preparing..."}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ConvertTest, ConvertsTheFileBehindTheProgressDialog) {
  const std::string input = WriteMetafile("drawing.wmf");
  SetFields("  " + input + " ", output.substr(0, output.size() - 1));
  CloseWhenFinished();
  RouteMainWindowCommand(Window(), kCommandConvert);

  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(finalTitle, "Conversion complete (1/1)");
  EXPECT_EQ(finalText, "Files converted: 1 of 1");
  EXPECT_EQ(Status(), "Conversion complete");
  EXPECT_TRUE(std::filesystem::is_regular_file(output + "drawing.jpg"));
  EXPECT_EQ(ConversionJob.outputFolder, output);
  EXPECT_EQ(RecentOutputFolders().front(), output);
  EXPECT_EQ(ConversionJob.sequenceNumber, 2);

  // The command line gives the same picture, byte for byte.
  const std::string cliOutput = folder.path() + "/cli/";
  std::filesystem::create_directory(cliOutput);
  const ProgramResult cli =
      RunProgram({VECRAST_BINARY, "-q", "-i", input, "-o", cliOutput}, SandboxEnvironment(folder.path()));
  ASSERT_EQ(cli.status, 0) << cli.err;
  EXPECT_EQ(testing::ReadFileBytes(output + "drawing.jpg"), testing::ReadFileBytes(cliOutput + "drawing.jpg"));
}

TEST_F(ConvertTest, AMetafileThePlayerRefusesConvertsNothing) {
  testing::WriteFileBytes(folder.File("broken.wmf"), std::string("\xD7\xCD\xC6\x9A not a metafile at all", 27));
  SetFields(folder.File("broken.wmf"), output);
  CloseWhenFinished();
  StartWindowedConversion(Window());
  EXPECT_EQ(finalText, "Files converted: 0 of 1");
  EXPECT_TRUE(std::filesystem::is_empty(output));
  EXPECT_TRUE(Window().IsEnabled());
}

// Two queued files whose conversion waits for the test; the stop question is asked while the
// first one converts.
class StopQuestion : public ConvertTest {
 protected:
  static bool WaitingConvert() {
    ++started;
    while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return true;
  }

  // Asks to close the dialog once the first file is under way; `answer` answers the question.
  void CloseDuringTheFirstFile(bool answer) {
    started = 0;
    release = false;
    answers.push_back(answer);
    SetMessagePresenter([this](const MessageBoxRequest& request) {
      boxes.push_back(request);
      // While the question is open the first file finishes, and the worker must wait.
      release = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      startedWhileAsking = started.load();
      const bool reply = answers.front();
      answers.pop_front();
      return reply;
    });
    SetProgressDialogObserver([this](ProgressDialog& dialog) {
      RunUntil([] { return started > 0; });
      dialog.Close();
      RunUntil([&] { return dialog.WorkerFinished(); });
      finalTitle = FromWx(dialog.GetTitle());
      finalText = dialog.CurrentText();
      dialog.Close();  // the close box after the run ends the dialog
    });
    InputFileMap.clear();
    InputFileMap[folder.File("one.wmf")] = {1, {}};
    InputFileMap[folder.File("two.wmf")] = {1, {}};
    ConversionProgressDialog(Window(), [] { return RunConversion(WaitingConvert); });
  }

  static inline std::atomic<int> started{0};
  static inline std::atomic<bool> release{false};
  int startedWhileAsking = -1;
};

TEST_F(StopQuestion, YesStopsAfterTheCurrentFile) {
  CloseDuringTheFirstFile(true);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Question);
  EXPECT_EQ(boxes[0].text, "Do you want to break the conversion?");
  EXPECT_EQ(startedWhileAsking, 1);
  EXPECT_EQ(started, 1);
  EXPECT_EQ(finalTitle, "Conversion stopped (1/2)");
  EXPECT_EQ(finalText, "Conversion stopped");
  EXPECT_EQ(Status(), "Conversion stopped");
}

TEST_F(StopQuestion, NoLetsTheRunFinish) {
  CloseDuringTheFirstFile(false);
  EXPECT_EQ(startedWhileAsking, 1);
  EXPECT_EQ(started, 2);
  EXPECT_EQ(finalTitle, "Conversion complete (2/2)");
  EXPECT_EQ(finalText, "Files converted: 2 of 2");
}

}  // namespace
}  // namespace vecrast::uitest
