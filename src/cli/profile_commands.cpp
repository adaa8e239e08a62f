#include "cli/profile_commands.h"

#include "cli/command_options.h"
#include "cli/console_reporter.h"
#include "cli/device_commands.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/port_commands.h"
#include "cli/qt_core.h"
#include "cli/trace_config_view.h"
#include "config/device_words.h"
#include "config/profile_diff.h"
#include "config/profile_file.h"
#include "config/profile_texts.h"
#include "config/read_summary.h"
#include "config/write_sequences.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <variant>

namespace zelto::cli {
namespace {

constexpr std::array kProfileOptions{OptionSpec{"--profile", true}};
constexpr std::array kReadOptions{OptionSpec{"--save-profile", true}};

int ProfileFailure(const std::string& path, const std::string& reason, int exitCode) {
  std::fprintf(stderr, "zelto-cli: profile '%s': %s\n", path.c_str(), reason.c_str());
  return exitCode;
}

int Refused(const std::string& path, const std::vector<config::ProfileRefusal>& refused) {
  for (const config::ProfileRefusal& refusal : refused)
    ProfileFailure(path, refusal.reason, kExitUsage);
  return kExitUsage;
}

// A profile made ready to go to the device: the settings it gives, and the options with its
// model, which the device is identified as.
struct ProfileRun {
  GlobalOptions options;
  config::WriteSettings settings;
};

// The profile of --profile through the window's validated assignments; the exit code when it
// gives nothing to write. Nothing reaches the device before this has succeeded.
std::variant<ProfileRun, int> PrepareProfile(const Invocation& invocation,
                                             config::ConfigView& view) {
  OptionValues values;
  if (auto reason =
          ReadOptions(invocation.arguments, kProfileOptions, invocation.command, values)) {
    if (invocation.command == "write")
      return UsageError(*reason + "; with --profile FILE, write takes no other option");
    return UsageError(*reason);
  }
  const auto file = values.find("--profile");
  if (file == values.end())
    return UsageError(invocation.command + " needs --profile FILE");
  if (const auto reason = MissingDevice(invocation.options))
    return UsageError(*reason);

  const std::string& path = file->second;
  const auto loaded = config::LoadProfile(path);
  if (const auto* error = std::get_if<config::ProfileFileError>(&loaded))
    return ProfileFailure(path, error->reason, kExitFileError);
  const auto& text = std::get<config::ProfileText>(loaded);
  if (!text.refused.empty())
    return Refused(path, text.refused);
  const int model = text.profile.model;
  if (invocation.options.modelGiven && invocation.options.model != model) {
    return ProfileFailure(path,
                          "the profile is for model " + config::ModelText(model) +
                              ", --model names " + config::ModelText(invocation.options.model),
                          kExitUsage);
  }
  auto applied = config::SettingsOfProfile(text.profile, view);
  if (!applied.refused.empty())
    return Refused(path, applied.refused);
  ProfileRun run{invocation.options, applied.settings};
  run.options.model = model;
  return run;
}

// Why what the device holds cannot be kept as a profile file; nothing when it can.
std::vector<std::string> UnsavableReasons(const config::DeviceProfile& decoded) {
  std::vector<std::string> reasons = decoded.unexpressed;
  const config::Profile& profile = decoded.profile;
  for (const config::ProfileKey key : config::KeysAFileCannotHold(profile)) {
    reasons.push_back(std::string(config::KeyName(key)) + " is " +
                      config::ToolValueText(key, profile) +
                      ", which a profile of this model and sensor cannot hold");
  }
  return reasons;
}

}  // namespace

bool NamesProfile(const Invocation& invocation) {
  return std::any_of(invocation.arguments.begin(), invocation.arguments.end(),
                     [](const std::string& argument) {
                       return argument == "--profile" || argument.starts_with("--profile=");
                     });
}

int RunWriteProfile(const Invocation& invocation) {
  TraceConfigView view(invocation.options);
  auto prepared = PrepareProfile(invocation, view);
  if (const int* exitCode = std::get_if<int>(&prepared))
    return *exitCode;
  auto& run = std::get<ProfileRun>(prepared);

  const QtCore qt;
  ConsoleReporter reporter;
  DeviceSession session(run.options, reporter);
  if (const int connected = session.Connect(); connected != kExitSuccess)
    return connected;
  return GuardedWrite(session, reporter, [&](Link& link, config::WriteGuard& backup) {
    return config::WriteConfiguration(link, reporter, run.settings.record, run.options.model,
                                      run.settings.lineFunc, run.settings.switches, backup);
  });
}

int RunReadSavingProfile(const Invocation& invocation) {
  OptionValues values;
  if (auto reason = ReadOptions(invocation.arguments, kReadOptions, "read", values))
    return UsageError(*reason);
  if (const auto reason = MissingDevice(invocation.options))
    return UsageError(*reason);
  const std::string& path = values.at("--save-profile");
  const int model = invocation.options.model;

  const QtCore qt;
  ConsoleReporter reporter;
  DeviceSession session(invocation.options, reporter);
  if (const int connected = session.Connect(); connected != kExitSuccess)
    return connected;
  config::ConfigRecord record;
  record.Device = static_cast<uint8_t>(model);
  if (const auto read = config::ReadSummary(session.GetLink(), reporter, record, model);
      read != config::DeviceOutcome::kDone) {
    return session.ExitCode(ExitCodeFor(read));
  }
  reporter.FinishLine();

  config::WordMap words;
  const auto addresses = config::ProfileWordAddresses(model);
  if (const auto read = config::ReadDeviceWords(session.GetLink(), reporter, addresses, words);
      read != config::DeviceOutcome::kDone) {
    return session.ExitCode(ExitCodeFor(read));
  }
  const config::DeviceProfile decoded = config::DecodeDeviceProfile(model, words);
  if (const auto reasons = UnsavableReasons(decoded); !reasons.empty()) {
    for (const std::string& reason : reasons)
      ProfileFailure(path, "not saved: " + reason, kExitFileError);
    return kExitFileError;
  }
  if (const auto saved = config::SaveProfile(path, decoded.profile);
      saved != calib::FileOutcome::kDone) {
    reporter.ShowStatus(calib::FileFailureStatus(saved));
    return kExitFileError;
  }
  reporter.ShowStatus(calib::kStatusFileWritten);
  return kExitSuccess;
}

int RunDiff(const Invocation& invocation) {
  TraceConfigView view(invocation.options);
  auto prepared = PrepareProfile(invocation, view);
  if (const int* exitCode = std::get_if<int>(&prepared))
    return *exitCode;
  auto& run = std::get<ProfileRun>(prepared);
  // The settings passed the rules that every write checks again, so the words are there.
  const auto written = config::ConfigurationWriteWords(run.settings);
  if (!written)
    return UsageError("the profile's configuration cannot be written");

  const QtCore qt;
  ConsoleReporter reporter;
  DeviceSession session(run.options, reporter);
  if (const int connected = session.Connect(); connected != kExitSuccess)
    return connected;
  config::WordMap device;
  if (const auto read = config::ReadDeviceWords(session.GetLink(), reporter,
                                                config::AddressesOf(*written), device);
      read != config::DeviceOutcome::kDone) {
    return session.ExitCode(ExitCodeFor(read));
  }
  reporter.ShowStatus(config::kStatusReadDone);

  const auto comparison = config::CompareWithDevice(device, run.settings);
  for (const config::FieldDifference& difference : comparison->differences)
    reporter.AddMemoLine(config::ToolLine(difference));
  if (comparison->tables == config::TableComparison::kDifferent)
    reporter.AddMemoLine(config::TablesToolLine());
  return comparison->Differs() ? kExitDifferent : kExitSuccess;
}

}  // namespace zelto::cli
