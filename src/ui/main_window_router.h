// The one dispatcher of the main window: commands (menu, toolbar, field buttons, shortcuts)
// and control events, by their numbers, to the operations that carry them out.
#pragma once

namespace vecrast {

class ConverterWindow;

// Carries out command `command`; numbers that are no command are ignored.
void RouteMainWindowCommand(ConverterWindow& window, int command);

// Handles an event of control `gadget`: the output folder list, the output format list or
// the Convert button; other controls are ignored.
void RouteMainWindowControl(ConverterWindow& window, int gadget);

}  // namespace vecrast
