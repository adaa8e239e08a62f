#include "config/config_file.h"

#include "config/real_conversion.h"
#include "files/formatted_input.h"
#include "files/regular_file.h"

#include <sstream>

namespace zelto::config {
namespace {

// A record is read when both its label and its value are.
std::optional<int32_t> IntegerRecord(files::FormattedInput& input) {
  if (!input.SkipWord())
    return std::nullopt;
  return input.Integer();
}

std::optional<int32_t> RangeRecord(files::FormattedInput& input) {
  if (!input.SkipWord())
    return std::nullopt;
  const auto value = input.Real();
  if (!value)
    return std::nullopt;
  return TruncateToInt32(*value);
}

}  // namespace

ConfigFileOutcome ReadNameF(const std::string& path, ConfigRecord& record) {
  // One byte more than the largest file, to see a larger one.
  const auto bytes = files::ReadFileStart(path, kLargestConfigFile + 1);
  if (!bytes)
    return ConfigFileOutcome::kCannotOpen;
  if (bytes->size() > kLargestConfigFile)
    return ConfigFileOutcome::kBadFormat;

  std::istringstream file(std::string(bytes->begin(), bytes->end()));
  files::FormattedInput input(file);
  int read = 0;
  if (const auto device = IntegerRecord(input)) {
    record.Device = static_cast<uint8_t>(*device);
    ++read;
  }
  if (const auto sensor = IntegerRecord(input)) {
    record.Sensor = static_cast<uint8_t>(*sensor);
    ++read;
  }
  if (const auto low = RangeRecord(input)) {
    record.RngMin = *low;
    ++read;
  }
  if (const auto high = RangeRecord(input)) {
    record.RngMax = *high;
    ++read;
  }
  return read == 4 ? ConfigFileOutcome::kRead : ConfigFileOutcome::kBadFormat;
}

}  // namespace zelto::config
