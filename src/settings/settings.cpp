#include "settings/settings.h"

#include <random>

#include "platform/program_folder.h"
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

int32_t DrawRandomToken() {
  static std::mt19937 generator{std::random_device{}()};
  return std::uniform_int_distribution<int32_t>{1, 99999}(generator);
}

ConversionJobRecord StartConversionJob() {
  ConversionJobRecord job;
  job.programFolder = ProgramFolder();
  job.randomToken = DrawRandomToken();
  return job;
}

}  // namespace

std::vector<std::string> inputKinds = {"wmf"};
std::vector<std::string> outputExtensions = {"jpg"};

SettingsRecord Settings = WindowedDefaults();
ConversionJobRecord ConversionJob = StartConversionJob();

void SetDisplaySizeSource(DisplaySizeSource source) { displaySizeSource = source; }

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
