#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelto::config {

// How many decimals a numeric field shows: "0" is 0, "0.#" is 1 and so on; general form for a
// field whose format is not known yet.
inline constexpr int kGeneralForm = -1;

// A number typed into a field of the window: blanks, an optional sign, digits with at most one
// decimal comma, an optional exponent (E or e and an optionally signed integer), blanks.
// Nothing for anything else, a decimal point and a thousands separator included, and nothing
// for a number beyond the float range.
std::optional<float> ParseFieldNumber(std::string_view text);

// The value rounded half away from zero to at most `decimals` decimals, trailing zeros dropped,
// with the decimal comma; up to 15 significant digits in general form.
std::string FormatFieldNumber(double value, int decimals);

}  // namespace zelto::config
