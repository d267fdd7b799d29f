// The window's side modes, started from the command line: the uninstall page offer ("-U") and
// the screenshot mode ("-T [FOLDER]"). Each returns the exit status.
#pragma once

#include <string>

namespace vecrast {

int RunUninstallOffer();
int RunScreenshotMode(const std::string& folder);

}  // namespace vecrast
