// Icon themes: zip archives in "gfx/" that replace the built-in images. Each holds PNG files
// and a "theme.cfg" (8-bit text, CR LF lines) with the sections "Theme" (key "Name", the
// display name), "Buttons" (the form's images by key) and "Icons" (the command icons by key),
// each value naming a file of the archive.
#pragma once

#include <map>
#include <string>

namespace vecrast {

// Theme key (the archive's name without ".zip") to display name, filled by ListThemes.
extern std::map<std::string, std::string> ThemeList;

// At most this many themes are listed (the first ones in ThemeKeyAt's order).
inline constexpr size_t kMaxThemes = 127;

// The folder of the theme archives, ending in "/": "gfx/" beside the executable, else in the
// installed data folder; "" when neither exists. SetThemeFolder replaces it (tests, the
// screenshot tool); an empty folder restores the search.
std::string ThemeFolder();
void SetThemeFolder(const std::string& folder);

// Lists the regular files "*.zip" of the theme folder into ThemeList, each with its
// ThemeDisplayName. A missing folder leaves the list empty.
void ListThemes();

// The display name of a theme: "Name" of section "Theme" in the first 255 bytes of its
// "theme.cfg" ("" when not there), or the key itself when the archive cannot be read.
std::string ThemeDisplayName(const std::string& key);

// Replaces the images of the chosen sets with those of the theme that "UI Theme" names. When
// no such archive exists but ThemeList has themes, "UI Theme" becomes the last of them first.
// Images the theme does not name or hold, or whose PNG does not decode, stay as they are; an
// archive that cannot be read changes nothing. Buttons and menu icons are looked for at 16
// pixels, the toolbar icons at the size of "UI Size"; every image is fitted to the size of the
// place it goes to.
void LoadThemeImages(bool buttonImages, bool menuIcons, bool toolbarIcons);

// The theme key at `index` of the keys sorted without regard to letter case; "" past the end.
std::string ThemeKeyAt(int index);

// The value of `key` in `section` of an INI-like text held in memory, or "". Letter case is
// ignored. The key is found as a line start after the section's header and before the next
// "[", so a key that merely begins with `key` matches when it comes first; the value is the
// line's text between its first and second "=", trimmed of blanks; a last line without CR LF
// is not read.
std::string IniTextValue(const std::string& text, const std::string& section, const std::string& key);

// The archive entry that a "theme.cfg" value names at `pixelSize`: the value itself when it
// contains ".png" in any letter case, else value + "_" + size + ".png"; "" for an empty value.
std::string ThemeImageFileName(const std::string& value, int pixelSize);

// After the preferences dialog's OK: reloads the images and rebuilds the menus and toolbars
// as ConversionJob.appearanceFlag says (1 the theme changed, 2 only the icon size), selects the
// output format of "Format" in the main window and refreshes the output folder list.
void ApplyAppearanceChange();

}  // namespace vecrast
