// Small pictures of a colour for the colour buttons and the colour lists.
#pragma once

#include <wx/bitmap.h>

#include "ui/preferences/colour_text.h"

namespace vecrast::prefs {

// A `width` x `height` picture filled with the colour, with a dark grey outline so that white
// shows on a white button.
wxBitmap ColourSwatch(ColourParts colour, int width, int height);

}  // namespace vecrast::prefs
