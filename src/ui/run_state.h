// "New": the main window's run state back to its start.
#pragma once

namespace vecrast {

class ConverterWindow;

// Refreshes the output folder list, resets ConversionJob (a new random token, running number
// 1, no input file queued, the accepted input extensions rebuilt) and empties the input field
// and the output folder list's text. The settings are not touched.
void ResetRunState(ConverterWindow& window);

}  // namespace vecrast
