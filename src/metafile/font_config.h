// The fonts installed, as the player and the watermark see them: a private fontconfig
// configuration made of the system's font folders and their caches and nothing else. The
// desktop's and the user's configuration files (aliases, hinting, anti-aliasing, sub-pixel
// order, user font folders) are never read, so a picture comes out the same whoever
// converts it; and building it reads a few cache files instead of dozens of XML files.
#pragma once

#include <fontconfig/fontconfig.h>

namespace metafile {

// The configuration, built on first use from any thread (null when fontconfig cannot build
// it); it lives for the process. It is never made fontconfig's current configuration: the
// window's toolkit keeps drawing with the desktop's, and every call that chooses a font
// for a picture or a watermark names this one (Cairo gets font files, never names to
// resolve).
FcConfig* InstalledFonts();

}  // namespace metafile
