// The state a command-line run starts from.
#pragma once

namespace vecrast {

// The start-up lists of offered input kinds and output extensions.
void SetUpOfferedFormats();

// Fills the format and input tables, resets ConversionJob and the input queue, applies the
// command-line defaults to Settings and loads the built-in texts. The configuration file is
// not read.
void PrepareCommandLineRun();

}  // namespace vecrast
