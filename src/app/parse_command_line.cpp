#include "app/parse_command_line.h"

#include <string>

#include "app/console_batch.h"
#include "app/help_text.h"
#include "app/option_reader.h"
#include "app/product.h"
#include "app/run_setup.h"
#include "platform/console.h"
#include "platform/key_wait.h"
#include "platform/program_folder.h"
#include "settings/settings.h"

namespace vecrast {

namespace {

void PrintBanner() {
  PrintLine(WindowTitle());
  PrintLine(kConsoleLegalNotice);
  PrintLine(kMakerWebAddress);
  PrintLine(" ");
}

// The windowed mode drops every option anyway; a command-line run says what it skipped.
void PrintWarnings(const OptionReadResult& state) {
  for (const std::string& warning : state.warnings) PrintErrorLine(warning);
}

bool RunEarlySwitch(const Arguments& arguments, CommandLineOutcome& outcome) {
  const std::string key = OptionKey(arguments, 0);
  if (key == "-U" || key == "-T") {
    outcome.windowed = true;
    outcome.windowMode = key == "-U" ? kVecrastUninstallOffer : kVecrastScreenshot;
    if (key == "-T") outcome.windowFolder = OptionValue(arguments, 1);
    return true;
  }
  if (key == "-V" || key == "--VERSION") {
    PrintLine(VersionText(kVersionNumber));
    outcome.exitStatus = 0;
    return true;
  }
  if (key == "-H" || key == "-?" || key == "--HELP") {
    for (const std::string& line : HelpLines(ProgramName())) PrintLine(line);
    outcome.exitStatus = 0;
    return true;
  }
  return false;
}

}  // namespace

CommandLineOutcome ParseCommandLine(const Arguments& arguments, InstanceLock* heldLock) {
  const auto waitForKey = [heldLock] {
    if (heldLock != nullptr) heldLock->Release();
    WaitForKey();
  };
  CommandLineOutcome outcome;
  if (arguments.empty()) {
    outcome.windowed = true;
    return outcome;
  }
  PrepareCommandLineRun();
  if (RunEarlySwitch(arguments, outcome)) return outcome;

  const OptionReadResult state = ReadOptions(arguments);
  if (!state.error.empty()) {
    PrintWarnings(state);
    PrintErrorLine(NamingValue("Error: " + state.error, state.errorValue, state.errorReason));
    if (state.pause) waitForKey();
    outcome.exitStatus = 1;
    return outcome;
  }
  if (ConversionJob.consoleRun == 0) {
    outcome.windowed = true;
    return outcome;
  }
  PrintWarnings(state);
  if (!state.quiet) PrintBanner();
  const bool converted = RunConsoleBatch(state.quiet);
  if (state.pause) {
    PrintLine("Press any key to exit.");
    waitForKey();
  }
  outcome.exitStatus = converted ? 0 : 1;
  return outcome;
}

}  // namespace vecrast
