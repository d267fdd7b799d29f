#include "app/profile.h"

#include <algorithm>
#include <cctype>

#include "app/option_store.h"
#include "app/option_table.h"
#include "settings/ini_file.h"

namespace vecrast {

namespace {

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper;
}

}  // namespace

bool LoadProfile(const std::string& fileName) {
  if (fileName.empty()) return false;
  IniFile profile;
  if (!profile.Open(fileName)) return false;
  if (!profile.SelectGroup("CLI")) return true;
  for (const IniEntry& entry : profile.Entries()) {
    if (const OptionRow* row = FindProfileOption(UpperAscii(TrimBlanks(entry.key)))) {
      StoreOptionValue(*row, entry.value, ValueSource::Profile);
    }
  }
  return true;
}

}  // namespace vecrast
