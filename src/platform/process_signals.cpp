#include "platform/process_signals.h"

#include <signal.h>

#include "platform/temporary_file.h"

namespace vecrast {

namespace {

void EndAfterRemovingTemporaryFiles(int signal) {
  RemoveTemporaryFilesNow();
  // The handler was reset to the default on entry: the raised signal ends the process once
  // this handler returns, with the status the signal would have given.
  raise(signal);
}

}  // namespace

void SetUpProcessSignals() {
  signal(SIGPIPE, SIG_IGN);
  signal(SIGXFSZ, SIG_IGN);
  struct sigaction action {};
  action.sa_handler = EndAfterRemovingTemporaryFiles;
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  for (const int interrupt : {SIGINT, SIGTERM, SIGHUP}) {
    // A signal the parent chose to ignore (nohup) stays ignored.
    struct sigaction previous {};
    if (sigaction(interrupt, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
    sigaction(interrupt, &action, nullptr);
  }
}

}  // namespace vecrast
