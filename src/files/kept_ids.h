#pragma once

#include <string>
#include <string_view>

namespace zelto::files {

// The ids of the files the program keeps one per event (a backup, an output check), which are
// also their names: "20261207-141502-123-ttyUSB0-1", the local time to the millisecond, the
// port's last path component and a counter that makes the id unique.

// The id without its counter, from the time as the file writes it (ISO 8601 with milliseconds
// and the UTC offset) and the port's device path; letters an id may not hold become '_'.
std::string KeptIdStem(const std::string& isoTime, const std::string& port);

// Whether an id is one the program could have given: letters, digits, '-', '_' and '.', not
// starting with a '.'; so that an id given by hand can only ever name a file of its folder.
bool IsKeptId(std::string_view id);

}  // namespace zelto::files
