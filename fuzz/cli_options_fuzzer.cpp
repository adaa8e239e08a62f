// The tool's command line: the global options, then the command's own options, each argument
// one line of the input. Commands that would touch a device, a file or a terminal are only
// parsed; convert runs whole, since it needs nothing but its tables.
#include "cli/cli_options.h"
#include "cli/command_convert.h"
#include "cli/named_options.h"
#include "cli/window_entries.h"
#include "cli/write_options.h"
#include "config/record_validation.h"
#include "fuzz_check.h"
#include "link/device_model.h"
#include "link/link_state.h"
#include "link/link_timeouts.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace zelto;
using namespace zelto::cli;

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// The global options as the tool's user would type them again.
std::vector<std::string> Retyped(const GlobalOptions& options, const std::string& command) {
  std::vector<std::string> arguments{"--model", std::to_string(options.model), "--baud",
                                     std::to_string(options.baud)};
  if (options.portPath)
    arguments.insert(arguments.end(), {"--port", *options.portPath});
  if (options.comNumber)
    arguments.insert(arguments.end(), {"--com", std::to_string(*options.comNumber)});
  if (options.trace)
    arguments.emplace_back("--trace");
  arguments.push_back(command);
  return arguments;
}

void CheckGlobalOptions(const Invocation& invocation) {
  const GlobalOptions& options = invocation.options;
  ZELTO_FUZZ_CHECK(options.model >= 0 && options.model <= 2);
  ZELTO_FUZZ_CHECK(SpeedIndexForBaud(options.baud).has_value());
  ZELTO_FUZZ_CHECK(std::isfinite(options.timeoutScale) && options.timeoutScale > 0);
  ZELTO_FUZZ_CHECK(!options.comNumber || (*options.comNumber >= 1 && *options.comNumber <= 255));
  ZELTO_FUZZ_CHECK(!invocation.command.starts_with("-"));
  // The session scales the read time-outs by it.
  const LinkTimeouts scaled = LinkTimeouts{}.Scaled(options.timeoutScale);
  ZELTO_FUZZ_CHECK(scaled.gapMs >= 0 && scaled.perByteMs >= 0 && scaled.constantMs >= 0);

  const ParseResult again = ParseCommandLine(Retyped(options, invocation.command));
  const auto* retyped = std::get_if<Invocation>(&again);
  ZELTO_FUZZ_CHECK(retyped != nullptr);
  ZELTO_FUZZ_CHECK(retyped->options.model == options.model);
  ZELTO_FUZZ_CHECK(retyped->options.baud == options.baud);
  ZELTO_FUZZ_CHECK(retyped->options.portPath == options.portPath);
  ZELTO_FUZZ_CHECK(retyped->options.comNumber == options.comNumber);
  ZELTO_FUZZ_CHECK(retyped->command == invocation.command);
}

// What the window's own operations produce, the write's record checks accept.
void ParseCommand(const Invocation& invocation) {
  const int model = invocation.options.model;
  const std::string& command = invocation.command;
  config::SilentConfigView view;
  if (command == "write") {
    const auto options = ParseWriteOptions(invocation.arguments, model);
    if (const auto* write = std::get_if<WriteOptions>(&options)) {
      const auto record = RecordForWrite(*write, model, view);
      if (const auto* made = std::get_if<config::ConfigRecord>(&record))
        ZELTO_FUZZ_CHECK(config::CheckRecord(*made, model) == config::RecordFault::kNone);
    }
  } else if (command == "correct") {
    const auto options = ParseCorrectOptions(invocation.arguments, model);
    if (const auto* correct = std::get_if<CorrectOptions>(&options)) {
      const auto record = RecordForCorrection(*correct, model, view);
      if (const auto* made = std::get_if<config::ConfigRecord>(&record))
        ZELTO_FUZZ_CHECK(config::CheckRecord(*made, model) == config::RecordFault::kNone);
    }
  } else if (command == "convert") {
    RunConvert(invocation);
  } else if (command == "memory") {
    ParseNamedOptions(invocation.arguments, {"--save"}, command);
  } else if (command == "monitor") {
    const auto options =
        ParseNamedOptions(invocation.arguments, {"--count", "--interval"}, command);
    if (const auto* named = std::get_if<NamedOptions>(&options)) {
      for (const auto& [name, value] : *named)
        ParseInteger(value);
    }
  } else if (command == "calib" && !invocation.arguments.empty()) {
    const std::vector<std::string> rest(invocation.arguments.begin() + 1,
                                        invocation.arguments.end());
    ParseNamedOptions(rest, {"--load", "--save"}, command);
  } else if (command == "simulate") {
    for (const std::string& argument : invocation.arguments) {
      if (const auto simulated = ModelFromText(argument))
        ZELTO_FUZZ_CHECK(*simulated >= 0 && *simulated < kModelCount);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ParseResult parsed = ParseCommandLine(Lines(text));
  if (const auto* invocation = std::get_if<Invocation>(&parsed)) {
    CheckGlobalOptions(*invocation);
    ParseCommand(*invocation);
  } else if (const auto* error = std::get_if<UsageError>(&parsed)) {
    ZELTO_FUZZ_CHECK(!error->reason.empty());
  }
  return 0;
}
