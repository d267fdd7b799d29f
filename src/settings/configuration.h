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
// "X" and "Y" 100). Files of older layouts are upgraded. Nothing is reported.
void LoadConfiguration();

// Writes Settings to Settings.configurationPath, replacing the file only by a complete one.
// Missing folders are created. A failure leaves the old file as it was and is not reported.
void SaveConfiguration();

}  // namespace vecrast
