// Waiting for a key press on the terminal.
#pragma once

namespace vecrast {

// Blocks until a key that types a character is pressed, when standard input is a terminal;
// returns at once otherwise. Keys that send an escape sequence (arrows, function keys) do
// not end the wait. The terminal's mode is restored before returning.
void WaitForKey();

}  // namespace vecrast
