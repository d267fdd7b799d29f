// The conversion of a whole run: every entry of InputFileMap in turn, on a thread of its
// own, publishing its progress through ProgressState.
#pragma once

namespace vecrast {

// The thread procedure: converts every file of InputFileMap while ProgressState.keepRunning
// is set (a file already started is finished first), waiting before each file while the
// starter holds it (HoldBetweenFiles). After each saved file it draws a new
// random token, advances the running number and applies "File Timestamp"; a failed file
// changes none of these. Stores the number of saved files in ProgressState.convertedCount
// and returns 0. The starter calls ResetProgressState first.
int ConversionWorker();

// The same loop with the per-file conversion given; ConversionWorker passes ConvertFile.
int RunConversion(bool (*convert)());

}  // namespace vecrast
