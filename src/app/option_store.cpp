#include "app/option_store.h"

#include "app/value_conversions.h"
#include "settings/settings_table.h"

namespace vecrast {

namespace {

// A profile's text values arrive trimmed of blanks by the INI reader; only the file-name mask
// loses its outer double quotes, so that a mask can begin or end with a blank.
std::string TextFor(const OptionRow& row, const std::string& valueText, ValueSource source) {
  if (source == ValueSource::Profile && row.longName != "--FILENAME-MASK") return valueText;
  return TextValue(valueText);
}

}  // namespace

bool StoreOptionValue(const OptionRow& row, const std::string& valueText, ValueSource source) {
  const SettingDescriptor* setting = FindSetting(row.group, row.key);
  if (!setting) return false;
  if (!row.alsoKey.empty()) {
    const SettingDescriptor* also = FindSetting(row.group, row.alsoKey);
    if (!also) return false;
    SetSettingInteger(*also, row.alsoValue);
  }
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
