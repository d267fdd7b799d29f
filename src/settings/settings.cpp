#include "settings/settings.h"

#include <unistd.h>

#include <ctime>
#include <random>

#include "settings/settings_table.h"

namespace vecrast {

namespace {

DisplaySizeSource displaySizeSource = nullptr;

SettingsRecord WindowedDefaults() {
  SettingsRecord record;
  DefaultContext context;
  context.now = LocalNow();
  for (const SettingDescriptor& setting : SettingTable()) {
    ApplySettingDefault(setting, context, record);
  }
  return record;
}

std::string RunningProgramFolder() {
  std::string path(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return "./";
  path.resize(static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/') + 1);
}

int32_t DrawRandomToken() {
  static std::mt19937 generator{std::random_device{}()};
  return std::uniform_int_distribution<int32_t>{1, 99999}(generator);
}

ConversionJobRecord StartConversionJob() {
  ConversionJobRecord job;
  job.programFolder = RunningProgramFolder();
  job.randomToken = DrawRandomToken();
  return job;
}

}  // namespace

std::vector<std::string> inputKinds = {"wmf"};
std::vector<std::string> outputExtensions = {"jpg"};

SettingsRecord Settings = WindowedDefaults();
ConversionJobRecord ConversionJob = StartConversionJob();

void SetDisplaySizeSource(DisplaySizeSource source) { displaySizeSource = source; }

int64_t LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (::localtime_r(&now, &local) == nullptr) return static_cast<int64_t>(now);
  return static_cast<int64_t>(now) + static_cast<int64_t>(local.tm_gmtoff);
}

void ResetSettings(bool commandLineMode) {
  DefaultContext context;
  context.commandLineMode = commandLineMode;
  context.now = LocalNow();
  if (displaySizeSource != nullptr &&
      !displaySizeSource(context.displayWidth, context.displayHeight)) {
    context.displayWidth = 0;
    context.displayHeight = 0;
  }
  for (const SettingDescriptor& setting : SettingTable()) {
    ApplySettingDefault(setting, context, Settings);
  }
}

void ResetConversionJob() { ConversionJob = StartConversionJob(); }

}  // namespace vecrast
