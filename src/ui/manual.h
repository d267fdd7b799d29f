// The user manual (F1).
#pragma once

#include <string>

namespace vecrast {

// The manual to open: "vecrast.chm" beside the program when it exists, else the HTML manual
// the program ships; "" when neither is there.
std::string ManualPath();

// Opens the manual with the desktop's handler; nothing happens when there is none.
void OpenManual();

}  // namespace vecrast
