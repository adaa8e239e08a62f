#include "cli/simulate_command.h"

#include "cli/exit_codes.h"
#include "files/safe_file.h"
#include "link/device_model.h"
#include "rig/simulated_bench.h"
#include "link/status_translation.h"
#include "link/translatable.h"
#include "sim/memory_image_file.h"
#include "sim/simulator.h"

#include <atomic>
#include <csignal>
#include <filesystem>
#include <list>
#include <optional>
#include <span>
#include <system_error>
#include <variant>

namespace zelto::cli {
namespace {

// A rack's worth and more; each simulator holds a pseudo-terminal and a thread.
constexpr int kMostSimulators = 256;

struct SimulateOptions {
  int model = kVelmorModel;
  std::optional<std::string> memory;  // a file, or with a count a folder of files
  bool pace = false;
  std::optional<int> count;
  // A current meter and a calibrator wired to the transmitter, on TCP ports with tcp.
  bool bench = false;
  bool tcp = false;
  rig::UnitError unitError;
};

// The bench's options, which make sense with --bench only, and a bench of one transmitter.
std::optional<std::string> ParseBenchOptions(const OptionValues& values, SimulateOptions& options) {
  options.bench = Has(values, "--bench");
  options.tcp = Has(values, "--tcp");
  const auto unitError = values.find("--unit-error");
  if (!options.bench && (options.tcp || unitError != values.end())) {
    return ToolText(QT_TRANSLATE_NOOP("cli", "%1 только вместе с --bench"),
                    {options.tcp ? "--tcp" : "--unit-error"});
  }
  if (options.bench && options.count) {
    return ToolText(
        QT_TRANSLATE_NOOP("cli", "--bench подключает приборы к одному симулятору: без --count"));
  }
  if (unitError != values.end()) {
    const auto error = rig::ParseUnitError(unitError->second);
    if (!error) {
      return InvalidValue("--unit-error", unitError->second,
                          QT_TRANSLATE_NOOP("cli", "GAIN,OFFSET, усиление больше 0"));
    }
    options.unitError = *error;
  }
  return std::nullopt;
}

std::variant<SimulateOptions, std::string> ParseSimulateOptions(const Invocation& invocation) {
  if (invocation.options.json)
    return ToolText(QT_TRANSLATE_NOOP("cli", "у simulate нет вывода JSON"));
  const OptionValues& values = invocation.values;
  SimulateOptions options;
  options.model = invocation.options.model;
  options.pace = Has(values, "--pace");
  if (const auto model = values.find("--model"); model != values.end()) {
    const auto position = ModelFromText(model->second);
    if (!position)
      return InvalidValue("--model", model->second);
    options.model = *position;
  }
  if (const auto memory = values.find("--memory"); memory != values.end())
    options.memory = memory->second;
  if (const auto count = values.find("--count"); count != values.end()) {
    const auto number = ParseInteger(count->second);
    if (!number || *number < 1 || *number > kMostSimulators)
      return InvalidValue("--count", count->second, "1..256");
    options.count = number;
  }
  if (auto reason = ParseBenchOptions(values, options))
    return *reason;
  return options;
}

std::string CannotWriteImage(const std::string& path) {
  return ToolText(QT_TRANSLATE_NOOP("cli", "не удалось записать образ памяти '%1'"), {path});
}

// Saves through the program's safe save: a temporary file under a fresh name beside the image
// takes its place, so no other file is touched, and the image is either the old or the new one
// (unless its folder takes no new file, where it is written in place).
bool SaveImage(const std::string& path, const sim::MemoryImage& image) {
  const std::span bytes(reinterpret_cast<const char*>(image.data()), image.size());
  return files::WriteFileSafely(path, bytes) == files::FileOutcome::kDone;
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
      return CannotWriteImage(path);
    case sim::ImageFileStatus::kWrongSize:
      return ToolText(QT_TRANSLATE_NOOP("cli", "образ памяти '%1' не 512 байт"), {path});
    case sim::ImageFileStatus::kNotRegularFile:
      return ToolText(QT_TRANSLATE_NOOP("cli", "образ памяти '%1' не обычный файл"), {path});
    case sim::ImageFileStatus::kUnreadable:
      break;
  }
  return ToolText(QT_TRANSLATE_NOOP("cli", "не удалось прочитать образ памяти '%1'"), {path});
}

// The memory file of the simulator with that number (from 1), if any.
std::optional<std::string> MemoryFileOf(const SimulateOptions& options, int number) {
  if (!options.memory)
    return std::nullopt;
  if (!options.count)
    return options.memory;
  return *options.memory + "/" + std::to_string(number) + ".bin";
}

}  // namespace

int RunSimulate(const Invocation& invocation, Output& output) {
  const auto parsed = ParseSimulateOptions(invocation);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(output, *reason);
  const auto& options = std::get<SimulateOptions>(parsed);
  if (options.memory && options.count) {
    std::error_code error;
    std::filesystem::create_directories(*options.memory, error);
  }

  // Blocked before the serving threads start, so that they inherit the mask and the signals
  // reach the sigwait below.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  // Outlives the simulators, whose serving threads set it.
  std::atomic<bool> saveFailed = false;
  std::list<sim::Simulator> simulators;  // they stay where they are made
  for (int number = 1; number <= options.count.value_or(1); ++number) {
    try {
      simulators.emplace_back(options.model);
    } catch (const std::system_error& error) {
      output.Problem(std::string("cannot start the simulator: ") + error.what());
      return kExitSystemError;
    }
    sim::Simulator& simulator = simulators.back();
    if (const auto file = MemoryFileOf(options, number)) {
      if (const auto reason = PrepareMemoryFile(*file, simulator)) {
        output.Problem(*reason);
        return kExitFileError;
      }
      simulator.OnMemoryWritten([path = *file, &saveFailed, &output](const auto& image) {
        if (SaveImage(path, image))
          return;
        // From the serving thread: a line, nothing the run keeps.
        output.Note("zelto-cli: " + CannotWriteImage(path));
        saveFailed = true;
      });
    }
    if (options.pace)
      simulator.SetPacing(invocation.options.baud);
  }
  std::optional<rig::SimulatedBench> bench;
  if (options.bench) {
    try {
      bench.emplace(options.model, simulators.front(), options.unitError,
                    options.tcp ? sim::LineServer::Transport::kTcp
                                : sim::LineServer::Transport::kPseudoTerminal);
    } catch (const std::system_error& error) {
      output.Problem(std::string("cannot start the bench instruments: ") + error.what());
      return kExitSystemError;
    }
  }
  for (const sim::Simulator& simulator : simulators)
    output.Line(simulator.Path());
  if (bench) {
    output.Line(bench->Meter().Address());
    output.Line(bench->Calibrator().Address());
  }

  int signal = 0;
  sigwait(&stopSignals, &signal);
  return saveFailed ? kExitFileError : kExitSuccess;
}

}  // namespace zelto::cli
