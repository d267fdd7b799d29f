// Icon themes: zip archives in "gfx/" that replace the built-in images.
#pragma once

#include <map>
#include <string>

namespace vecrast {

// Theme key (the archive's name without ".zip") to display name, filled by ListThemes.
extern std::map<std::string, std::string> ThemeList;

// Lists the theme archives found in "gfx/" into ThemeList.
void ListThemes();

// The display name of a theme: "Name" of section "Theme" in its "theme.cfg", or the key
// itself when the archive cannot be read.
std::string ThemeDisplayName(const std::string& key);

// Replaces the chosen image sets with the images of the theme "UI Theme" names.
void LoadThemeImages(bool buttonImages, bool menuIcons, bool toolbarIcons);

// The theme key at `index` of the keys sorted without regard to letter case; "" past the end.
std::string ThemeKeyAt(int index);

// The value of `key` in `section` of an INI-like text held in memory, or "".
std::string IniTextValue(const std::string& text, const std::string& section, const std::string& key);

// After the preferences dialog's OK: reloads the images and rebuilds the menus and toolbars
// as ConversionJob.appearanceFlag says (1 the theme changed, 2 only the icon size), selects the
// output format of "Format" in the main window and refreshes the output folder list.
void ApplyAppearanceChange();

}  // namespace vecrast
