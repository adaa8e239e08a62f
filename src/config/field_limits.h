#pragma once

#include "config/config_record.h"

#include <optional>
#include <string>

namespace zelto::config {

// What a numeric field tells the user when the rules refuse a value and the field takes the kept
// one back: the values they take as the record stands, in the field's own format and with the
// decimal comma. "Допустимо: −50…199" for the low end of a −50…200 range (it must stay below the
// high end), "Допустимо: −50…200, T1 < T2" for a correction temperature, "Допустимо: |I − 4,000|
// < 0,32 мА" for a measured current. Nothing when the rules take the value, and for the
// quantities whose fields the user does not type into (the output current's ends) or that have
// no limits (the calculator). A status text, marked for translation.
std::optional<std::string> RefusalStatus(const ConfigRecord& record, int quantityCode, float value);

}  // namespace zelto::config
