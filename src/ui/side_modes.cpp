#include "ui/side_modes.h"

#include "platform/console.h"

namespace vecrast {

int RunUninstallOffer() {
  PrintErrorLine("Error: the uninstall offer is not available yet");
  return 1;
}

int RunScreenshotMode(const std::string&) {
  PrintErrorLine("Error: the screenshot mode is not available yet");
  return 1;
}

}  // namespace vecrast
