#include "ui/manual.h"

#include "platform/file_status.h"
#include "platform/program_data.h"
#include "platform/program_folder.h"
#include "ui/shell_open.h"

namespace vecrast {

std::string ManualPath() {
  const std::string helpFile = ProgramFolder() + "vecrast.chm";
  if (FileSize(helpFile) > 0) return helpFile;
  return FindProgramData("manual/index.html");
}

void OpenManual() {
  const std::string path = ManualPath();
  if (!path.empty()) OpenWithShell(path);
}

}  // namespace vecrast
