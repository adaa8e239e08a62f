#pragma once

#include "cli/cli_options.h"

namespace zelto::cli {

// convert --sensor CODE (--temperature T | --signal S): the sensor's own conversion tables,
// no device. Prints the converted value with four decimals and the decimal comma.
int RunConvert(const Invocation& invocation);

}  // namespace zelto::cli
