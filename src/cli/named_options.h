#pragma once

#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace zelto::cli {

// Options that each take one value ("--save FILE" or "--save=FILE"), by name.
using NamedOptions = std::map<std::string, std::string>;

// The options among `allowed`; the reason when an argument is unknown, lacks its value or comes
// twice.
std::variant<NamedOptions, std::string> ParseNamedOptions(const std::vector<std::string>& arguments,
                                                          const std::set<std::string>& allowed,
                                                          const std::string& command);

}  // namespace zelto::cli
