#pragma once

#include "instruments/current_meter.h"
#include "instruments/scpi_line.h"

#include <memory>

namespace zelto::instruments {

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

}  // namespace zelto::instruments
