#include "app/input_queue.h"

#include "engine/input_file_map.h"
#include "engine/input_types.h"
#include "platform/file_status.h"
#include "settings/settings.h"

namespace vecrast {

namespace {
InputFileAddedHandler inputFileAddedHandler = nullptr;
}  // namespace

void SetInputFileAddedHandler(InputFileAddedHandler handler) { inputFileAddedHandler = handler; }

bool AddInputFile(const std::string& path) {
  if (FileSize(path) <= 0) return false;
  if (!IsInputExtension(FileExtension(path))) return false;
  InputFileEntry& entry = InputFileMap[path];
  if (entry.marker == 1) return false;
  entry.marker = 1;
  entry.subfolder = RelativeSubfolder(path, ConversionJob.inputArgument);
  if (ConversionJob.consoleRun == 0 && inputFileAddedHandler) inputFileAddedHandler(path);
  return true;
}

std::string RelativeSubfolder(const std::string& path, const std::string& base) {
  if (path.empty() || base.empty()) return {};
  const size_t slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  if (folder.find(base) == std::string::npos) return {};
  for (size_t at = folder.find(base); at != std::string::npos; at = folder.find(base, at)) {
    folder.erase(at, base.size());
  }
  return folder;
}

}  // namespace vecrast
