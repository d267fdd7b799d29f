#include "ui/output_folder_choice.h"

#include <wx/bmpcbox.h>
#include <wx/dirdlg.h>
#include <wx/utils.h>

#include "platform/file_status.h"
#include "settings/settings.h"
#include "texts/texts.h"
#include "ui/main_window.h"
#include "ui/output_folder_history.h"
#include "ui/wx_text.h"

namespace vecrast {

void ChooseOutputFolder(ConverterWindow& window) {
  const std::string listed = FromWx(window.OutputFolderList()->GetValue());
  std::string start = listed.empty() ? ConversionJob.outputFolder : listed;
  // Without a folder to start in, GTK's chooser opens on its "Recent" view, where a typed
  // location is not taken: the home folder is where a user expects to begin.
  if (start.empty() || !IsExistingFolder(start)) start = FromWx(wxGetHomeDir());
  wxDirDialog dialog(&window, ToWx(GetText("Dialog", "Select Output Folder")), ToWx(start),
                     wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
  if (dialog.ShowModal() == wxID_OK) TakeOutputFolder(window, FromWx(dialog.GetPath()));
  window.PostSizeEvent();
}

bool TakeOutputFolder(ConverterWindow& window, const std::string& chosen) {
  if (chosen.empty() || !IsExistingFolder(chosen)) return false;
  // Folders end in "/" everywhere in the history, as a conversion stores them, so that one
  // folder never stands in it twice.
  const std::string folder = chosen.back() == '/' ? chosen : chosen + "/";
  RememberOutputFolder(folder);
  ConversionJob.outputFolder = folder;
  RefreshOutputFolders(window);
  return true;
}

}  // namespace vecrast
