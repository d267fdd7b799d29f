// Queueing input files for a run.
#pragma once

#include <string>

namespace vecrast {

// Queues `path` in InputFileMap. Returns false, queueing nothing, when the path is not a
// non-empty file, its extension is not an accepted input extension, or it is queued already.
// Outside a console run the installed handler (the window's) is told of the new file.
bool AddInputFile(const std::string& path);

// Called with each path AddInputFile queues outside a console run.
using InputFileAddedHandler = void (*)(const std::string& path);
void SetInputFileAddedHandler(InputFileAddedHandler handler);

// The folder part of `path` with every occurrence of `base` removed, when it contains
// `base`; "" when it does not or either is empty.
std::string RelativeSubfolder(const std::string& path, const std::string& base);

}  // namespace vecrast
