#include "app/option_reader.h"

#include <array>
#include <string_view>

#include "app/option_store.h"
#include "app/option_table.h"
#include "app/profile.h"
#include "app/value_conversions.h"
#include "platform/console.h"
#include "platform/paths.h"
#include "settings/settings.h"

namespace vecrast {

namespace {

constexpr const char* kWrongParameterCount = "Incorrect number of parameters";
constexpr const char* kInvalidProfile = "Invalid profile file";
constexpr std::array<std::string_view, 7> kEarlySwitches = {"-U", "-T", "-V", "--VERSION", "-H", "-?", "--HELP"};

void Refuse(OptionReadResult& state, const char* message, std::string value, std::string reason = {}) {
  state.error = message;
  state.errorValue = std::move(value);
  state.errorReason = std::move(reason);
}

void StoreJobText(OptionTarget target, const std::string& value) {
  switch (target) {
    case OptionTarget::InputArgument: ConversionJob.inputArgument = value; break;
    case OptionTarget::OutputFolder: ConversionJob.outputFolder = value; break;
    case OptionTarget::OutputExtension: ConversionJob.outputExtension = value; break;
    default: break;
  }
}

void ApplySwitch(OptionTarget target, OptionReadResult& state) {
  switch (target) {
    case OptionTarget::Quiet: state.quiet = true; break;
    case OptionTarget::Debug: ConversionJob.runModeTag = "DEBUG"; break;
    case OptionTarget::Pause: state.pause = true; break;
    default: break;
  }
}

// -i, -o, -c: the short form takes the next argument, which must not look like an option.
void ReadJobText(const OptionRow& row, const std::string& key, const Arguments& arguments, size_t& index,
                 OptionReadResult& state) {
  if (row.target == OptionTarget::InputArgument) ConversionJob.consoleRun = 1;
  const std::string option = StripBlanks(ArgumentAt(arguments, index));
  if (!key.starts_with("--")) ++index;
  const std::string value = OptionValue(arguments, index);
  if (value.empty() || value.starts_with("-")) {
    Refuse(state, kWrongParameterCount, option);
    return;
  }
  StoreJobText(row.target, TextValue(value));
}

// A long option's value must be attached with "="; a single leading "-" is a negative number.
bool ReadLongValue(const Arguments& arguments, size_t index, std::string& value, OptionReadResult& state) {
  value = OptionValue(arguments, index);
  if (value.empty() || value.starts_with("--")) {
    Refuse(state, kWrongParameterCount, StripBlanks(ArgumentAt(arguments, index)));
    return false;
  }
  return true;
}

void ReadProfile(const Arguments& arguments, size_t index, OptionReadResult& state) {
  std::string value;
  if (!ReadLongValue(arguments, index, value, state)) return;
  const std::string fileName = TextValue(value);
  std::string reason;
  if (!LoadProfile(fileName, reason)) Refuse(state, kInvalidProfile, AbsolutePath(fileName), reason);
}

void ReadOption(const OptionRow& row, const std::string& key, const Arguments& arguments, size_t& index,
                OptionReadResult& state) {
  std::string value;
  switch (row.kind) {
    case OptionValueKind::JobText: ReadJobText(row, key, arguments, index, state); return;
    case OptionValueKind::Switch: ApplySwitch(row.target, state); return;
    case OptionValueKind::Flag: StoreOptionValue(row, {}, ValueSource::CommandLine); return;
    case OptionValueKind::Profile: ReadProfile(arguments, index, state); return;
    default:
      if (ReadLongValue(arguments, index, value, state)) StoreOptionValue(row, value, ValueSource::CommandLine);
      return;
  }
}

bool IsEarlySwitch(const std::string& key) {
  for (std::string_view early : kEarlySwitches) {
    if (key == early) return true;
  }
  return false;
}

// The warning for an argument that matches no option; it is skipped as before.
std::string SkippedArgumentWarning(const std::string& key, const std::string& argument) {
  if (key.empty()) {
    return NamingValue("Warning: argument ignored", argument,
                       "one run converts one file, the one named by -i; run once for each file");
  }
  if (IsEarlySwitch(key)) return NamingValue("Warning: option ignored", argument, "it acts only as the first argument");
  return NamingValue("Warning: unknown option ignored", argument);
}

}  // namespace

// Options apply left to right, so a later option overrides an earlier one or a profile
// named before it. Reading stops at the first error.
OptionReadResult ReadOptions(const Arguments& arguments) {
  OptionReadResult state;
  ForgetTypedNumbers();
  for (size_t index = 0; index < arguments.size() && state.error.empty(); ++index) {
    const std::string key = OptionKey(arguments, index);
    if (const OptionRow* row = FindOption(key)) {
      ReadOption(*row, key, arguments, index, state);
    } else if (index > 0 || !IsEarlySwitch(key)) {
      state.warnings.push_back(SkippedArgumentWarning(key, StripBlanks(ArgumentAt(arguments, index))));
    }
  }
  return state;
}

}  // namespace vecrast
