// The window module's one exported symbol, which the executable finds with dlsym.
#include "app/window_module.h"
#include "app/windowed_start.h"
#include "ui/windowed_program.h"

extern "C" __attribute__((visibility("default"))) int vecrast_window_main(const VecrastWindowStart* start) {
  if (start == nullptr || start->interfaceVersion != vecrast::kVecrastWindowInterface) {
    return vecrast::ReportWindowStartFailure("the window module belongs to another build of the program");
  }
  return vecrast::RunWindowMode(static_cast<VecrastWindowMode>(start->mode), start->folder ? start->folder : "");
}
