#include "cli/port_commands.h"

#include "cli/console_reporter.h"
#include "cli/device_commands.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/json_results.h"
#include "cli/port_runs.h"
#include "cli/qt_core.h"
#include "config/word_summary.h"
#include "keep/device_words.h"
#include "keep/profile_file.h"
#include "link/port_number.h"

namespace zelto::cli {

int RunPorts(const Invocation& invocation, Output& output) {
  const QtCore qt;
  SilentReporter reporter;
  NoConnectionView view;
  Link link(reporter, view);
  link.ListPorts();
  for (const std::string& path : invocation.options.portPaths)
    link.Ports().Add(path, "");
  for (const PortEntry& port : link.Ports().Listed()) {
    if (output.Json()) {
      output.Emit({{"com", port.number},
                   {"path", JsonText(port.path)},
                   {"description", JsonText(port.description)}});
    } else {
      output.Line(PortLabel(port.number) + "\t" + port.path + "\t" + port.description);
    }
  }
  return kExitSuccess;
}

int RunIdentify(const Invocation& invocation, Output& output) {
  const int model = invocation.options.model;
  return RunOnPorts(invocation.options, output, [model](const PortRun& run) -> int {
    ConsoleReporter reporter(run.output);
    DeviceSession session(run.options, reporter, run.output);
    const int connected = session.Connect();
    if (connected != kExitSuccess)
      return connected;
    keep::WordMap words;
    const auto read =
        keep::ReadDeviceWords(session.GetLink(), reporter, FirmwareAddresses(), words);
    if (run.output.Json()) {
      QJsonObject& result = run.output.Result();
      result.insert("model", keep::ModelJson(model));
      AddFirmware(result, model, words);
    } else if (read == config::DeviceOutcome::kDone) {
      // The model and firmware as the summary's first line reads them, date included.
      const auto lines = config::SummaryOfWords(
          model, [&words](std::uint16_t address) { return WordValue(words, address); });
      if (!lines.empty())
        reporter.AddMemoLine(lines.front());
    }
    return session.ExitCode(ExitCodeFor(read));
  });
}

}  // namespace zelto::cli
