// Choosing the output folder with the folder dialog.
#pragma once

#include <string>

namespace vecrast {

class ConverterWindow;

// Shows the folder dialog at the folder of the output folder list's text (or the current
// output folder) and takes the chosen folder.
void ChooseOutputFolder(ConverterWindow& window);

// Takes `folder` as the output folder when it is an existing folder: with a "/" at its end it
// heads the history and the list is refreshed. Anything else is ignored without a message. True when taken.
bool TakeOutputFolder(ConverterWindow& window, const std::string& folder);

}  // namespace vecrast
