#include "platform/program_data.h"

#include <sys/stat.h>

#include "platform/program_folder.h"

namespace vecrast {

namespace {

bool Exists(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0;
}

}  // namespace

std::string ProgramDataFolderBeside() { return ProgramFolder(); }

std::string InstalledDataFolder() { return ProgramFolder() + "../share/vecrast/"; }

std::string FindProgramData(const std::string& relative) {
  for (const std::string& folder : {ProgramDataFolderBeside(), InstalledDataFolder()}) {
    if (Exists(folder + relative)) return folder + relative;
  }
  return {};
}

}  // namespace vecrast
