#pragma once

#include "cli/write_options.h"
#include "config/config_record.h"
#include "config/config_view.h"

#include <string>
#include <variant>

namespace zelto::cli {

// The record the window would hold after the same choices and entries, made through its own
// validated operations; the reason when the window would refuse one of the values.
std::variant<config::ConfigRecord, std::string> RecordForWrite(const WriteOptions& options,
                                                               int model, config::ConfigView& view);
std::variant<config::ConfigRecord, std::string> RecordForCorrection(const CorrectOptions& options,
                                                                    int model,
                                                                    config::ConfigView& view);

}  // namespace zelto::cli
