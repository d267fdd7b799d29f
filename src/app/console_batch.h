// The command-line conversion: checks, queue, worker, summary.
#pragma once

namespace vecrast {

// Settles the input, output folder and format from ConversionJob, checks every option that
// matters for the output and stops at the first invalid one with its error line, queues the
// input, runs the conversion worker on its own thread and prints the summary. Status lines
// are left out when `quiet`; errors and debug lines never are. True when a file was converted.
bool RunConsoleBatch(bool quiet);

}  // namespace vecrast
