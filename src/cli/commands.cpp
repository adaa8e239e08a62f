#include "cli/commands.h"

#include "cli/calib_command.h"
#include "cli/command_convert.h"
#include "cli/device_commands.h"
#include "cli/port_commands.h"
#include "cli/service_commands.h"
#include "cli/simulate_command.h"

#include <array>

namespace zelto::cli {

std::span<const Command> Commands() {
  static constexpr std::array kCommands{
      Command{"ports", "", "list the serial ports with their COM numbers", RunPorts},
      Command{"identify", "", "identify the transmitter of the chosen model", RunIdentify},
      Command{"read", "", "read the stored configuration and print its summary", RunRead},
      Command{"write",
              "--sensor CODE [--range LO..HI] [--output 0-5|0-20|4-20] [--linear-emf] "
              "[--cold-junction] [--scheme 4|3|2] [--sqrt] [--sensor-break]",
              "write a configuration", RunWrite},
      Command{"correct",
              "--sensor CODE --range LO..HI --t1 T --t2 T --i1 MA --i2 MA [--linear-emf]",
              "two-point range correction (table-loading models)", RunCorrect},
      Command{"reset-correction", "", "reset the range correction (table-loading models)",
              RunResetCorrection},
      Command{"memory", "[--save FILE]", "dump the configuration memory", RunMemory},
      Command{"tables", "", "dump the conversion tables held in the device", RunTables},
      Command{"calib", "show|read|write|clear|clear-full [--load FILE] [--save FILE]",
              "the calibration block", RunCalib},
      Command{"monitor", "[--count N] [--interval MS]", "poll the live values", RunMonitor},
      Command{"convert", "--sensor CODE (--temperature T | --signal S)",
              "convert with the sensor's tables, no device needed", RunConvert},
      Command{"simulate", "[--model M] [--memory FILE] [--pace]",
              "run the transmitter simulator on a pseudo-terminal", RunSimulate},
  };
  return kCommands;
}

}  // namespace zelto::cli
