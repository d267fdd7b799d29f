#include "ui/side_modes.h"

#include "app/run_setup.h"
#include "platform/console.h"
#include "platform/file_status.h"
#include "settings/settings.h"
#include "ui/image_sets.h"
#include "ui/screenshot_mode.h"
#include "ui/screenshot_picture.h"
#include "ui/shell_open.h"
#include "ui/themes.h"
#include "ui/uninstall_offer.h"

namespace vecrast {

namespace {

// The module's records are fresh: set up what the command line sets up before an early
// switch (its defaults, never the configuration file; the formats, the input extensions and
// the texts).
void PrepareSideMode() {
  SetUpOfferedFormats();
  PrepareCommandLineRun();
}

}  // namespace

int RunUninstallOffer() {
  PrepareSideMode();
  UninstallOfferDialog offer;
  offer.ShowModal();
  return 0;
}

int RunScreenshotMode(const std::string& folderArgument) {
  PrepareSideMode();
  LoadIcons();
  ListThemes();
  LoadThemeImages(true, true, true);
  ConversionJob.runModeTag = "T";
  const std::string folder = ScreenshotFolder(folderArgument);
  if (!IsExistingFolder(folder)) {
    PrintErrorLine(NamingValue("Error: Invalid screenshot folder", folder, "it does not exist"));
    return 1;
  }
  wxImage picture = PhotographMainWindow();
  if (!picture.IsOk()) {
    PrintErrorLine("Error: the main window could not be photographed");
    return 1;
  }
  DrawWebAddress(picture, MakerSite());
  std::string reason;
  if (!SaveScreenshotPictures(picture, folder, reason)) {
    PrintErrorLine(NamingValue("Error: the screenshot cannot be saved", folder, reason));
    return 1;
  }
  return 0;
}

}  // namespace vecrast
