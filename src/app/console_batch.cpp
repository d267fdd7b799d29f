#include "app/console_batch.h"

#include <string>
#include <thread>

#include "app/fill_placeholders.h"
#include "app/input_queue.h"
#include "app/option_report.h"
#include "app/output_folder.h"
#include "engine/conversion_worker.h"
#include "engine/formats.h"
#include "engine/input_types.h"
#include "engine/progress_state.h"
#include "platform/console.h"
#include "platform/file_status.h"
#include "platform/paths.h"
#include "settings/settings.h"
#include "texts/texts.h"

namespace vecrast {

namespace {

struct BatchMode {
  bool quiet;
  bool debug;
};

void Status(const BatchMode& mode, const std::string& text) {
  if (!mode.quiet) PrintLine(text);
}

void Debug(const BatchMode& mode, const std::string& text) {
  if (mode.debug) PrintLine(text);
}

// Prints the error line naming the value that failed.
bool Fail(const char* message, const std::string& value) {
  PrintErrorLine(NamingValue(message, value));
  return false;
}

bool HasExtension(const std::string& path) {
  return path.substr(path.rfind('/') + 1).find('.') != std::string::npos;
}

// Moves the -i argument into inputPath; false when it names no usable file.
bool SettleInput() {
  const std::string shown = AbsolutePath(ConversionJob.inputArgument);
  if (!HasExtension(ConversionJob.inputArgument)) {
    ConversionJob.inputArgument.clear();
    return Fail("Error: Invalid input file", shown);
  }
  ConversionJob.inputPath = ConversionJob.inputArgument;
  ConversionJob.inputArgument.clear();
  if (FileSize(ConversionJob.inputPath) <= 0) return Fail("Error: Invalid input file", shown);
  return true;
}

// The ".." rule looks at the folder as written, so that is what its error line names.
bool SettleOutputFolder(const BatchMode& mode) {
  if (ConversionJob.outputFolder.empty()) ConversionJob.outputFolder = FolderBesideInput(ConversionJob.inputPath);
  Debug(mode, "Output: " + ConversionJob.outputFolder);
  if (ConversionJob.outputFolder.starts_with("..")) {
    return Fail("Error: Incorrect output folder", ConversionJob.outputFolder);
  }
  ConversionJob.outputFolder = ResolveOutputFolder(ConversionJob.outputFolder);
  if (!IsExistingFolder(ConversionJob.outputFolder)) {
    return Fail("Error: Invalid output folder", ConversionJob.outputFolder);
  }
  return true;
}

// True when the extension is one of the offered output extensions, compared exactly:
// "JPG" is not "jpg".
bool IsOutputFormat(const std::string& extension) {
  for (const std::string& offered : outputExtensions) {
    if (offered == extension) return true;
  }
  return false;
}

bool SettleFormats(const BatchMode& mode) {
  if (ConversionJob.inputKind.empty() && !inputKinds.empty()) ConversionJob.inputKind = inputKinds.front();
  if (ConversionJob.outputExtension.empty() && !outputExtensions.empty()) {
    ConversionJob.outputExtension = outputExtensions.front();
  }
  Debug(mode, "Conversion: " + ConversionJob.outputExtension);
  if (!IsOutputFormat(ConversionJob.outputExtension)) {
    return Fail("Error: Invalid conversion type", ConversionJob.outputExtension);
  }
  return true;
}

bool CheckOptions(const BatchMode& mode) {
  ReportInputKindOptions(ConversionJob.inputKind, mode.debug);
  return CheckOutputFormatOptions(ConversionJob.outputExtension, mode.debug) && CheckImageOptions(mode.debug);
}

// Text lists ("txt", "lst") name no picture; anything else is queued if it is an input file.
int QueueInput() {
  if (!ConversionJob.inputArgument.empty()) return 0;
  const std::string extension = FileExtension(ConversionJob.inputPath);
  if (extension == "txt" || extension == "lst") return 0;
  return AddInputFile(ConversionJob.inputPath) ? 1 : 0;
}

int RunWorker() {
  ResetProgressState();
  std::thread worker(ConversionWorker);
  worker.join();
  std::lock_guard<std::mutex> lock(ProgressState.mutex);
  return ProgressState.convertedCount;
}

bool CheckAndConvert(const BatchMode& mode) {
  Status(mode, GetText("General", "Preparing"));
  Debug(mode, "Input: " + ConversionJob.inputArgument);
  if (!SettleInput() || !SettleOutputFolder(mode) || !SettleFormats(mode) || !CheckOptions(mode)) return false;
  SetUpOutputFormat();

  Status(mode, GetText("General", "Importing"));
  const int total = QueueInput();
  Status(mode, FillPlaceholders(GetText("Msg", "Import complete"), std::to_string(total)));
  if (total == 0) {
    PrintErrorLine(GetText("Msg", "Conversion is not complete"));
    PrintErrorLine(GetText("Msg", "Empty input files"));
    return false;
  }
  Status(mode, GetText("General", "Converting"));
  const int converted = RunWorker();
  if (converted == 0) {
    PrintErrorLine(GetText("Msg", "Conversion is not complete"));
    return false;
  }
  Status(mode, GetText("Msg", "Conversion complete"));
  Status(mode, FillPlaceholders(GetText("Msg", "Files converted"), std::to_string(converted), std::to_string(total)));
  return true;
}

}  // namespace

bool RunConsoleBatch(bool quiet) {
  const BatchMode mode{quiet, ConversionJob.runModeTag == "DEBUG"};
  const bool converted = CheckAndConvert(mode);
  ReleaseWatermarkFont();
  return converted;
}

}  // namespace vecrast
