// Pictures of windows as they are on the screen.
#pragma once

#include <wx/image.h>

class wxWindow;

namespace vecrast {

// The screen's pixels under `window`'s outer rectangle (frame included where the window
// manager draws one); an invalid image when the screen cannot be read.
wxImage CaptureWindow(wxWindow& window);

}  // namespace vecrast
