#include "ui/windowed_program.h"

#include <cstdlib>

#include "app/run_setup.h"
#include "app/windowed_start.h"
#include "settings/configuration.h"
#include "settings/settings.h"
#include "texts/texts.h"
#include "ui/first_show.h"
#include "ui/image_sets.h"
#include "ui/main_window.h"
#include "ui/side_modes.h"
#include "ui/themes.h"
#include "ui/toolkit.h"

namespace vecrast {

void PrepareWindowedStart() {
  SetUpOfferedFormats();
  // The executable holds the single-instance lock for the life of the process.
  Settings.instanceHandle = 1;
  ResetConversionJob();
  Settings.configurationPath = ConfigurationPath();
  LoadConfiguration();
  LoadTextTable();
  LoadIcons();
  ListThemes();
  LoadThemeImages(true, true, true);
}

void ShutDownWindowedProgram() {
  if (Settings.outFoldersHistory == 0) Settings.recentOutFolders.clear();
  SaveConfiguration();
}

int RunWindowedProgram() {
  PrepareWindowedStart();
  auto* window = new ConverterWindow;
  ShowMainWindow(*window);
  RunToolkitLoop();
  ShutDownWindowedProgram();
  return 0;
}

int RunWindowMode(VecrastWindowMode mode, const std::string& folder) {
  if (!StartToolkit()) {
    const char* display = std::getenv("DISPLAY");
    return ReportWindowStartFailure(std::string("the display ") + (display ? display : "") + " cannot be opened");
  }
  int status = 1;
  switch (mode) {
    case kVecrastMainWindow: status = RunWindowedProgram(); break;
    case kVecrastUninstallOffer: status = RunUninstallOffer(); break;
    case kVecrastScreenshot: status = RunScreenshotMode(folder); break;
  }
  StopToolkit();
  return status;
}

}  // namespace vecrast
