// The per-user configuration file "config.ini" of the windowed mode.
#pragma once

#include <string>

namespace vecrast {

// The configuration file's full path: "$XDG_CONFIG_HOME" (when absolute), else "$HOME/.config",
// followed by "Zentrafax/vecrast/config.ini". Creates the folders that are missing; a failure
// there is not reported (the save then fails silently). Empty when no home folder is known.
std::string ConfigurationPath();

// Fills Settings from the file named by Settings.configurationPath. A file that cannot be read
// gives the windowed defaults; keys missing from the file give their defaults (with "CFG" 0,
// "X" and "Y" 100). Files of older layouts are upgraded. Nothing is reported. A file that
// exists but cannot be read (no access, over the reader's bound, not a file) is left to its
// owner: the saves of this run do not replace it.
void LoadConfiguration();

// Writes Settings to Settings.configurationPath, replacing the file only by a complete one.
// Missing folders are created; a symbolic link is written through to its target; a
// write-protected file, or one the last load could not read, is left alone. A failure leaves
// the old file as it was and is not reported.
void SaveConfiguration();

}  // namespace vecrast
