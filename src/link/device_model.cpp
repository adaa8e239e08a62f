#include "link/device_model.h"

namespace zelto {

std::optional<int> ModelFromText(std::string_view text) {
  if (text == "dastra-2")
    return 1;
  if (text == "velmor-7")
    return kVelmorModel;
  if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + kModelCount)
    return text[0] - '0';
  return std::nullopt;
}

}  // namespace zelto
