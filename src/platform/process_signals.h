// How the process meets the signals a console run can receive.
#pragma once

namespace vecrast {

// A closed standard output or error (SIGPIPE, "vecrast ... | head -1") and an exceeded file
// size limit (SIGXFSZ) no longer end the process: the write fails and the run goes on or fails
// the file. SIGINT, SIGTERM and SIGHUP first remove the temporary files being written, then end
// the process as they would have.
void SetUpProcessSignals();

}  // namespace vecrast
