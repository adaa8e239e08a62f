#include "cli/port_runs.h"

#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/qt_core.h"
#include "link/port_number.h"
#include "link/port_table.h"
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

// The device paths of --com numbers, for the lines and objects of their runs, from the scan
// every port is handed; a number without one keeps its label.
void NameComPorts(std::vector<ChosenPort>& ports, const std::vector<SystemPort>& scanned) {
  if (ports.empty() || !ports.front().options.portPaths.empty())
    return;
  PortTable table;
  table.Update(scanned);
  for (ChosenPort& port : ports) {
    const std::string path = table.PathOf(port.options.comNumbers.front());
    if (!path.empty())
      port.path = DevicePath(path);
  }
}

// One scan of the system's ports for every port's run, made before their threads start: each
// link scanning for itself would take the system's scan on several threads at once.
void ShareOneScan(std::vector<ChosenPort>& ports, const PortScanner& scanPorts) {
  const PortScanner scanned = ScannedPorts(scanPorts());
  NameComPorts(ports, scanned());
  for (ChosenPort& port : ports)
    port.options.scanPorts = scanned;
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

// The path's components, empty ones and "." left out.
std::vector<std::string> PathComponents(const std::string& path) {
  std::vector<std::string> components;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t slash = std::min(path.find('/', start), path.size());
    std::string component = path.substr(start, slash - start);
    if (!component.empty() && component != ".")
      components.push_back(std::move(component));
    start = slash + 1;
  }
  return components;
}

// The last `count` components, joined with "-".
std::string LastComponents(const std::vector<std::string>& components, std::size_t count) {
  std::string name;
  for (std::size_t i = components.size() - std::min(count, components.size());
       i < components.size(); ++i) {
    name += (name.empty() ? "" : "-") + components[i];
  }
  return name;
}

// The positions whose name another position has too.
std::vector<std::size_t> Shared(const std::vector<std::string>& names) {
  std::vector<std::size_t> shared;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (std::count(names.begin(), names.end(), names[i]) > 1)
      shared.push_back(i);
  }
  return shared;
}

}  // namespace

std::string PortRun::FileFor(const std::string& path) const {
  if (!several)
    return path;
  return FileOfPort(path, fileName);
}

std::vector<std::string> PortFileNames(const std::vector<std::string>& ports) {
  std::vector<std::vector<std::string>> components;
  for (const std::string& port : ports)
    components.push_back(PathComponents(port));
  std::vector<std::size_t> used(ports.size(), 1);
  std::vector<std::string> names(ports.size());
  // A name made longer may meet a third port's, which then takes more of its path as well.
  for (bool longer = true; longer;) {
    for (std::size_t i = 0; i < ports.size(); ++i)
      names[i] = LastComponents(components[i], used[i]);
    longer = false;
    for (const std::size_t i : Shared(names)) {
      if (used[i] < components[i].size()) {
        ++used[i];
        longer = true;
      }
    }
  }
  for (const std::size_t i : Shared(names))
    names[i] += "-" + std::to_string(i + 1);
  return names;
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
    ShareOneScan(ports, options.scanPorts);

  std::vector<Output> outputs;
  std::vector<std::string> paths;
  for (const ChosenPort& port : ports) {
    outputs.push_back(output.ForPort(port.path, several));
    paths.push_back(port.path);
  }
  const std::vector<std::string> fileNames = PortFileNames(paths);
  std::vector<PortRun> runs;
  for (std::size_t i = 0; i < ports.size(); ++i)
    runs.push_back({ports[i].options, outputs[i], several, fileNames[i]});
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

std::string FileOfPort(const std::string& path, const std::string& name) {
  const std::size_t fileStart = path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1;
  const std::size_t dot = path.rfind('.');
  // A dot that starts the file's name ("/tmp/.image") is no extension.
  if (dot == std::string::npos || dot <= fileStart)
    return path + "-" + name;
  return path.substr(0, dot) + "-" + name + path.substr(dot);
}

}  // namespace zelto::cli
