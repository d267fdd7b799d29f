#include "settings/configuration.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "base/ascii_case.h"
#include "platform/paths.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "settings/settings_table.h"

namespace vecrast {

namespace {

constexpr std::string_view kMakerFolder = "Zentrafax";
constexpr std::string_view kProgramFolder = "vecrast";
constexpr std::string_view kFileName = "config.ini";

// Layout versions that changed stored values.
constexpr int32_t kMaskWithExtension = 11;   // masks without "%ext%" gained it
constexpr int32_t kRawChoicesInserted = 14;  // two "RAW Load As" choices after "automatic"

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') return home;
  struct passwd entry {};
  struct passwd* found = nullptr;
  char buffer[4096];
  if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr &&
      found->pw_dir != nullptr) {
    return found->pw_dir;
  }
  return {};
}

std::string ConfigurationBase() {
  // Relative values are invalid by the XDG rules and are ignored.
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
    return xdg;
  }
  const std::string home = HomeFolder();
  return home.empty() ? std::string() : home + "/.config";
}

// Creates every missing folder of path, like "mkdir -p"; errors are left to the later save.
void MakeFolders(const std::string& path) {
  for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string prefix = path.substr(0, slash);
    if (!prefix.empty()) ::mkdir(prefix.c_str(), 0700);
    if (slash == std::string::npos) break;
  }
}

// Set when the file exists but could not be read (no access, too large, not a file): the file
// is then the user's to mend, and is not replaced by the defaults at exit.
bool keepFileAsItIs = false;

// True when something is at the path, following links: a link that points nowhere yet is
// written through like a missing file.
bool Exists(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0;
}

void MigrateOlderLayouts(SettingsRecord& record) {
  if (record.cfg < kMaskWithExtension && !base::ContainsIgnoringAsciiCase(record.filenameMask, "%ext%")) {
    record.filenameMask += ".%ext%";
  }
  if (record.cfg < kRawChoicesInserted && record.rawLoadAs != 0) {
    record.rawLoadAs += 2;
  }
}

void ExpandCsvDelimiter(SettingsRecord& record) {
  const std::string word = base::LowerAscii(record.csvDelimiter);
  if (word == "tab") {
    record.csvDelimiter = "\t";
  } else if (word == "space") {
    record.csvDelimiter = " ";
  } else if (word == "crlf") {
    record.csvDelimiter = "\r\n";
  }
}

// Each group's entries are read once, whatever their number; the first entry of a key counts.
void ReadGroup(const IniFile& file, std::span<const SettingDescriptor> settings, const DefaultContext& missing,
               SettingsRecord& record) {
  std::vector<std::optional<std::string_view>> values(settings.size());
  file.ForEachEntry([&](std::string_view key, std::string_view value) {
    for (std::size_t i = 0; i < settings.size(); ++i) {
      if (!base::EqualsIgnoringAsciiCase(settings[i].key, key)) continue;
      if (!values[i]) values[i] = value;
      return;
    }
  });
  for (std::size_t i = 0; i < settings.size(); ++i) {
    if (values[i]) {
      ParseSettingValue(settings[i], *values[i], record);
    } else {
      ApplySettingDefault(settings[i], missing, record);
    }
  }
}

void ReadSettings(IniFile& file, SettingsRecord& record) {
  DefaultContext missing;
  missing.missingFromFile = true;
  missing.now = LocalNow();
  const std::span<const SettingDescriptor> table = SettingTable();
  for (std::size_t first = 0; first < table.size();) {
    std::size_t end = first;
    while (end < table.size() && table[end].group == table[first].group) ++end;
    file.SelectGroup(table[first].group);  // without the group every key reads as missing
    ReadGroup(file, table.subspan(first, end - first), missing, record);
    first = end;
  }
}

void WriteSetting(IniWriter& writer, const SettingDescriptor& setting,
                  const SettingsRecord& record) {
  if (setting.defaultRule == DefaultRule::LayoutVersion) {
    writer.WriteInteger(setting.key, kConfigurationLayoutVersion);
  } else {
    writer.WriteText(setting.key, FormatSettingValue(setting, record));
  }
}

// One group: its own keys in table order, then the per-format keys of the start-up list in
// list order.
void WriteGroup(IniWriter& writer, std::string_view group, const SettingsRecord& record) {
  writer.SelectGroup(group);
  const auto table = SettingTable();
  for (const SettingDescriptor& setting : table) {
    if (setting.group == group && setting.saveRule != SaveRule::PerFormat &&
        IsSettingSaved(setting, record)) {
      WriteSetting(writer, setting, record);
    }
  }
  const auto& formats = group == "Input" ? inputKinds : outputExtensions;
  if (group == "Input" || group == "Output") {
    for (const std::string& format : formats) {
      for (const SettingDescriptor& setting : table) {
        if (setting.group == group && setting.saveRule == SaveRule::PerFormat &&
            setting.format == format) {
          WriteSetting(writer, setting, record);
        }
      }
    }
  }
  writer.WriteComment("");
}

}  // namespace

std::string ConfigurationPath() {
  const std::string base = ConfigurationBase();
  if (base.empty()) return {};
  const std::string folder =
      base + "/" + std::string(kMakerFolder) + "/" + std::string(kProgramFolder);
  MakeFolders(folder);
  return folder + "/" + std::string(kFileName);
}

void LoadConfiguration() {
  const std::string& path = Settings.configurationPath;
  IniFile file;
  keepFileAsItIs = false;
  if (!path.empty() && file.Open(path)) {
    ReadSettings(file, Settings);
  } else {
    keepFileAsItIs = Exists(path);
    ResetSettings(false);
  }
  MigrateOlderLayouts(Settings);
  ExpandCsvDelimiter(Settings);
}

void SaveConfiguration() {
  const std::string& path = Settings.configurationPath;
  if (path.empty() || keepFileAsItIs) return;
  IniWriter writer;
  std::string_view previousGroup;
  for (const SettingDescriptor& setting : SettingTable()) {
    if (setting.group != previousGroup) {
      WriteGroup(writer, setting.group, Settings);
      previousGroup = setting.group;
    }
  }
  MakeFolders(FolderOf(path));
  writer.Save(path);
}

}  // namespace vecrast
