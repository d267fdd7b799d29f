#include "app/option_reader.h"

#include "app/option_store.h"
#include "app/option_table.h"
#include "app/profile.h"
#include "app/value_conversions.h"
#include "settings/settings.h"

namespace vecrast {

namespace {

constexpr const char* kWrongParameterCount = "Incorrect number of parameters";
constexpr const char* kInvalidProfile = "Invalid profile file";

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
  if (!key.starts_with("--")) ++index;
  const std::string value = OptionValue(arguments, index);
  if (value.empty() || value.starts_with("-")) {
    state.error = kWrongParameterCount;
    return;
  }
  StoreJobText(row.target, TextValue(value));
}

// A long option's value must be attached with "="; a single leading "-" is a negative number.
bool ReadLongValue(const Arguments& arguments, size_t index, std::string& value, OptionReadResult& state) {
  value = OptionValue(arguments, index);
  if (value.empty() || value.starts_with("--")) {
    state.error = kWrongParameterCount;
    return false;
  }
  return true;
}

void ReadOption(const OptionRow& row, const std::string& key, const Arguments& arguments, size_t& index,
                OptionReadResult& state) {
  std::string value;
  switch (row.kind) {
    case OptionValueKind::JobText: ReadJobText(row, key, arguments, index, state); return;
    case OptionValueKind::Switch: ApplySwitch(row.target, state); return;
    case OptionValueKind::Flag: StoreOptionValue(row, {}, ValueSource::CommandLine); return;
    case OptionValueKind::Profile:
      if (ReadLongValue(arguments, index, value, state) && !LoadProfile(TextValue(value))) {
        state.error = kInvalidProfile;
      }
      return;
    default:
      if (ReadLongValue(arguments, index, value, state)) StoreOptionValue(row, value, ValueSource::CommandLine);
      return;
  }
}

}  // namespace

// Options apply left to right, so a later option overrides an earlier one or a profile
// named before it. Reading stops at the first error.
OptionReadResult ReadOptions(const Arguments& arguments) {
  OptionReadResult state;
  for (size_t index = 0; index < arguments.size() && state.error.empty(); ++index) {
    const std::string key = OptionKey(arguments, index);
    if (const OptionRow* row = FindOption(key)) ReadOption(*row, key, arguments, index, state);
  }
  return state;
}


}  // namespace vecrast
