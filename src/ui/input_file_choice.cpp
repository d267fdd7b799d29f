#include "ui/input_file_choice.h"

#include <wx/bmpcbox.h>
#include <wx/filedlg.h>
#include <wx/textctrl.h>

#include "app/input_queue.h"
#include "engine/input_types.h"
#include "settings/settings.h"
#include "texts/texts.h"
#include "ui/main_window.h"
#include "ui/output_folder_history.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

bool ChooseInputFile(ConverterWindow& window) {
  const std::string filter = BuildInputFileFilter(GetText("Dialog", "All Supported Files"), GetText("Dialog", "All Files"));
  wxFileDialog dialog(&window, ToWx(GetText("Dialog", "Select Input Files")), ToWx(FolderOf(ConversionJob.inputPath)),
                      ToWx(ConversionJob.inputPath), ToWx(filter), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  bool accepted = false;
  if (dialog.ShowModal() == wxID_OK) accepted = AddInputFile(FromWx(dialog.GetPath()));
  window.PostSizeEvent();
  return accepted;
}

void ShowAcceptedInputFile(const std::string& path) {
  ConverterWindow* window = MainWindow();
  if (window == nullptr) return;
  window->InputField()->ChangeValue(ToWx(path));
  if (!window->OutputFolderList()->GetValue().IsEmpty()) return;
  ConversionJob.outputFolder = FolderOf(path);
  RememberOutputFolder(ConversionJob.outputFolder);
  RefreshOutputFolders(*window);
}

}  // namespace vecrast
