#pragma once

#include <string>

namespace zelto::files {

// The files the program keeps for the user between runs, and where they live. Every path under
// the user's home folder is made here and nowhere else, from the XDG folders the system names.
// Paths come as the file system's bytes.

// One backup file per write to a device: $XDG_DATA_HOME/zelto/backups (by default
// ~/.local/share/zelto/backups). The folder is not made here.
std::string BackupsFolder();

// The window's settings: $XDG_CONFIG_HOME/zelto/zelto.conf (by default ~/.config/zelto/).
std::string SettingsFile();

}  // namespace zelto::files
