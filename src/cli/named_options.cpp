#include "cli/named_options.h"

#include "cli/command_options.h"

namespace zelto::cli {

std::variant<NamedOptions, std::string> ParseNamedOptions(const std::vector<std::string>& arguments,
                                                          const std::set<std::string>& allowed,
                                                          const std::string& command) {
  std::vector<OptionSpec> specs;
  for (const std::string& name : allowed)
    specs.push_back({name, true});
  OptionValues values;
  if (auto reason = ReadOptions(arguments, specs, command, values))
    return *reason;
  for (const auto& [name, value] : values) {
    if (value.empty())
      return "option " + name + " needs a value";
  }
  return NamedOptions(values.begin(), values.end());
}

}  // namespace zelto::cli
