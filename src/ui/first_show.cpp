#include "ui/first_show.h"

#include <wx/bmpcbox.h>
#include <wx/textctrl.h>

#include "app/input_queue.h"
#include "engine/formats.h"
#include "engine/input_types.h"
#include "settings/settings.h"
#include "base/ascii_case.h"
#include "ui/image_sets.h"
#include "ui/input_file_choice.h"
#include "ui/main_window.h"
#include "ui/run_state.h"
#include "ui/update_check.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

void FillOutputFormatList(ConverterWindow& window) {
  wxBitmapComboBox* list = window.OutputFormatList();
  list->Clear();
  for (size_t index = 0; index < outputExtensions.size(); ++index) {
    const std::string& extension = outputExtensions[index];
    const std::string text = base::UpperAscii(extension) + " (" + FindOutputFormat(extension).description + ")";
    list->Append(ToWx(text), MenuIcons["New"], reinterpret_cast<void*>(index));
    if (extension == Settings.outputFormat) list->SetSelection(static_cast<int>(index));
  }
}

}  // namespace

void ShowMainWindow(ConverterWindow& window) {
  InputTypeTable();
  FormatTable();
  SetInputFileAddedHandler(ShowAcceptedInputFile);
  if (Settings.isMaximized == 1) window.Maximize();
  if (Settings.recentOutFolders.empty()) window.OutputFolderList()->Append(wxEmptyString);
  FillOutputFormatList(window);
  ResetRunState(window);
  window.Show();
  window.LayoutMainWindow();
  window.InputField()->SetFocus();
  if (ConversionJob.runModeTag != "T") ScheduledUpdateCheck();
}

}  // namespace vecrast
