#pragma once

#include "cli/cli_options.h"
#include "cli/output.h"

namespace zelto::cli {

// convert --sensor CODE (--temperature T | --signal S): the sensor's own conversion tables,
// no device. Prints the converted value with four decimals and the decimal comma.
int RunConvert(const Invocation& invocation, Output& output);

}  // namespace zelto::cli
