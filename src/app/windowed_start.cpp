#include "app/windowed_start.h"

#include <dlfcn.h>

#include <cstdlib>
#include <string>

#include "platform/console.h"
#include "platform/file_status.h"
#include "platform/program_folder.h"

namespace vecrast {

namespace {

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && value[0] != '\0') return true;
  }
  return false;
}

}  // namespace

int ReportWindowStartFailure(const std::string& reason) {
  PrintErrorLine("Error: the window cannot open: " + reason + " (use -i FILE to convert from the command line, -h for help)");
  return 1;
}

std::string FindWindowModule() {
  const std::string programFolder = ProgramFolder();
  for (const std::string& folder : {programFolder, programFolder + "../lib/vecrast/", std::string(VECRAST_MODULE_DIR "/")}) {
    const std::string candidate = folder + kWindowModuleFileName;
    if (FileSize(candidate) > 0) return candidate;
  }
  return {};
}

int OpenWindowedProgram(VecrastWindowMode mode, const std::string& folder) {
  if (!HasDisplay()) return ReportWindowStartFailure("no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");
  const std::string modulePath = FindWindowModule();
  if (modulePath.empty()) {
    return ReportWindowStartFailure(std::string("the window module ") + kWindowModuleFileName + " is not installed beside " +
                           ProgramFolder() + " nor in " + VECRAST_MODULE_DIR);
  }
  // The module stays loaded until the process ends: toolkits do not survive being unloaded.
  void* module = dlopen(modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) {
    const char* reason = dlerror();
    return ReportWindowStartFailure("the window module " + modulePath + " does not load: " + (reason ? reason : "unknown reason"));
  }
  auto entry = reinterpret_cast<VecrastWindowEntry>(dlsym(module, kWindowModuleEntryName));
  if (entry == nullptr) return ReportWindowStartFailure("the window module " + modulePath + " has no entry point");
  const VecrastWindowStart start{kVecrastWindowInterface, mode, folder.c_str()};
  return entry(&start);
}

}  // namespace vecrast
