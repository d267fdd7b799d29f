#include "ui/dropped_files.h"

#include "app/input_queue.h"
#include "ui/wx_text.h"

namespace vecrast {

bool AcceptDroppedFiles(const std::string& paths) {
  const std::string first = paths.substr(0, paths.find('\n'));
  if (first.empty()) return false;
  return AddInputFile(first);
}

bool InputFileDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) {
  std::string paths;
  for (const wxString& name : names) {
    if (!paths.empty()) paths += '\n';
    paths += FromWx(name);
  }
  AcceptDroppedFiles(paths);
  return true;
}

}  // namespace vecrast
