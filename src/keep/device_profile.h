#pragma once

#include "keep/profile.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zelto::keep {

// Words read from the device's configuration memory, by address, the bytes in wire order.
using WordMap = std::map<uint16_t, std::array<uint8_t, 4>>;

// The words a configuration write sends that a profile decides, apart from the range correction
// and the conversion tables; in write order.
std::vector<uint16_t> ProfileWordAddresses(int model);

// A device's configuration in a profile's terms.
struct DeviceProfile {
  Profile profile;
  bool configured = false;  // the state word's flag; a device without it holds no configuration
  // Why a write of the profile would not give back the words the device holds, one line each;
  // empty when it would.
  std::vector<std::string> unexpressed;
  // The addresses among ProfileWordAddresses where it would write other words than the device's.
  std::vector<uint16_t> otherWords;
};

// Decodes the words of ProfileWordAddresses for the model (the identified one) as a read finds
// them. A range stored linear from EMF holds a signal in tenths, which several whole degrees
// give: the range is the one nearest the temperatures the summary shows that writes the same
// words. A word missing from `words` reads as zeros and is named among the unexpressed.
DeviceProfile DecodeDeviceProfile(int model, const WordMap& words);

// "0b010001": the word's four bytes in wire order, lower-case hex.
std::string WordHex(const std::array<uint8_t, 4>& bytes);

}  // namespace zelto::keep
