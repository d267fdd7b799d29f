#include "ui/main_window_router.h"

#include <wx/bmpcbox.h>

#include "settings/settings.h"
#include "ui/about_dialog.h"
#include "ui/converter_search.h"
#include "ui/ids.h"
#include "ui/input_file_choice.h"
#include "ui/main_window.h"
#include "ui/manual.h"
#include "ui/output_folder_choice.h"
#include "ui/preferences_dialog.h"
#include "ui/run_state.h"
#include "ui/shell_open.h"
#include "ui/update_check.h"
#include "ui/windowed_conversion.h"
#include "ui/wx_text.h"

namespace vecrast {

void RouteMainWindowCommand(ConverterWindow& window, int command) {
  switch (command) {
    case kCommandNew: ResetRunState(window); break;
    case kCommandExit: window.Close(); break;
    case kCommandSelectInputFile: ChooseInputFile(window); break;
    case kCommandSelectOutputFolder: ChooseOutputFolder(window); break;
    case kCommandOutputFormatOptions:
      ConversionJob.preferencesStartPage = 3;
      ShowPreferencesDialog();
      break;
    case kCommandConvert: StartWindowedConversion(window); break;
    case kCommandCustomConverter: ShowConverterSearch(window); break;
    case kCommandPreferences: ShowPreferencesDialog(); break;
    case kCommandManual: OpenManual(); break;
    case kCommandSendFeedback: OpenWithShell(FeedbackMailLink()); break;
    case kCommandVisitHomepage: OpenWithShell(HomePageAddress()); break;
    case kCommandCheckForNewVersion: CheckForUpdatesNow(); break;
    case kCommandAbout: ShowAboutDialog(window); break;
    default: break;
  }
}

void RouteMainWindowControl(ConverterWindow& window, int gadget) {
  switch (gadget) {
    case kOutputFolderList: ConversionJob.outputFolder = FromWx(window.OutputFolderList()->GetValue()); break;
    case kOutputFormatList: {
      wxBitmapComboBox* list = window.OutputFormatList();
      const int selected = list->GetSelection();
      if (selected == wxNOT_FOUND) break;
      const auto index = reinterpret_cast<size_t>(list->GetClientData(static_cast<unsigned>(selected)));
      if (index < outputExtensions.size()) Settings.outputFormat = outputExtensions[index];
      break;
    }
    case kConvertButton: StartWindowedConversion(window); break;
    default: break;
  }
}

}  // namespace vecrast
