#include "config/comma_decimals.h"

namespace zelto::config {

void CommaDecimals(std::string& text) {
  int points = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '.') {
      ++points;
      continue;
    }
    if (points == 1)
      text[i - 1] = ',';
    points = 0;
  }
}

}  // namespace zelto::config
