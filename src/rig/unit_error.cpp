#include "rig/unit_error.h"

#include "text/plain_number.h"

namespace zelto::rig {

std::optional<UnitError> ParseUnitError(std::string_view text) {
  const auto comma = text.find(',');
  if (comma == std::string_view::npos)
    return std::nullopt;
  const auto gain = text::FiniteNumber(text.substr(0, comma));
  const auto offset = text::FiniteNumber(text.substr(comma + 1));
  if (!gain || !offset || !(*gain > 0.0))
    return std::nullopt;
  return UnitError{*gain, *offset};
}

}  // namespace zelto::rig
