#include "ui/manual.h"

#include <filesystem>

#include "platform/file_status.h"
#include "platform/program_data.h"
#include "platform/program_folder.h"
#include "ui/message_boxes.h"
#include "ui/shell_open.h"

namespace vecrast {

namespace {

constexpr const char* kHelpFile = "vecrast.chm";
constexpr const char* kHtmlManual = "manual/index.html";

std::string programFolderOverride;

std::string ManualProgramFolder() {
  return programFolderOverride.empty() ? ProgramFolder() : programFolderOverride;
}

// "/usr/bin/../share/vecrast/manual/index.html" as "/usr/share/vecrast/manual/index.html".
std::string Tidy(const std::string& path) { return std::filesystem::path(path).lexically_normal().string(); }

std::string MissingManualText() {
  std::string text = "The user manual cannot be found. None of these files exists:\n";
  for (const std::string& candidate : ManualCandidates()) text += "\n" + candidate;
  return text;
}

}  // namespace

std::vector<std::string> ManualCandidates() {
  const std::string programFolder = ManualProgramFolder();
  std::vector<std::string> candidates = {Tidy(programFolder + kHelpFile)};
  for (const std::string& folder : ProgramDataFolders(programFolder)) candidates.push_back(Tidy(folder + kHtmlManual));
  return candidates;
}

std::string ManualPath() {
  const std::vector<std::string> candidates = ManualCandidates();
  if (FileSize(candidates.front()) > 0) return candidates.front();
  for (std::size_t i = 1; i < candidates.size(); ++i) {
    if (IsRegularFile(candidates[i])) return candidates[i];
  }
  return {};
}

void OpenManual() {
  const std::string path = ManualPath();
  if (path.empty()) {
    ShowError(MissingManualText());
    return;
  }
  OpenWithShell(path);
}

void SetManualProgramFolder(const std::string& folder) { programFolderOverride = folder; }

}  // namespace vecrast
