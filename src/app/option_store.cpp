#include "app/option_store.h"

#include <map>

#include "app/value_conversions.h"
#include "base/trim.h"
#include "settings/settings_table.h"

namespace vecrast {

namespace {

// A profile's text values arrive trimmed of blanks by the INI reader; only the file-name mask
// loses its outer double quotes, so that a mask can begin or end with a blank.
std::string TextFor(const OptionRow& row, const std::string& valueText, ValueSource source) {
  if (source == ValueSource::Profile && row.longName != "--FILENAME-MASK") return valueText;
  return TextValue(valueText);
}

std::map<std::string, std::string>& TypedNumbers() {
  static std::map<std::string, std::string> typed;
  return typed;
}

std::string TypedKey(std::string_view group, std::string_view key) {
  return std::string(group) + '\n' + std::string(key);
}

void RememberTyped(const OptionRow& row, const std::string& valueText) {
  const bool number = row.kind == OptionValueKind::Integer || row.kind == OptionValueKind::Real;
  if (number) {
    TypedNumbers()[TypedKey(row.group, row.key)] = std::string(base::TrimBlanks(valueText));
  } else {
    TypedNumbers().erase(TypedKey(row.group, row.key));
  }
}

}  // namespace

std::string TypedNumberText(std::string_view group, std::string_view key) {
  const auto found = TypedNumbers().find(TypedKey(group, key));
  return found == TypedNumbers().end() ? std::string() : found->second;
}

void ForgetTypedNumbers() { TypedNumbers().clear(); }

bool StoreOptionValue(const OptionRow& row, const std::string& valueText, ValueSource source) {
  const SettingDescriptor* setting = FindSetting(row.group, row.key);
  if (!setting) return false;
  if (!row.alsoKey.empty()) {
    const SettingDescriptor* also = FindSetting(row.group, row.alsoKey);
    if (!also) return false;
    SetSettingInteger(*also, row.alsoValue);
  }
  RememberTyped(row, valueText);
  switch (row.kind) {
    case OptionValueKind::Flag: SetSettingInteger(*setting, row.flagValue); break;
    case OptionValueKind::Integer:
      SetSettingInteger(*setting, SaturatedForSetting(*setting, IntegerValue(valueText)));
      break;
    case OptionValueKind::Real: SetSettingReal(*setting, RealValue(valueText)); break;
    case OptionValueKind::Keyword: SetSettingInteger(*setting, KeywordValue(row.keywordKind, valueText)); break;
    case OptionValueKind::Text: SetSettingText(*setting, TextFor(row, valueText, source)); break;
    default: return false;
  }
  return true;
}

}  // namespace vecrast
