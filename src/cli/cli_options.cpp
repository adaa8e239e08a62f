#include "cli/cli_options.h"

#include "cli/command_help.h"
#include "link/status_translation.h"
#include "link/translatable.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <tuple>
#include <utility>

namespace zelto::cli {
namespace {

// from_chars never looks at the locale, so a point is a point for every user.
template <class Number>
std::optional<Number> ParseWhole(std::string_view text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end)
    return std::nullopt;
  return value;
}

constexpr std::array kBaudRates{2400, 4800, 9600, 19200};

// Beyond these the read time-outs stop meaning anything: a hundredth already leaves the
// 200 ms gap at 2 ms, and a hundredfold lets a silent device hold the tool for 25 minutes.
constexpr double kLeastTimeoutScale = 0.01;
constexpr double kGreatestTimeoutScale = 100.0;

std::optional<int> ParseModel(std::string_view text) {
  if (text == "dastra-2")
    return 1;
  if (text == "velmor-7")
    return 2;
  const auto position = ParseInteger(text);
  if (position && *position >= 0 && *position <= 2)
    return position;
  return std::nullopt;
}

// Every option takes its value as text, however often it comes: the checks are the tool's own,
// made after the parse, so that their reasons name the option and the value as the user typed
// them, and a help request after a bad value still gets its help.
CLI::Option* AddValueOption(CLI::App& app, std::string_view name) {
  return app.add_option(std::string(name))
      ->expected(0, 1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

CLI::Option* AddFlag(CLI::App& app, std::string_view name) {
  return app.add_flag(std::string(name))->disable_flag_override();
}

// The global options as the parse left them.
struct GlobalParse {
  CLI::Option* port;
  CLI::Option* com;
  CLI::Option* model;
  CLI::Option* baud;
  CLI::Option* timeoutScale;
  CLI::Option* trace;
  CLI::Option* noBackup;
  CLI::Option* json;
  CLI::Option* verify;
  CLI::Option* changedOnly;
  CLI::Option* lang;
};

GlobalParse AddGlobalOptions(CLI::App& app) {
  return {AddValueOption(app, "--port"),
          AddValueOption(app, "--com"),
          AddValueOption(app, "--model"),
          AddValueOption(app, "--baud"),
          AddValueOption(app, "--timeout-scale"),
          AddFlag(app, "--trace"),
          AddFlag(app, "--no-backup"),
          AddFlag(app, "--json"),
          AddFlag(app, "--verify"),
          AddFlag(app, "--changed-only"),
          AddValueOption(app, "--lang")};
}

// The values of an option given with one, in order; the reason when one is missing.
std::variant<std::vector<std::string>, std::string> ValuesOf(const CLI::Option& option) {
  const std::string name = option.get_name();
  std::vector<std::string> values;
  for (const std::string& value : option.results()) {
    if (value.empty())
      return ToolText(QT_TRANSLATE_NOOP("cli", "параметру %1 нужно значение"), {name});
    values.push_back(value);
  }
  return values;
}

// Takes one value of an option; false when the value is not one it takes.
using ValueReader = std::function<bool(const std::string& value)>;

// Each value of the option in turn; the reason for the first that is missing or refused, with
// the range of values allowed where the option has one.
std::optional<std::string> ReadEach(const CLI::Option& option, const ValueReader& read,
                                    const char* allowed = nullptr) {
  const auto values = ValuesOf(option);
  if (const auto* reason = std::get_if<std::string>(&values))
    return *reason;
  for (const std::string& value : std::get<std::vector<std::string>>(values)) {
    if (!read(value))
      return InvalidValue(option.get_name(), value, allowed);
  }
  return std::nullopt;
}

// The global options' values, checked; a value given more than once counts where it is last,
// except for the ports, which each count.
std::optional<std::string> ReadGlobalOptions(const GlobalParse& parsed, GlobalOptions& options) {
  const ValueReader port = [&](const std::string& path) {
    options.portPaths.push_back(path);
    return true;
  };
  const ValueReader com = [&](const std::string& text) {
    const auto number = ParseInteger(text);
    if (!number || *number < 1 || *number > 255)
      return false;
    options.comNumbers.push_back(*number);
    return true;
  };
  const ValueReader model = [&](const std::string& text) {
    const auto position = ParseModel(text);
    options.model = position.value_or(options.model);
    options.modelGiven = true;
    return position.has_value();
  };
  const ValueReader baud = [&](const std::string& text) {
    const auto rate = ParseInteger(text);
    if (!rate || std::find(kBaudRates.begin(), kBaudRates.end(), *rate) == kBaudRates.end())
      return false;
    options.baud = *rate;
    return true;
  };
  const ValueReader timeoutScale = [&](const std::string& text) {
    const auto scale = ParseReal(text);
    if (!scale || !(*scale >= kLeastTimeoutScale && *scale <= kGreatestTimeoutScale))
      return false;
    options.timeoutScale = *scale;
    return true;
  };
  const ValueReader lang = [&](const std::string& name) {
    options.language = LanguageNamed(name);
    return options.language.has_value();
  };
  for (const auto& [option, read, allowed] :
       {std::tuple<CLI::Option*, ValueReader, const char*>{parsed.port, port, nullptr},
        {parsed.lang, lang, QT_TRANSLATE_NOOP("cli", "ru или en")},
        {parsed.com, com, nullptr},
        {parsed.model, model, nullptr},
        {parsed.baud, baud, nullptr},
        {parsed.timeoutScale, timeoutScale, "0.01..100"}}) {
    if (auto reason = ReadEach(*option, read, allowed))
      return reason;
  }
  options.trace = parsed.trace->count() > 0;
  options.backup = parsed.noBackup->count() == 0;
  options.json = parsed.json->count() > 0;
  options.verify = parsed.verify->count() > 0;
  options.changedOnly = parsed.changedOnly->count() > 0;
  return std::nullopt;
}

// A subcommand of the command's options, and the word it takes after its name, as its help names
// them.
void AddCommand(CLI::App& app, const CommandHelp& help) {
  CLI::App* command = app.add_subcommand(std::string(help.name));
  command->allow_extras();
  for (const OptionHelp& option : help.options) {
    if (!option.name.starts_with("--"))
      continue;
    if (option.value.empty()) {
      AddFlag(*command, option.name);
    } else {
      AddValueOption(*command, option.name);
    }
  }
  if (!help.operand.empty())
    command->add_option(std::string(help.operand));
}

// A word before the command that is no option: a command the tool does not have.
std::optional<std::string> UnknownCommand(const CLI::App& app) {
  const auto left = app.remaining();
  if (left.empty() || (left.front().starts_with("-") && left.front() != "-"))
    return std::nullopt;
  return ToolText(QT_TRANSLATE_NOOP("cli", "неизвестная команда '%1'"), {left.front()});
}

// What the user typed that no option or command takes: the first of it, named.
std::optional<std::string> Leftover(const CLI::App& app, const std::string& command) {
  const auto left = app.remaining();
  if (left.empty())
    return std::nullopt;
  const std::string& first = left.front();
  if (first.starts_with("-") && first != "-") {
    const std::string option = first.substr(0, first.find('='));
    if (command.empty())
      return ToolText(QT_TRANSLATE_NOOP("cli", "неизвестный параметр '%1'"), {option});
    return ToolText(QT_TRANSLATE_NOOP("cli", "неизвестный параметр '%1' команды %2"),
                    {option, command});
  }
  if (command.empty())
    return UnknownCommand(app);
  return ToolText(QT_TRANSLATE_NOOP("cli", "лишний аргумент '%1' команды %2"), {first, command});
}

// The command's options into values; the reason when one is given twice or lacks its value.
std::optional<std::string> ReadCommandOptions(const CLI::App& command, Invocation& invocation) {
  for (const CLI::Option* option : command.get_options()) {
    if (option->count() == 0 || option == command.get_help_ptr())
      continue;
    const std::string name = option->get_name();
    if (option->get_positional()) {
      invocation.operands.push_back(option->as<std::string>());
      continue;
    }
    if (option->count() > 1)
      return ToolText(QT_TRANSLATE_NOOP("cli", "параметр %1 указан дважды"), {name});
    if (option->get_expected_max() == 0) {  // a flag
      invocation.values.emplace(name, "");
      continue;
    }
    const auto values = ValuesOf(*option);
    if (const auto* reason = std::get_if<std::string>(&values))
      return *reason;
    invocation.values.emplace(name, std::get<std::vector<std::string>>(values).front());
  }
  return std::nullopt;
}

// The command the parse chose, or nothing.
const CLI::App* ChosenCommand(const CLI::App& app) {
  const auto chosen = app.get_subcommands();
  return chosen.empty() ? nullptr : chosen.front();
}

}  // namespace

std::string InvalidValue(std::string_view option, std::string_view value, const char* allowed) {
  std::string reason = ToolText(QT_TRANSLATE_NOOP("cli", "недопустимое значение '%1' для %2"),
                                {std::string(value), std::string(option)});
  if (allowed != nullptr)
    reason += " (" + ToolText(allowed) + ")";
  return reason;
}

std::optional<int> ParseInteger(std::string_view text) {
  return ParseWhole<int>(text);
}

std::optional<double> ParseReal(std::string_view text) {
  return ParseWhole<double>(text);
}

bool Has(const OptionValues& values, std::string_view name) {
  return values.find(name) != values.end();
}

// The language --lang asks for, as far as the parse got: the last value it takes, if any.
std::optional<InterfaceLanguage> LanguageAsked(const CLI::Option& option) {
  std::optional<InterfaceLanguage> asked;
  for (const std::string& value : option.results()) {
    if (const auto language = LanguageNamed(value))
      asked = language;
  }
  return asked;
}

ParseResult ParseCommandLine(const std::vector<std::string>& arguments,
                             const LanguageChoice& speak) {
  CLI::App app("zelto-cli", "zelto-cli");
  app.set_help_flag("--help,-h");
  app.set_version_flag("--version", std::string());
  app.allow_extras();
  // One command; a command's word that matches another command's name is its own.
  app.require_subcommand(0, 1);
  const GlobalParse global = AddGlobalOptions(app);
  for (const CommandHelp& help : CommandHelps())
    AddCommand(app, help);

  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  const auto json = [&] { return global.json->count() > 0; };
  enum class Stop { kNone, kHelp, kError };
  Stop stop = Stop::kNone;
  std::string parseError;
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    stop = Stop::kHelp;
  } catch (const CLI::CallForVersion&) {
    return VersionRequest{};
  } catch (const CLI::ParseError& error) {
    stop = Stop::kError;
    parseError = error.what();
    std::replace(parseError.begin(), parseError.end(), '\n', ' ');  // a usage error is one line
  }
  // Every reason from here on is said in the language asked for.
  speak(LanguageAsked(*global.lang));
  if (stop == Stop::kHelp) {
    // A word that names no command is a mistake whatever follows it.
    if (auto reason = UnknownCommand(app))
      return BadUsage{std::move(*reason), json()};
    const CLI::App* command = ChosenCommand(app);
    return HelpRequest{command ? command->get_name() : std::string()};
  }
  if (stop == Stop::kError) {
    return BadUsage{
        ToolText(QT_TRANSLATE_NOOP("cli", "командная строка не разобрана: %1"), {parseError}),
        json()};
  }

  if (const auto reason = Leftover(app, ""))
    return BadUsage{*reason, json()};
  const CLI::App* command = ChosenCommand(app);
  Invocation invocation;
  if (auto reason = ReadGlobalOptions(global, invocation.options))
    return BadUsage{std::move(*reason), json()};
  if (command == nullptr)
    return BadUsage{ToolText(QT_TRANSLATE_NOOP("cli", "команда не указана (см. --help)")), json()};
  invocation.command = command->get_name();
  if (auto reason = Leftover(*command, invocation.command))
    return BadUsage{std::move(*reason), json()};
  if (auto reason = ReadCommandOptions(*command, invocation))
    return BadUsage{std::move(*reason), json()};
  return invocation;
}

}  // namespace zelto::cli
