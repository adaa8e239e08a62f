#include "cli/commands.h"

#include "cli/backup_commands.h"
#include "cli/calib_command.h"
#include "cli/check_command.h"
#include "cli/command_convert.h"
#include "cli/device_commands.h"
#include "cli/monitor_command.h"
#include "cli/port_commands.h"
#include "cli/profile_commands.h"
#include "cli/report_command.h"
#include "cli/service_commands.h"
#include "cli/simulate_command.h"

#include <array>

namespace zelto::cli {

std::span<const Command> Commands() {
  static constexpr std::array kCommands{
      Command{"ports", RunPorts},
      Command{"identify", RunIdentify},
      Command{"read", RunRead},
      Command{"write", RunWrite},
      Command{"diff", RunDiff},
      Command{"correct", RunCorrect},
      Command{"reset-correction", RunResetCorrection},
      Command{"memory", RunMemory},
      Command{"tables", RunTables},
      Command{"calib", RunCalib},
      Command{"monitor", RunMonitor},
      Command{"convert", RunConvert},
      Command{"simulate", RunSimulate},
      Command{"backups", RunBackups},
      Command{"restore", RunRestore},
      Command{"check", RunCheck},
      Command{"checks", RunChecks},
      Command{"report", RunReport},
  };
  return kCommands;
}

}  // namespace zelto::cli
