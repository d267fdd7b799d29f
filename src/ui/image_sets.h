// The images of the window: the form's images, the menu icons and the toolbar icons, each a
// map from image key to a loaded image. They start as the built-in artwork and a theme
// replaces them.
#pragma once

#include <wx/bitmap.h>

#include <map>
#include <string>

namespace vecrast {

using ImageSet = std::map<std::string, wxBitmap>;

extern ImageSet GadgetImages;  // "Convert" 64 px, "InFiles" and "InFolder" 48 px
extern ImageSet MenuIcons;     // 16 px, the command icon keys
extern ImageSet ToolbarIcons;  // the command icon keys at the toolbar's size
extern wxBitmap BannerImage;   // the About dialog's banner, 360 x 40

// The toolbar's icon size in pixels for the setting "UI Size": 0 gives 16, 1 24, 2 32, 3 48,
// 4 64, anything else 16.
int IconSizeForSetting(int uiSize);

// The built-in image of `key` at `pixelSize` (a size the artwork is drawn at: 16, 24, 32, 48
// or 64); an invalid bitmap when there is none.
wxBitmap BuiltinImage(const std::string& key, int pixelSize);

// Fills the three sets and the banner with the built-in artwork; the toolbar icons are taken at
// the size "UI Size" selects.
void LoadIcons();

}  // namespace vecrast
