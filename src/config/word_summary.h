#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zelto::config {

// A configuration word by its address, when it is at hand.
using WordLookup = std::function<std::optional<std::uint32_t>(std::uint16_t address)>;

// The read command's summary lines, as far as the words at hand go: the firmware version line
// with its date, then what the state, switch and range words say when they are among them (a
// backup of a configuration write has them all, one of a calibration only the firmware words).
// `model` is the device position, which chooses the family and the name shown; none without
// the firmware words.
std::vector<std::string> SummaryOfWords(int model, const WordLookup& word);

}  // namespace zelto::config
