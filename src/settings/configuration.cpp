#include "settings/configuration.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

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

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  return LowerAscii(text).find(LowerAscii(part)) != std::string::npos;
}

void MigrateOlderLayouts(SettingsRecord& record) {
  if (record.cfg < kMaskWithExtension && !ContainsIgnoringCase(record.filenameMask, "%ext%")) {
    record.filenameMask += ".%ext%";
  }
  if (record.cfg < kRawChoicesInserted && record.rawLoadAs != 0) {
    record.rawLoadAs += 2;
  }
}

void ExpandCsvDelimiter(SettingsRecord& record) {
  const std::string word = LowerAscii(record.csvDelimiter);
  if (word == "tab") {
    record.csvDelimiter = "\t";
  } else if (word == "space") {
    record.csvDelimiter = " ";
  } else if (word == "crlf") {
    record.csvDelimiter = "\r\n";
  }
}

void ReadSettings(IniFile& file, SettingsRecord& record) {
  DefaultContext missing;
  missing.missingFromFile = true;
  missing.now = LocalNow();
  for (const SettingDescriptor& setting : SettingTable()) {
    file.SelectGroup(setting.group);
    if (const auto value = file.FindValue(setting.key)) {
      ParseSettingValue(setting, *value, record);
    } else {
      ApplySettingDefault(setting, missing, record);
    }
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
  IniFile file;
  if (Settings.configurationPath.empty() || !file.Open(Settings.configurationPath)) {
    ResetSettings(false);
  } else {
    ReadSettings(file, Settings);
  }
  MigrateOlderLayouts(Settings);
  ExpandCsvDelimiter(Settings);
}

void SaveConfiguration() {
  const std::string& path = Settings.configurationPath;
  if (path.empty()) return;
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
