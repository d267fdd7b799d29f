#include "engine/conversion_worker.h"

#include <cstdint>
#include <mutex>
#include <new>
#include <string>

#include "engine/convert_file.h"
#include "engine/file_timestamp.h"
#include "engine/input_file_map.h"
#include "engine/naming.h"
#include "engine/progress_state.h"
#include "platform/console.h"
#include "settings/settings.h"

namespace vecrast {

namespace {

bool DebugOutputOn() { return ConversionJob.consoleRun == 1 && ConversionJob.runModeTag == "DEBUG"; }

void PublishCurrentFile(int32_t index, const std::string& path) {
  std::lock_guard<std::mutex> lock(ProgressState.mutex);
  ProgressState.index = index;
  ProgressState.currentFile = path;
}

void AdvanceTokens() {
  ConversionJob.randomToken = NewRandomToken();
  // Wraps instead of overflowing after 2^31 - 1 files.
  ConversionJob.sequenceNumber = static_cast<int32_t>(static_cast<uint32_t>(ConversionJob.sequenceNumber) + 1u);
}

// Converts one queued file; true when it was saved. An allocation failure anywhere in it fails
// that file, not the run or the process: this is the one place both the command line's and the
// window's worker threads rely on.
bool ConvertQueuedFile(const decltype(InputFileMap)::value_type& entry, int32_t fileNumber, bool (*convert)(), bool debug) {
  try {
    ConversionJob.inputPath = entry.first;
    ConversionJob.subfolder = entry.second.subfolder;
    PublishCurrentFile(fileNumber, ConversionJob.inputPath);
    if (debug) PrintLine("Processing: " + ConversionJob.inputPath);
    const bool saved = convert();
    if (debug) {
      PrintLine("Saving As: " + ConversionJob.outputPath);
      PrintLine(saved ? "OK" : "Not OK");
      if (!saved && !lastFailureReason.empty()) PrintLine("Reason: " + lastFailureReason);
      for (const std::string& note : lastConversionNotes) PrintLine("Notes: " + note);
    }
    return saved;
  } catch (const std::bad_alloc&) {
    lastFailureReason = "not enough memory for the conversion";
    return false;
  }
}

}  // namespace

int RunConversion(bool (*convert)()) {
  const bool debug = DebugOutputOn();
  int32_t fileNumber = 0;
  int32_t converted = 0;
  for (const auto& entry : InputFileMap) {
    WaitWhileHeld();
    if (ProgressState.keepRunning == 0) break;
    ++fileNumber;
    if (!ConvertQueuedFile(entry, fileNumber, convert, debug)) continue;
    ++converted;
    AdvanceTokens();
    ApplyFileTimestamp(ConversionJob.outputPath, ConversionJob.inputPath);
  }
  std::lock_guard<std::mutex> lock(ProgressState.mutex);
  ProgressState.convertedCount = converted;
  return 0;
}

int ConversionWorker() { return RunConversion(ConvertFile); }

}  // namespace vecrast
