#include "app/program.h"

#include <string>

#include "app/arguments.h"
#include "app/end_program.h"
#include "app/memory_tuning.h"
#include "app/parse_command_line.h"
#include "app/product.h"
#include "app/run_setup.h"
#include "app/single_instance.h"
#include "app/windowed_start.h"
#include "platform/instance_lock.h"
#include "platform/process_signals.h"
#include "settings/settings.h"

namespace vecrast {

int RunProgram(int argc, char** argv) {
  KeepPictureBuffersInHeap();
  SetUpProcessSignals();
  const Arguments arguments = ArgumentsFromArgv(argc, argv);
  SetUpOfferedFormats();

  InstanceLock lock;
  std::string lockProblem;
  const LockResult locked = lock.Acquire(WindowTitle(), LockModeFor(arguments), lockProblem);
  if (locked != LockResult::kTaken) return EndProgram(RefuseStart(locked, lockProblem));
  Settings.instanceHandle = 1;

  const CommandLineOutcome outcome = ParseCommandLine(arguments, &lock);
  if (outcome.windowed) {
    lock.Record(LockMode::kWindowed);
    return EndProgram(OpenWindowedProgram(outcome.windowMode, outcome.windowFolder));
  }
  return EndProgram(outcome.exitStatus);
}

}  // namespace vecrast
