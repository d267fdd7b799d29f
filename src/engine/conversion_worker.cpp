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

}  // namespace

namespace {

// An allocation failure that escapes a conversion fails that file, not the run or the process
// (the window's worker thread would otherwise end the program).
bool ConvertWithinMemory(bool (*convert)()) {
  try {
    return convert();
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
  for (auto entry = InputFileMap.begin(); entry != InputFileMap.end(); ++entry) {
    WaitWhileHeld();
    if (ProgressState.keepRunning == 0) break;
    ++fileNumber;
    ConversionJob.inputPath = entry->first;
    ConversionJob.subfolder = entry->second.subfolder;
    PublishCurrentFile(fileNumber, ConversionJob.inputPath);
    if (debug) PrintLine("Processing: " + ConversionJob.inputPath);
    const bool saved = ConvertWithinMemory(convert);
    if (debug) {
      PrintLine("Saving As: " + ConversionJob.outputPath);
      PrintLine(saved ? "OK" : "Not OK");
      if (!saved && !lastFailureReason.empty()) PrintLine("Reason: " + lastFailureReason);
      for (const std::string& note : lastConversionNotes) PrintLine("Notes: " + note);
    }
    if (!saved) continue;
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
