#pragma once

#include "cli/cli_options.h"
#include "link/link.h"

#include <optional>
#include <string>

namespace zelto::cli {

// The link as a command uses it: the port of --port or --com at the --baud rate, with the read
// time-outs scaled by --timeout-scale.
class DeviceSession {
 public:
  DeviceSession(const GlobalOptions& options, Reporter& reporter);

  // Opens the port and identifies the transmitter of the --model; kExitSuccess, or the exit
  // code that says what failed.
  int Connect();
  Link& GetLink() { return link_; }

 private:
  const GlobalOptions& options_;
  NoConnectionView view_;
  Link link_;
};

// Why a command that needs a device cannot have one, if so.
std::optional<std::string> MissingDevice(const GlobalOptions& options);

}  // namespace zelto::cli
