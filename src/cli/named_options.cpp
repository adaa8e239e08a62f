#include "cli/named_options.h"

#include <optional>

namespace zelto::cli {

std::variant<NamedOptions, std::string> ParseNamedOptions(const std::vector<std::string>& arguments,
                                                          const std::set<std::string>& allowed,
                                                          const std::string& command) {
  NamedOptions values;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::optional<std::string> value;
    if (const auto equals = name.find('='); equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
    }
    if (!allowed.contains(name))
      return "unexpected argument '" + arguments[i] + "' for " + command;
    if (!value) {
      if (i + 1 == arguments.size())
        return "option " + name + " needs a value";
      value = arguments[++i];
    }
    if (value->empty())
      return "option " + name + " needs a value";
    if (!values.emplace(name, *value).second)
      return "option " + name + " given twice";
  }
  return values;
}

}  // namespace zelto::cli
