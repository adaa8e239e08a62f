#pragma once

#include "config/device_outcome.h"
#include "keep/device_profile.h"
#include "link/link.h"
#include "link/reporter.h"

#include <cstdint>
#include <span>

namespace zelto::keep {

// Reads the configuration words at the addresses, in order, into `words`, the progress bar
// following. Stops at the first word without a reply with "Прибор не отвечает"; the words read
// until then stay.
config::DeviceOutcome ReadDeviceWords(Link& link, Reporter& reporter,
                                      std::span<const uint16_t> addresses, WordMap& words);

}  // namespace zelto::keep
