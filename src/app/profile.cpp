#include "app/profile.h"

#include "app/option_store.h"
#include "app/option_table.h"
#include "base/ascii_case.h"
#include "settings/ini_file.h"

namespace vecrast {

bool LoadProfile(const std::string& fileName, std::string& reason) {
  if (fileName.empty()) {
    reason = "no file was named";
    return false;
  }
  IniFile profile;
  if (!profile.Open(fileName, reason)) return false;
  if (!profile.SelectGroup("CLI")) return true;
  profile.ForEachEntry([](std::string_view key, std::string_view value) {
    if (const OptionRow* row = FindProfileOption(base::UpperAscii(key))) {
      StoreOptionValue(*row, std::string(value), ValueSource::Profile);
    }
  });
  return true;
}

}  // namespace vecrast
