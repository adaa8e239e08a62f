#include "cli/profile_commands.h"

#include "cli/console_reporter.h"
#include "cli/device_commands.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/json_results.h"
#include "cli/port_runs.h"
#include "cli/trace_config_view.h"
#include "config/read_summary.h"
#include "config/write_sequences.h"
#include "keep/device_words.h"
#include "keep/profile_diff.h"
#include "keep/profile_file.h"
#include "keep/profile_texts.h"
#include "link/status_translation.h"
#include "link/translatable.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <variant>

namespace zelto::cli {
namespace {

int ProfileFailure(Output& output, const std::string& path, const std::string& reason,
                   int exitCode) {
  output.Problem(ToolText(QT_TRANSLATE_NOOP("cli", "профиль '%1': %2"), {path, reason}));
  return exitCode;
}

int Refused(Output& output, const std::string& path,
            const std::vector<keep::ProfileRefusal>& refused) {
  for (const keep::ProfileRefusal& refusal : refused)
    ProfileFailure(output, path, refusal.reason, kExitUsage);
  return kExitUsage;
}

// A profile ready to go to devices: the options with its model, which each device is identified
// as, and the profile, whose settings every rule has accepted once.
struct ProfileRun {
  GlobalOptions options;
  keep::Profile profile;
};

// The settings of the profile through the window's validated assignments, which show the
// configuration dump of the port's trace.
config::WriteSettings SettingsFor(const ProfileRun& prepared, config::ConfigView& view) {
  return keep::SettingsOfProfile(prepared.profile, view).settings;
}

// The profile of --profile through the window's validated assignments; the exit code when it
// gives nothing to write. Nothing reaches a device before this has succeeded.
std::variant<ProfileRun, int> PrepareProfile(const Invocation& invocation, Output& output) {
  if (invocation.command == "write" && invocation.values.size() > 1) {
    const auto other = std::find_if(invocation.values.begin(), invocation.values.end(),
                                    [](const auto& value) { return value.first != "--profile"; });
    return UsageError(
        output,
        ToolText(QT_TRANSLATE_NOOP("cli",
                                   "с --profile ФАЙЛ команда write не берёт других параметров, а "
                                   "здесь есть %1"),
                 {other->first}));
  }
  const auto file = invocation.values.find("--profile");
  if (file == invocation.values.end())
    return UsageError(output, ToolText(QT_TRANSLATE_NOOP("cli", "%1 нужен --profile ФАЙЛ"),
                                       {invocation.command}));
  if (const auto reason = MissingDevice(invocation.options))
    return UsageError(output, *reason);

  const std::string& path = file->second;
  const auto loaded = keep::LoadProfile(path);
  if (const auto* error = std::get_if<keep::ProfileFileError>(&loaded))
    return ProfileFailure(output, path, error->reason, kExitFileError);
  const auto& text = std::get<keep::ProfileText>(loaded);
  if (!text.refused.empty())
    return Refused(output, path, text.refused);
  const int model = text.profile.model;
  if (invocation.options.modelGiven && invocation.options.model != model) {
    return ProfileFailure(
        output, path,
        ToolText(QT_TRANSLATE_NOOP("cli",
                                   "профиль для модели %1, а --model "
                                   "называет %2"),
                 {keep::ModelText(model), keep::ModelText(invocation.options.model)}),
        kExitUsage);
  }
  config::SilentConfigView silent;
  const auto applied = keep::SettingsOfProfile(text.profile, silent);
  if (!applied.refused.empty())
    return Refused(output, path, applied.refused);
  ProfileRun run{invocation.options, text.profile};
  run.options.model = model;
  return run;
}

// Why what the device holds cannot be kept as a profile file; nothing when it can.
std::vector<std::string> UnsavableReasons(const keep::DeviceProfile& decoded) {
  std::vector<std::string> reasons = decoded.unexpressed;
  const keep::Profile& profile = decoded.profile;
  for (const keep::ProfileKey key : keep::KeysAFileCannotHold(profile)) {
    reasons.push_back(
        ToolText(QT_TRANSLATE_NOOP("cli",
                                   "%1 = %2: профиль этой модели и этого "
                                   "датчика такого не содержит"),
                 {std::string(keep::KeyName(key)), keep::ToolValueText(key, profile)}));
  }
  return reasons;
}

// After the summary: what the device holds, saved as a profile; with --json, also the read's
// object from the same words.
int SaveDeviceProfile(const PortRun& run, Link& link, ConsoleReporter& reporter,
                      const std::string& path, int model) {
  keep::WordMap words;
  const auto addresses =
      run.output.Json() ? ConfigurationAddresses(model) : keep::ProfileWordAddresses(model);
  if (const auto read = keep::ReadDeviceWords(link, reporter, addresses, words);
      read != config::DeviceOutcome::kDone) {
    return ExitCodeFor(read);
  }
  QJsonObject& result = run.output.Result();
  AddFirmware(result, model, words);
  AddConfiguration(result, model, words);
  result.insert("lines", LinesArray(reporter.KeptLines()));

  const keep::DeviceProfile decoded = keep::DecodeDeviceProfile(model, words);
  if (const auto reasons = UnsavableReasons(decoded); !reasons.empty()) {
    for (const std::string& reason : reasons)
      ProfileFailure(run.output, path,
                     ToolText(QT_TRANSLATE_NOOP("cli", "не сохранён: %1"), {reason}),
                     kExitFileError);
    return kExitFileError;
  }
  if (const auto saved = keep::SaveProfile(path, decoded.profile);
      saved != files::FileOutcome::kDone) {
    reporter.ShowStatus(files::FileFailureStatus(saved));
    return kExitFileError;
  }
  reporter.ShowStatus(files::kStatusFileWritten);
  result.insert("saved", JsonText(path));
  return kExitSuccess;
}

}  // namespace

int RunWriteProfile(const Invocation& invocation, Output& output) {
  auto prepared = PrepareProfile(invocation, output);
  if (const int* exitCode = std::get_if<int>(&prepared))
    return *exitCode;
  const auto& profile = std::get<ProfileRun>(prepared);

  return RunOnPorts(profile.options, output, [&](const PortRun& run) -> int {
    TraceConfigView view(run.options, run.output);
    config::WriteSettings settings = SettingsFor(profile, view);
    ConsoleReporter reporter(run.output);
    return WithDevice(run, reporter, [&](DeviceSession& session) -> int {
      return GuardedWrite(run, session, reporter, [&](Link& link, config::WriteGuard& guard) {
        return config::WriteConfiguration(link, reporter, settings.record, run.options.model,
                                          settings.lineFunc, settings.switches, guard);
      });
    });
  });
}

int RunReadSavingProfile(const Invocation& invocation, Output& output) {
  const std::string& path = invocation.values.at("--save-profile");
  const int model = invocation.options.model;
  return RunOnPorts(invocation.options, output, [&](const PortRun& run) -> int {
    ConsoleReporter reporter(run.output);
    if (run.output.Json())
      reporter.KeepLines();
    return WithDevice(run, reporter, [&](DeviceSession& session) -> int {
      config::ConfigRecord record;
      record.Device = static_cast<uint8_t>(model);
      if (const auto read = config::ReadSummary(session.GetLink(), reporter, record, model);
          read != config::DeviceOutcome::kDone) {
        return ExitCodeFor(read);
      }
      reporter.FinishLine();
      return SaveDeviceProfile(run, session.GetLink(), reporter, run.FileFor(path), model);
    });
  });
}

int RunDiff(const Invocation& invocation, Output& output) {
  auto prepared = PrepareProfile(invocation, output);
  if (const int* exitCode = std::get_if<int>(&prepared))
    return *exitCode;
  const auto& profile = std::get<ProfileRun>(prepared);

  return RunOnPorts(profile.options, output, [&](const PortRun& run) -> int {
    TraceConfigView view(run.options, run.output);
    const config::WriteSettings settings = SettingsFor(profile, view);
    // The settings passed the rules that every write checks again, so the words are there.
    const auto written = config::ConfigurationWriteWords(settings);
    if (!written)
      return UsageError(run.output,
                        ToolText(QT_TRANSLATE_NOOP("cli", "конфигурацию профиля нельзя записать")));
    ConsoleReporter reporter(run.output);
    return WithDevice(run, reporter, [&](DeviceSession& session) -> int {
      keep::WordMap device;
      if (const auto read = keep::ReadDeviceWords(session.GetLink(), reporter,
                                                  config::AddressesOf(*written), device);
          read != config::DeviceOutcome::kDone) {
        return ExitCodeFor(read);
      }
      reporter.ShowStatus(config::kStatusReadDone);

      const auto comparison = keep::CompareWithDevice(device, settings);
      for (const keep::FieldDifference& difference : comparison->differences) {
        reporter.AddMemoLine(keep::ToolLine(difference));
        if (run.output.Json()) {
          run.output.Emit({{"field", JsonText(difference.field)},
                           {"device", JsonText(difference.device)},
                           {"profile", JsonText(difference.profile)}});
        }
      }
      if (comparison->tables == keep::TableComparison::kDifferent) {
        reporter.AddMemoLine(keep::TablesToolLine());
        if (run.output.Json())
          run.output.Emit({{"field", "tables"}});
      }
      return comparison->Differs() ? kExitDifferent : kExitSuccess;
    });
  });
}

}  // namespace zelto::cli
