#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelto::cli {

// An option a command takes after its name: "--name value", "--name=value", or a flag.
struct OptionSpec {
  std::string_view name;
  bool takesValue;
};

// The options given, by name; a flag's value is empty.
using OptionValues = std::map<std::string, std::string, std::less<>>;

// Reads the arguments into values; a one-line reason for an unknown option, a missing value or
// an option given twice.
std::optional<std::string> ReadOptions(const std::vector<std::string>& arguments,
                                       std::span<const OptionSpec> specs, std::string_view command,
                                       OptionValues& values);

bool Has(const OptionValues& values, std::string_view name);

}  // namespace zelto::cli
