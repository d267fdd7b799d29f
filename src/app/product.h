// The product's name, version and the maker's constants shown on the console.
#pragma once

#include <string>

#include "app/version.h"

namespace vecrast {

inline constexpr const char* kProductTitle = "Zentrafax WMF to JPG";
// kVersionNumber (250), from the project's version.
// The maker's one-line legal notice as the console prints it ("(c)" for the sign).
inline constexpr const char* kConsoleLegalNotice = "Copyright (c) 2026 Zentrafax. All rights reserved.";
inline constexpr const char* kMakerWebAddress = "https://www.zentrafax.example/";
// The same notice as the window shows it.
inline constexpr const char* kLegalNotice = "Copyright \u00a9 2026 Zentrafax. All rights reserved.";
inline constexpr const char* kSupportMailAddress = "support@zentrafax.example";

// A three-digit version number as text: 250 gives "2.5", 251 "2.5.1", 200 "2.0".
std::string VersionText(int versionNumber);

// The product title, a blank and the version text: the console banner's first line and the
// name of the single-instance lock.
std::string WindowTitle(const std::string& productTitle = kProductTitle, int versionNumber = kVersionNumber);

}  // namespace vecrast
