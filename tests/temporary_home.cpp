// Linked into every test program that may keep files for the user (backups, settings): they go
// to a folder of the program's own, removed at its end, and never into the user's own. The
// programs it starts speak the language of the sources whatever the machine's locale says: a
// test of another language names it with --lang.
#include "scratch_folder.h"

#include <filesystem>
#include <stdlib.h>

namespace {

struct TemporaryHome {
  TemporaryHome() {
    setenv("XDG_DATA_HOME", folder.PathOf("data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", folder.PathOf("config").c_str(), 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    unsetenv("LANGUAGE");
  }

  zelto::testing::ScratchFolder folder;
};

const TemporaryHome home;

}  // namespace
