// The tool's command line: the global options, then the command's own options, each argument
// one line of the input. Commands that would touch a device, a file or a terminal are only
// parsed; convert runs whole, since it needs nothing but its tables.
#include "cli/cli_options.h"
#include "cli/command_convert.h"
#include "cli/command_help.h"
#include "cli/console.h"
#include "cli/output.h"
#include "cli/window_entries.h"
#include "cli/write_options.h"
#include "config/record_validation.h"
#include "fuzz_check.h"
#include "link/device_model.h"
#include "link/link_state.h"
#include "link/link_timeouts.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
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

// The global options as the tool's user would type them again; a value in the option's own
// argument, so that one that starts with a dash stays a value.
std::vector<std::string> Retyped(const GlobalOptions& options, const std::string& command) {
  std::vector<std::string> arguments{"--model=" + std::to_string(options.model),
                                     "--baud=" + std::to_string(options.baud)};
  for (const std::string& path : options.portPaths)
    arguments.push_back("--port=" + path);
  for (const int number : options.comNumbers)
    arguments.push_back("--com=" + std::to_string(number));
  for (const auto& [on, name] : {std::pair{options.trace, "--trace"},
                                 {options.json, "--json"},
                                 {options.verify, "--verify"},
                                 {!options.backup, "--no-backup"}}) {
    if (on)
      arguments.emplace_back(name);
  }
  arguments.push_back(command);
  return arguments;
}

void CheckGlobalOptions(const Invocation& invocation) {
  const GlobalOptions& options = invocation.options;
  ZELTO_FUZZ_CHECK(options.model >= 0 && options.model <= 2);
  ZELTO_FUZZ_CHECK(SpeedIndexForBaud(options.baud).has_value());
  ZELTO_FUZZ_CHECK(std::isfinite(options.timeoutScale) && options.timeoutScale > 0);
  ZELTO_FUZZ_CHECK(std::all_of(options.comNumbers.begin(), options.comNumbers.end(),
                               [](int number) { return number >= 1 && number <= 255; }));
  ZELTO_FUZZ_CHECK(std::none_of(options.portPaths.begin(), options.portPaths.end(),
                                [](const std::string& path) { return path.empty(); }));
  // The session scales the read time-outs by it.
  const LinkTimeouts scaled = LinkTimeouts{}.Scaled(options.timeoutScale);
  ZELTO_FUZZ_CHECK(scaled.gapMs >= 0 && scaled.perByteMs >= 0 && scaled.constantMs >= 0);

  const ParseResult again = ParseCommandLine(Retyped(options, invocation.command));
  const auto* retyped = std::get_if<Invocation>(&again);
  ZELTO_FUZZ_CHECK(retyped != nullptr);
  ZELTO_FUZZ_CHECK(retyped->options.model == options.model);
  ZELTO_FUZZ_CHECK(retyped->options.baud == options.baud);
  ZELTO_FUZZ_CHECK(retyped->options.portPaths == options.portPaths);
  ZELTO_FUZZ_CHECK(retyped->options.comNumbers == options.comNumbers);
  ZELTO_FUZZ_CHECK(retyped->options.json == options.json);
  ZELTO_FUZZ_CHECK(retyped->options.verify == options.verify);
  ZELTO_FUZZ_CHECK(retyped->command == invocation.command);
}

// The command is one the help describes, and it was given only the options the help names.
void CheckCommandOptions(const Invocation& invocation) {
  const CommandHelp* help = FindCommandHelp(invocation.command);
  ZELTO_FUZZ_CHECK(help != nullptr);
  for (const auto& value : invocation.values) {
    const std::string& name = value.first;
    ZELTO_FUZZ_CHECK(std::any_of(help->options.begin(), help->options.end(),
                                 [&](const OptionHelp& option) { return option.name == name; }));
  }
  ZELTO_FUZZ_CHECK(invocation.operands.size() <= (help->operand.empty() ? 0u : 1u));
}

// What the window's own operations produce, the write's record checks accept.
void ParseCommand(const Invocation& invocation) {
  const int model = invocation.options.model;
  const std::string& command = invocation.command;
  config::SilentConfigView view;
  if (command == "write") {
    const auto options = ParseWriteOptions(invocation.values, model);
    if (const auto* write = std::get_if<WriteOptions>(&options)) {
      const auto record = RecordForWrite(*write, model, view);
      if (const auto* made = std::get_if<config::ConfigRecord>(&record))
        ZELTO_FUZZ_CHECK(config::CheckRecord(*made, model) == config::RecordFault::kNone);
    }
  } else if (command == "correct") {
    const auto options = ParseCorrectOptions(invocation.values, model);
    if (const auto* correct = std::get_if<CorrectOptions>(&options)) {
      const auto record = RecordForCorrection(*correct, model, view);
      if (const auto* made = std::get_if<config::ConfigRecord>(&record))
        ZELTO_FUZZ_CHECK(config::CheckRecord(*made, model) == config::RecordFault::kNone);
    }
  } else if (command == "convert") {
    // Its line and object go nowhere.
    std::FILE* nowhere = std::fopen("/dev/null", "w");
    if (nowhere != nullptr) {
      Console console(nowhere, nowhere);
      Output output(console, invocation.options.json);
      output.Finish(RunConvert(invocation, output));
      std::fclose(nowhere);
    }
  } else if (command == "monitor") {
    for (const auto& [name, value] : invocation.values)
      ParseInteger(value);
  } else if (command == "simulate") {
    if (const auto simulated = invocation.values.find("--model");
        simulated != invocation.values.end()) {
      if (const auto model = ModelFromText(simulated->second))
        ZELTO_FUZZ_CHECK(*model >= 0 && *model < kModelCount);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ParseResult parsed = ParseCommandLine(Lines(text));
  if (const auto* invocation = std::get_if<Invocation>(&parsed)) {
    CheckGlobalOptions(*invocation);
    CheckCommandOptions(*invocation);
    ParseCommand(*invocation);
  } else if (const auto* error = std::get_if<BadUsage>(&parsed)) {
    // One line, for the one line a usage error prints.
    ZELTO_FUZZ_CHECK(!error->reason.empty());
    ZELTO_FUZZ_CHECK(error->reason.find('\n') == std::string::npos);
  } else if (const auto* help = std::get_if<HelpRequest>(&parsed)) {
    ZELTO_FUZZ_CHECK(help->command.empty() || FindCommandHelp(help->command) != nullptr);
  }
  return 0;
}
