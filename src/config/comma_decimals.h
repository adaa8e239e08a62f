#pragma once

#include <string>

namespace zelto::config {

// Gives a single point between two characters the decimal comma the users read; the "..." of
// range texts and a point that ends the text stay.
void CommaDecimals(std::string& text);

}  // namespace zelto::config
