#pragma once

#include "cli/cli_options.h"
#include "cli/output.h"

#include <functional>
#include <string>
#include <vector>

namespace zelto::cli {

// One run of a device command on one port.
struct PortRun {
  GlobalOptions options;  // naming this port alone
  Output& output;         // this port's lines
  bool several = false;   // one port of several
  std::string fileName;   // what its output files carry, of PortFileNames

  // Where an output file of the command goes: with several ports, one file per port, the
  // port's file name before the extension.
  std::string FileFor(const std::string& path) const;
};

// What a command does on one port; returns the port's exit code. Called on several threads at
// once when the command runs on several ports, so it changes nothing it shares.
using PortTask = std::function<int(const PortRun& run)>;

// Runs the task on every port the options name, after checking them (none, or one named twice,
// is a usage error): one port on this thread, several each on a thread of its own, all at once,
// each with its own link and port. Makes the Qt application the ports need. Returns the exit
// code of them all (CombinedExit).
int RunOnPorts(const GlobalOptions& options, Output& output, const PortTask& task);

// 0 when every port succeeded; otherwise the code of the first port, in command-line order, that
// is neither 0 nor 7 (the difference diff found); 7 when that is all there is.
int CombinedExit(const std::vector<int>& exits);

// What each port's output files are named after, one name per port, no two alike: the last
// component of its path ("/dev/ttyUSB0": "ttyUSB0"); where that is another port's too, as many
// of its last components as tell them apart, joined with "-" ("/x/a/tty" and "/x/b/tty":
// "a-tty" and "b-tty"); where the whole path cannot, also its place on the command line
// ("a-tty-2").
std::vector<std::string> PortFileNames(const std::vector<std::string>& ports);

// "ee.bin" with "ttyUSB0": "ee-ttyUSB0.bin"; a file without an extension gets the name at its
// end, and a folder in the path stays as it is.
std::string FileOfPort(const std::string& path, const std::string& name);

}  // namespace zelto::cli
