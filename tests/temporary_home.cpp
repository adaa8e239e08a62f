// Linked into every test program that may keep files for the user (backups, settings): they go
// to a folder of the program's own, removed at its end, and never into the user's own.
#include "scratch_folder.h"

#include <filesystem>
#include <stdlib.h>

namespace {

struct TemporaryHome {
  TemporaryHome() {
    setenv("XDG_DATA_HOME", folder.PathOf("data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", folder.PathOf("config").c_str(), 1);
  }

  zelto::testing::ScratchFolder folder;
};

const TemporaryHome home;

}  // namespace
