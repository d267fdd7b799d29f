// The user manual (F1).
#pragma once

#include <string>
#include <vector>

namespace vecrast {

// The files tried for the manual, in order: "vecrast.chm" in the program's folder, then the
// HTML manual "manual/index.html" beside the program and in the installed data folder; each
// path without "." or ".." steps.
std::vector<std::string> ManualCandidates();

// The first of ManualCandidates that exists (the help file only when it is not empty); ""
// when none does.
std::string ManualPath();

// Opens the manual with the desktop's handler. When no manual is there, an error box names
// the files that were looked for.
void OpenManual();

// Looks for the manual as if the program lay in `folder` (ending in "/"): for tests. An empty
// folder restores the running program's folder.
void SetManualProgramFolder(const std::string& folder);

}  // namespace vecrast
