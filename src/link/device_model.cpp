#include "link/device_model.h"

namespace zelto {

std::optional<int> ModelFromText(std::string_view text) {
  for (int model = 0; model < kModelCount; ++model) {
    if (!kModelNames[model].empty() && text == kModelNames[model])
      return model;
  }
  if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + kModelCount)
    return text[0] - '0';
  return std::nullopt;
}

}  // namespace zelto
