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

std::string ProgramDataFolderBeside() { return ProgramDataFolders(ProgramFolder())[0]; }

std::string InstalledDataFolder() { return ProgramDataFolders(ProgramFolder())[1]; }

std::vector<std::string> ProgramDataFolders(const std::string& programFolder) {
  return {programFolder, programFolder + "../share/vecrast/"};
}

std::string FindProgramData(const std::string& relative) {
  for (const std::string& folder : ProgramDataFolders(ProgramFolder())) {
    if (Exists(folder + relative)) return folder + relative;
  }
  return {};
}

}  // namespace vecrast
