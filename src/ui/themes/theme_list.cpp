// The list of installed themes: ListThemes, ThemeDisplayName, ThemeKeyAt.
#include <dirent.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "base/ascii_case.h"
#include "platform/file_status.h"
#include "ui/themes.h"
#include "ui/themes/theme_archive.h"
#include "ui/themes/theme_files.h"

namespace vecrast {

std::map<std::string, std::string> ThemeList;

namespace {

constexpr size_t kDisplayNameBytes = 255;
// A folder of more archives than this is no theme folder: the rest are not looked at.
constexpr size_t kMaxArchivesExamined = 4096;
constexpr std::string_view kArchiveExtension = ".zip";

// Without regard to letter case; keys that differ only in case keep a fixed order.
bool ThemeKeyBefore(const std::string& a, const std::string& b) {
  const std::string upperA = base::UpperAscii(a), upperB = base::UpperAscii(b);
  return upperA != upperB ? upperA < upperB : a < b;
}

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

// The keys of the regular "*.zip" files in the theme folder, in ThemeKeyAt's order.
std::vector<std::string> ArchiveKeys() {
  std::vector<std::string> keys;
  const std::string folder = ThemeFolder();
  const std::unique_ptr<DIR, DirCloser> dir(folder.empty() ? nullptr : opendir(folder.c_str()));
  if (!dir) return keys;
  while (keys.size() < kMaxArchivesExamined) {
    const dirent* entry = readdir(dir.get());
    if (entry == nullptr) break;
    const std::string name = entry->d_name;
    if (name.size() <= kArchiveExtension.size() || !name.ends_with(kArchiveExtension)) continue;
    const std::string key = name.substr(0, name.size() - kArchiveExtension.size());
    if (IsRegularFile(ThemeArchivePath(key))) keys.push_back(key);
  }
  std::sort(keys.begin(), keys.end(), ThemeKeyBefore);
  return keys;
}

}  // namespace

void ListThemes() {
  ThemeList.clear();
  std::vector<std::string> keys = ArchiveKeys();
  if (keys.size() > kMaxThemes) keys.resize(kMaxThemes);
  for (const std::string& key : keys) ThemeList[key] = ThemeDisplayName(key);
}

std::string ThemeDisplayName(const std::string& key) {
  ThemeArchive archive;
  if (!archive.Open(ThemeArchivePath(key))) return key;
  const std::string head = TextUpToZero(archive.UnpackStart("theme.cfg", kDisplayNameBytes));
  return EightBitTextToUtf8(IniTextValue(head, "Theme", "Name"));
}

std::string ThemeKeyAt(int index) {
  if (index < 0 || static_cast<size_t>(index) >= ThemeList.size()) return {};
  std::vector<std::string> keys;
  for (const auto& [key, name] : ThemeList) keys.push_back(key);
  std::sort(keys.begin(), keys.end(), ThemeKeyBefore);
  return keys[static_cast<size_t>(index)];
}

}  // namespace vecrast
