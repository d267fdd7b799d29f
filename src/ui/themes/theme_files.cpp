#include "ui/themes/theme_files.h"

#include <wx/string.h>

#include "platform/program_data.h"
#include "ui/themes.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

std::string themeFolderOverride;

}  // namespace

std::string ThemeFolder() {
  std::string folder = themeFolderOverride.empty() ? FindProgramData("gfx") : themeFolderOverride;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

void SetThemeFolder(const std::string& folder) { themeFolderOverride = folder; }

std::string ThemeArchivePath(const std::string& key) {
  const std::string folder = ThemeFolder();
  if (folder.empty() || key.empty() || key == "." || key == ".." || key.find('/') != std::string::npos) return {};
  return folder + key + ".zip";
}

std::string TextUpToZero(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

std::string EightBitTextToUtf8(const std::string& text) {
  if (text.empty() || !wxString::FromUTF8(text.data(), text.size()).empty()) return text;
  return FromWx(wxString(text.data(), wxConvISO8859_1, text.size()));
}

}  // namespace vecrast
