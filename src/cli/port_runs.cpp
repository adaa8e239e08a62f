#include "cli/port_runs.h"

#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/qt_core.h"
#include "link/connection_view.h"
#include "link/link.h"
#include "link/port_number.h"
#include "link/status_translation.h"
#include "link/translatable.h"

#include <QThread>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <memory>
#include <new>

namespace zelto::cli {
namespace {

// A port to run on: the options naming it alone, and the path its lines and objects carry.
struct ChosenPort {
  GlobalOptions options;
  std::string path;
};

// --port wins over --com, as it does for one port.
std::vector<ChosenPort> ChosenPorts(const GlobalOptions& options) {
  std::vector<ChosenPort> ports;
  const auto alone = [&](std::vector<std::string> paths, std::vector<int> numbers) {
    GlobalOptions one = options;
    one.portPaths = std::move(paths);
    one.comNumbers = std::move(numbers);
    return one;
  };
  if (!options.portPaths.empty()) {
    for (const std::string& path : options.portPaths)
      ports.push_back({alone({path}, {}), DevicePath(path)});
  } else {
    for (const int number : options.comNumbers)
      ports.push_back({alone({}, {number}), PortLabel(number)});
  }
  return ports;
}

// What tells two names of one device apart from two devices: its path with every link followed.
std::string DeviceKey(const ChosenPort& port) {
  if (port.options.portPaths.empty())
    return port.path;
  std::error_code error;
  const auto canonical = std::filesystem::weakly_canonical(port.path, error);
  return error ? port.path : canonical.string();
}

// The port named twice, if any.
std::optional<std::string> NamedTwice(const std::vector<ChosenPort>& ports) {
  std::vector<std::string> keys;
  for (const ChosenPort& port : ports) {
    std::string key = DeviceKey(port);
    if (std::find(keys.begin(), keys.end(), key) != keys.end())
      return port.path;
    keys.push_back(std::move(key));
  }
  return std::nullopt;
}

// The device paths of --com numbers, for the lines and objects of their runs, from one scan of
// the system's ports; a number without one keeps its label.
void NameComPorts(std::vector<ChosenPort>& ports) {
  if (ports.empty() || !ports.front().options.portPaths.empty())
    return;
  SilentReporter reporter;
  NoConnectionView view;
  Link link(reporter, view);
  link.ListPorts();
  for (ChosenPort& port : ports) {
    const std::string path = link.Ports().PathOf(port.options.comNumbers.front());
    if (!path.empty())
      port.path = DevicePath(path);
  }
}

// The task, with what the system refuses it said in words rather than ending the process, which
// would take the other ports with it.
int RunGuarded(const PortTask& task, const PortRun& run) {
  try {
    return task(run);
  } catch (const std::bad_alloc&) {
    run.output.Problem("out of memory");
  } catch (const std::exception& error) {
    run.output.Problem(error.what());
  }
  return kExitSystemError;
}

}  // namespace

std::string PortRun::FileFor(const std::string& path) const {
  if (!several)
    return path;
  return FileOfPort(path, output.Port());
}

int RunOnPorts(const GlobalOptions& options, Output& output, const PortTask& task) {
  if (const auto reason = MissingDevice(options))
    return UsageError(output, *reason);
  std::vector<ChosenPort> ports = ChosenPorts(options);
  if (const auto twice = NamedTwice(ports))
    return UsageError(output,
                      ToolText(QT_TRANSLATE_NOOP("cli", "порт %1 указан дважды"), {*twice}));
  const bool several = ports.size() > 1;
  output.HandOver();
  const QtCore qt;
  if (several || output.Json())
    NameComPorts(ports);

  std::vector<Output> outputs;
  for (const ChosenPort& port : ports)
    outputs.push_back(output.ForPort(port.path, several));
  std::vector<PortRun> runs;
  for (std::size_t i = 0; i < ports.size(); ++i)
    runs.push_back({ports[i].options, outputs[i], several});
  if (!several)
    return outputs.front().Finish(RunGuarded(task, runs.front()));

  // Each port's link, and its serial port object, is made, used and destroyed on its thread.
  std::vector<int> exits(runs.size(), kExitSystemError);
  std::vector<std::unique_ptr<QThread>> threads;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    threads.emplace_back(
        QThread::create([&, i] { exits[i] = runs[i].output.Finish(RunGuarded(task, runs[i])); }));
    threads.back()->start();
  }
  for (const auto& thread : threads)
    thread->wait();
  return CombinedExit(exits);
}

int CombinedExit(const std::vector<int>& exits) {
  const auto failed = std::find_if(exits.begin(), exits.end(), [](int code) {
    return code != kExitSuccess && code != kExitDifferent;
  });
  if (failed != exits.end())
    return *failed;
  const bool differs = std::find(exits.begin(), exits.end(), kExitDifferent) != exits.end();
  return differs ? kExitDifferent : kExitSuccess;
}

std::string FileOfPort(const std::string& path, const std::string& port) {
  const std::string name =
      port.substr(port.rfind('/') == std::string::npos ? 0 : port.rfind('/') + 1);
  const std::size_t fileStart = path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1;
  const std::size_t dot = path.rfind('.');
  // A dot that starts the file's name ("/tmp/.image") is no extension.
  if (dot == std::string::npos || dot <= fileStart)
    return path + "-" + name;
  return path.substr(0, dot) + "-" + name + path.substr(dot);
}

}  // namespace zelto::cli
