#pragma once

#include <string>

namespace zelto::files {

// The files the program keeps for the user between runs, and where they live. Every path under
// the user's home folder is made here and nowhere else, from the XDG folders the system names.
// Paths come as the file system's bytes.

// One backup file per write to a device: $XDG_DATA_HOME/zelto/backups (by default
// ~/.local/share/zelto/backups). The folder is not made here.
std::string BackupsFolder();

// One record per output check of a transmitter: $XDG_DATA_HOME/zelto/checks (by default
// ~/.local/share/zelto/checks). The folder is not made here.
std::string ChecksFolder();

// The window's settings: $XDG_CONFIG_HOME/zelto/zelto.conf (by default ~/.config/zelto/).
std::string SettingsFile();

// Whether the settings may be read and written back: the settings file and the lock file its
// writer keeps beside it (zelto.conf.lock) are each absent or a regular file of a size that
// settings can have. Anything else there (a pipe, a device, a folder) is neither opened nor
// replaced: reading a pipe waits for a writer, and a lock that is no file is never won.
bool SettingsFilesUsable();

}  // namespace zelto::files
