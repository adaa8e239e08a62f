#include "cli/simulate_command.h"

#include "calib/safe_file.h"
#include "cli/exit_codes.h"
#include "cli/port_commands.h"
#include "link/device_model.h"
#include "sim/memory_image_file.h"
#include "sim/simulator.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <optional>
#include <span>
#include <system_error>
#include <variant>

namespace zelto::cli {
namespace {

struct SimulateOptions {
  int model = kVelmorModel;
  std::optional<std::string> memoryFile;
  bool pace = false;
};

std::variant<SimulateOptions, std::string> ParseSimulateOptions(const Invocation& invocation) {
  SimulateOptions options{invocation.options.model, std::nullopt, false};
  const auto& arguments = invocation.arguments;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--pace") {
      options.pace = true;
    } else if (argument == "--model" || argument == "--memory") {
      if (i + 1 == arguments.size())
        return "option " + argument + " needs a value";
      const std::string& value = arguments[++i];
      if (argument == "--memory") {
        if (value.empty())
          return std::string("option --memory needs a file");
        options.memoryFile = value;
      } else if (const auto model = ModelFromText(value)) {
        options.model = *model;
      } else {
        return "invalid value '" + value + "' for --model";
      }
    } else {
      return "unexpected argument '" + argument + "' for simulate";
    }
  }
  return options;
}

// Saves through the program's safe save: a temporary file under a fresh name beside the image
// takes its place, so no other file is touched, and the image is either the old or the new one
// (unless its folder takes no new file, where it is written in place).
bool SaveImage(const std::string& path, const sim::MemoryImage& image) {
  const std::span bytes(reinterpret_cast<const char*>(image.data()), image.size());
  return calib::WriteFileSafely(path, bytes) == calib::FileOutcome::kDone;
}

// Loads the image, or for a file that does not exist yet creates it from the device's own
// memory, so that a path that cannot be written shows at once. A reason on failure.
std::optional<std::string> PrepareMemoryFile(const std::string& path, sim::Simulator& simulator) {
  sim::MemoryImage image{};
  switch (sim::LoadMemoryImage(path, image)) {
    case sim::ImageFileStatus::kLoaded:
      simulator.LoadMemory(image);
      return std::nullopt;
    case sim::ImageFileStatus::kMissing:
      if (SaveImage(path, simulator.Memory()))
        return std::nullopt;
      return "cannot write memory image '" + path + "'";
    case sim::ImageFileStatus::kWrongSize:
      return "memory image '" + path + "' is not 512 bytes";
    case sim::ImageFileStatus::kNotRegularFile:
      return "memory image '" + path + "' is not a regular file";
    case sim::ImageFileStatus::kUnreadable:
      break;
  }
  return "cannot read memory image '" + path + "'";
}

}  // namespace

int RunSimulate(const Invocation& invocation) {
  const auto parsed = ParseSimulateOptions(invocation);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(*reason);
  const auto& options = std::get<SimulateOptions>(parsed);

  // Blocked before the serving thread starts, so that it inherits the mask and the signals
  // reach the sigwait below.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  std::optional<sim::Simulator> started;
  try {
    started.emplace(options.model);
  } catch (const std::system_error& error) {
    std::fprintf(stderr, "zelto-cli: cannot start the simulator: %s\n", error.what());
    return kExitSystemError;
  }
  sim::Simulator& simulator = *started;
  std::atomic<bool> saveFailed = false;
  if (options.memoryFile) {
    if (const auto reason = PrepareMemoryFile(*options.memoryFile, simulator)) {
      std::fprintf(stderr, "zelto-cli: %s\n", reason->c_str());
      return kExitFileError;
    }
    simulator.OnMemoryWritten([path = *options.memoryFile, &saveFailed](const auto& image) {
      if (SaveImage(path, image))
        return;
      std::fprintf(stderr, "zelto-cli: cannot write memory image '%s'\n", path.c_str());
      saveFailed = true;
    });
  }
  if (options.pace)
    simulator.SetPacing(invocation.options.baud);

  std::printf("%s\n", simulator.Path().c_str());
  std::fflush(stdout);

  int signal = 0;
  sigwait(&stopSignals, &signal);
  return saveFailed ? kExitFileError : kExitSuccess;
}

}  // namespace zelto::cli
