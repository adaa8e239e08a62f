#pragma once

#include <string>
#include <vector>

namespace zelto::config {

// The service self-test of the conversion tables: four runs (platinum forward and back,
// type K forward and back), each an arguments line, a results line and an empty line, for the
// memo. Known figures let a service engineer see at once that the tables are intact.
std::vector<std::string> ConversionSelfTestLines();

}  // namespace zelto::config
