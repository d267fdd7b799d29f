// The fonts installed, as the player and the watermark see them: a private fontconfig
// configuration made of the system's font folders and their caches and nothing else. The
// desktop's and the user's configuration files (aliases, hinting, anti-aliasing, sub-pixel
// order, user font folders) are never read, so a picture comes out the same whoever
// converts it; and building it reads a few cache files instead of dozens of XML files.
#pragma once

#include <fontconfig/fontconfig.h>

namespace metafile {

// The configuration, built on first use from any thread (null when fontconfig cannot build
// it). It is also made fontconfig's current one, so that a library asking fontconfig for
// its current configuration (Cairo resolving a font face) sees this one and never loads
// the desktop's. It lives for the process.
FcConfig* InstalledFonts();

}  // namespace metafile
