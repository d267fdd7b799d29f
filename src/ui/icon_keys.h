// The image keys of the command icons, in the order the window loads them. Themes name their
// images by these keys; the build-time artwork draws one image per key.
#pragma once

#include <array>
#include <string_view>

namespace vecrast {

inline constexpr std::array<std::string_view, 22> kIconKeys = {
    "New",     "Add",   "InFiles",     "InFolder",        "OutFolder", "OutFormat", "FavFolder", "ImportFiles",
    "ExportFiles", "Exit", "Copy",     "Delete",          "SelectAll", "Convert",   "Error",     "Preferences",
    "CustomConverter", "Help", "Email", "Web",            "Updates",   "About"};

// The pixel sizes the toolbar offers; the menus use the first.
inline constexpr std::array<int, 5> kIconPixelSizes = {16, 24, 32, 48, 64};

}  // namespace vecrast
