// The output folder history: the setting "Recent Out Folders", folders separated by tabs,
// newest first, at most "Out Folders Number" of them.
#pragma once

#include <string>
#include <vector>

namespace vecrast {

class ConverterWindow;

// Puts `folder` at the head of the history, dropping an older copy of it in any letter case
// and the entries beyond "Out Folders Number". False (and no change) for an empty folder.
bool RememberOutputFolder(const std::string& folder);

// The history's non-empty entries, blanks trimmed, at most "Out Folders Number" of them.
std::vector<std::string> RecentOutputFolders();

// Fills the output folder list from the history, selecting the entry that equals the current
// output folder exactly (the first when none does). An empty history leaves the list as it is.
void RefreshOutputFolders(ConverterWindow& window);

}  // namespace vecrast
