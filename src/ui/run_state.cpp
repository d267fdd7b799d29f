#include "ui/run_state.h"

#include <wx/bmpcbox.h>
#include <wx/textctrl.h>

#include "engine/input_file_map.h"
#include "engine/input_types.h"
#include "settings/settings.h"
#include "ui/main_window.h"
#include "ui/output_folder_history.h"

namespace vecrast {

void ResetRunState(ConverterWindow& window) {
  RefreshOutputFolders(window);
  ResetConversionJob();
  InputFileMap.clear();
  BuildInputExtensions(inputKinds);
  window.InputField()->ChangeValue(wxEmptyString);
  window.OutputFolderList()->SetSelection(wxNOT_FOUND);
}

}  // namespace vecrast
