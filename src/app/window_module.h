// The contract between the executable and the loadable window module. The executable links
// no GUI library: it loads the module with dlopen only when a window is to open, and calls
// its one entry point with this record.
#pragma once

extern "C" {

// What the window module is asked to run.
enum VecrastWindowMode {
  kVecrastMainWindow = 0,     // the windowed program: main window until the user quits
  kVecrastUninstallOffer = 1, // "-U": the uninstall page offer
  kVecrastScreenshot = 2,     // "-T [FOLDER]": photograph the main window into FOLDER
};

struct VecrastWindowStart {
  int interfaceVersion;  // kVecrastWindowInterface of the executable that loads the module
  int mode;              // a VecrastWindowMode
  const char* folder;    // the screenshot mode's folder; "" for the program folder
};

// The module's entry point; returns the process exit status.
using VecrastWindowEntry = int (*)(const VecrastWindowStart* start);
}

namespace vecrast {

// Raised whenever VecrastWindowStart changes, so that a stale module is refused cleanly.
inline constexpr int kVecrastWindowInterface = 1;
inline constexpr const char* kWindowModuleEntryName = "vecrast_window_main";
inline constexpr const char* kWindowModuleFileName = "vecrast-ui.so";

}  // namespace vecrast
