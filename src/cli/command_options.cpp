#include "cli/command_options.h"

#include <algorithm>

namespace zelto::cli {

std::optional<std::string> ReadOptions(const std::vector<std::string>& arguments,
                                       std::span<const OptionSpec> specs, std::string_view command,
                                       OptionValues& values) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::optional<std::string> value;
    if (const auto equals = name.find('='); equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
    }
    const auto known = std::find_if(specs.begin(), specs.end(),
                                    [&](const OptionSpec& s) { return s.name == name; });
    if (known == specs.end())
      return "unknown option '" + name + "' for " + std::string(command);
    if (!known->takesValue && value)
      return "option " + name + " takes no value";
    if (known->takesValue && !value) {
      if (i + 1 == arguments.size())
        return "option " + name + " needs a value";
      value = arguments[++i];
    }
    if (!values.emplace(name, value.value_or("")).second)
      return "option " + name + " given twice";
  }
  return std::nullopt;
}

bool Has(const OptionValues& values, std::string_view name) {
  return values.find(name) != values.end();
}

}  // namespace zelto::cli
