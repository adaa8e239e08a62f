#include "rig/unit_error.h"

#include <charconv>
#include <cmath>

namespace zelto::rig {
namespace {

std::optional<double> Number(std::string_view text) {
  if (text.starts_with('+'))
    text.remove_prefix(1);
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
    return std::nullopt;
  return value;
}

}  // namespace

std::optional<UnitError> ParseUnitError(std::string_view text) {
  const auto comma = text.find(',');
  if (comma == std::string_view::npos)
    return std::nullopt;
  const auto gain = Number(text.substr(0, comma));
  const auto offset = Number(text.substr(comma + 1));
  if (!gain || !offset || !(*gain > 0.0))
    return std::nullopt;
  return UnitError{*gain, *offset};
}

}  // namespace zelto::rig
