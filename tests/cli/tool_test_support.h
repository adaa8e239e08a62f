// What the tool's tests share: the tool itself, and a data folder of the test's own, so that the
// backups of its writes never land among the user's.
#pragma once

#include "run_program.h"
#include "scratch_folder.h"

#include <optional>
#include <stdlib.h>
#include <string>
#include <vector>

namespace zelto::cli {

inline const std::string kCli = ZELTO_CLI_PATH;
inline constexpr int kDastra = 1;
using Lines = std::vector<std::string>;
using testing::LastLine;
using testing::LinesOf;
using testing::ProgramResult;
using testing::RunProgram;

// A scratch folder that is XDG_DATA_HOME for as long as it lives.
class OwnDataFolder : public testing::ScratchFolder {
 public:
  OwnDataFolder() {
    if (const char* previous = getenv("XDG_DATA_HOME"))
      previous_ = previous;
    setenv("XDG_DATA_HOME", PathOf("data").c_str(), 1);
  }
  ~OwnDataFolder() {
    if (previous_)
      setenv("XDG_DATA_HOME", previous_->c_str(), 1);
    else
      unsetenv("XDG_DATA_HOME");
  }

  std::string BackupFolder() const { return PathOf("data") + "/zelto/backups"; }

 private:
  std::optional<std::string> previous_;
};

}  // namespace zelto::cli
