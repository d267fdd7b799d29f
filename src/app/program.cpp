#include "app/program.h"

#include "app/arguments.h"
#include "app/end_program.h"
#include "app/memory_tuning.h"
#include "app/parse_command_line.h"
#include "app/product.h"
#include "app/run_setup.h"
#include "app/single_instance.h"
#include "app/windowed_start.h"
#include "platform/instance_lock.h"
#include "settings/settings.h"

namespace vecrast {

int RunProgram(int argc, char** argv) {
  KeepPictureBuffersInHeap();
  const Arguments arguments = ArgumentsFromArgv(argc, argv);
  SetUpOfferedFormats();

  InstanceLock lock;
  if (!lock.Acquire(WindowTitle())) return EndProgram(RefuseSecondInstance(arguments));
  Settings.instanceHandle = 1;

  const CommandLineOutcome outcome = ParseCommandLine(arguments);
  if (outcome.windowed) return EndProgram(OpenWindowedProgram(outcome.windowMode, outcome.windowFolder));
  return EndProgram(outcome.exitStatus);
}

}  // namespace vecrast
