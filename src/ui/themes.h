// Icon themes: zip archives in "gfx/" that replace the built-in images.
#pragma once

namespace vecrast {

// Lists the theme archives found in "gfx/".
void ListThemes();

// Replaces the chosen image sets with the images of the theme "UI Theme" names.
void LoadThemeImages(bool buttonImages, bool menuIcons, bool toolbarIcons);

}  // namespace vecrast
