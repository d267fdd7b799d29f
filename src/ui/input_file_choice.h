// Choosing the input file: the open-file dialog, and what happens to a file the queue accepts.
#pragma once

#include <string>

namespace vecrast {

class ConverterWindow;

// Shows the open-file dialog and hands the chosen file to the input queue (AddInputFile), which
// accepts an existing, non-empty file with an accepted extension that is not queued yet. True
// when a file was accepted.
bool ChooseInputFile(ConverterWindow& window);

// What the window does with a file the queue accepted: the path goes into the input field, and
// when the output folder list is empty the file's own folder becomes the output folder and
// heads the history. Installed as the queue's handler while the window exists.
void ShowAcceptedInputFile(const std::string& path);

}  // namespace vecrast
