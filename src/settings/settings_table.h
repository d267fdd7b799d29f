// The table of stored settings: one row per configuration key, with its group, field, type,
// default and how the configuration file treats it. The table drives ResetSettings,
// LoadConfiguration and SaveConfiguration; the command line, profiles and the debug dump use it
// to reach a setting by group and key.
//
//   const SettingDescriptor* quality = FindSetting("Output", "JPG Quality");
//   SetSettingInteger(*quality, 80);
//   std::string shown = FormatSettingValue(*quality);   // "80", as the file holds it
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings.h"

namespace vecrast {

enum class SettingType : uint8_t {
  Integer,  // int32_t
  Small,    // int8_t
  Flag,     // int8_t, 0 or 1
  Real,     // double holding a 32-bit float's value
  Text,     // std::string
  Colour,   // std::string, "RRGGBB"
  List,     // std::string, items joined by "," or a tab
  Date,     // int64_t, seconds since 1970-01-01 00:00:00 local time
};

// Where a default does not come from the row's own value.
enum class DefaultRule : uint8_t {
  Value,                 // the row's default value
  Now,                   // the current local time
  CentredX,              // centres the main window's width on the first display
  CentredY,              // centres the main window's height on the first display
  AspectRatio,           // 0 in command-line mode, else 1
  FirstInputKind,        // the first entry of inputKinds
  FirstOutputExtension,  // the first entry of outputExtensions
  LayoutVersion,         // the current layout version; 0 when missing from a file
};

enum class SaveRule : uint8_t {
  Always,
  WithWindowPosition,  // only when "Save Window Position" is on
  Never,               // read from the file, never written back
  PerFormat,           // only when `format` is in inputKinds (group "Input") or outputExtensions
};

using SettingField =
    std::variant<int32_t SettingsRecord::*, int8_t SettingsRecord::*, int64_t SettingsRecord::*,
                 double SettingsRecord::*, std::string SettingsRecord::*>;

struct SettingDescriptor {
  std::string_view group;
  std::string_view key;
  SettingType type;
  SettingField field;
  int64_t integerDefault;        // Integer, Small, Flag, Date
  double realDefault;            // Real
  std::string_view textDefault;  // Text, Colour, List
  DefaultRule defaultRule;
  SaveRule saveRule;
  std::string_view format;  // the input kind or output extension a per-format option belongs to
};

// The layout version written to every saved file ("CFG").
inline constexpr int32_t kConfigurationLayoutVersion = 17;

// All stored settings: groups in file order, keys in the order the file lists them.
std::span<const SettingDescriptor> SettingTable();

// The setting of that group and key, compared without regard to ASCII letter case; null when
// there is none.
const SettingDescriptor* FindSetting(std::string_view group, std::string_view key);

// Numbers of Integer, Small, Flag and Date settings (0 for other types). Setting an 8- or
// 32-bit field keeps the low 8 or 32 bits of the value.
int64_t GetSettingInteger(const SettingDescriptor& setting,
                          const SettingsRecord& record = Settings);
void SetSettingInteger(const SettingDescriptor& setting, int64_t value,
                       SettingsRecord& record = Settings);

// The Real setting (0 for other types). Setting keeps a 32-bit float's precision.
double GetSettingReal(const SettingDescriptor& setting, const SettingsRecord& record = Settings);
void SetSettingReal(const SettingDescriptor& setting, double value,
                    SettingsRecord& record = Settings);

// Text, Colour and List settings (empty for other types).
std::string GetSettingText(const SettingDescriptor& setting,
                           const SettingsRecord& record = Settings);
void SetSettingText(const SettingDescriptor& setting, std::string_view value,
                    SettingsRecord& record = Settings);

// The value as the configuration file writes it: decimal integers, reals with six decimals,
// texts as they are.
std::string FormatSettingValue(const SettingDescriptor& setting,
                               const SettingsRecord& record = Settings);
// Stores a value read from an INI file: integers by ParseIniInteger (saturated as below, small
// and flag fields then keeping their low 8 bits), reals by ParseIniReal, texts without leading
// and trailing blanks and tabs.
void ParseSettingValue(const SettingDescriptor& setting, std::string_view text,
                       SettingsRecord& record = Settings);

// An integer read from text, made to fit the setting: a date keeps all 64 bits, every other
// number saturates at the 32-bit limits, so that range checks see a number too large as too
// large instead of a wrapped one.
int64_t SaturatedForSetting(const SettingDescriptor& setting, int64_t value);

// What a default depends on besides the row.
struct DefaultContext {
  bool commandLineMode = false;
  bool missingFromFile = false;  // defaults for keys a configuration file lacks
  int32_t displayWidth = 0;      // first display; 0 when unknown
  int32_t displayHeight = 0;
  int64_t now = 0;
};

// Stores the setting's default.
void ApplySettingDefault(const SettingDescriptor& setting, const DefaultContext& context,
                         SettingsRecord& record = Settings);

// True when the configuration file holds the setting, given the record's "Save Window Position"
// and the start-up format lists.
bool IsSettingSaved(const SettingDescriptor& setting, const SettingsRecord& record = Settings);

}  // namespace vecrast
