#pragma once

#include "instruments/current_meter.h"
#include "instruments/scpi_line.h"

#include <memory>

namespace zelto::instruments {

inline constexpr std::string_view kIdentifyQuery = "*IDN?";
inline constexpr std::string_view kDefaultMeterQuery = "MEAS:CURR:DC?";

// A meter that answers its query with the current in amperes.
class ScpiMeter final : public CurrentMeter {
 public:
  ScpiMeter(std::unique_ptr<ScpiLine> line, std::string query);

  const std::string& Name() const override { return line_->Name(); }
  bool IsManual() const override { return false; }
  Identity Identify() override;
  Reading ReadMilliamperes() override;

 private:
  std::unique_ptr<ScpiLine> line_;
  std::string query_;
};

// The answer to *IDN? as it can be shown and kept: blanks around it gone, control characters
// and broken UTF-8 in it made visible as '?', at most 200 characters.
std::string CleanIdentity(std::string_view answer);

}  // namespace zelto::instruments
