// The screenshot mode ("-T [FOLDER]"): the main window with sample contents, photographed.
#pragma once

#include <wx/image.h>

#include <string>

namespace vecrast {

// The folder the pictures go to: the argument, or the program's folder when it is empty,
// ending in "/".
std::string ScreenshotFolder(const std::string& argument);

// Builds the main window at (400, 400), 510 pixels wide, shows it with a sample input file
// and output folder, lets it draw for 500 ms and returns the screen's picture of it (frame
// included). An invalid image when the window was closed first or the screen cannot be read.
wxImage PhotographMainWindow();

}  // namespace vecrast
