#include "ui/themes.h"

namespace vecrast {

std::map<std::string, std::string> ThemeList;

// No theme archives are shipped yet: the built-in images stay.
void ListThemes() {}

std::string ThemeDisplayName(const std::string& key) { return key; }

void LoadThemeImages(bool, bool, bool) {}

std::string ThemeKeyAt(int) { return {}; }

std::string IniTextValue(const std::string&, const std::string&, const std::string&) { return {}; }

void ApplyAppearanceChange() {}

}  // namespace vecrast
