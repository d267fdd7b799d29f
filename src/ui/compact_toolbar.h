// A toolbar of one small button that sits beside a field: GTK's toolbar padding would make a
// 16-pixel image take 44 pixels, wider than the room between a field and the Convert button.
#pragma once

class wxToolBar;

namespace vecrast {

// Styles the toolbar so that its button is its image plus a thin frame (about 24 pixels).
void MakeCompactToolbar(wxToolBar& toolbar);

}  // namespace vecrast
