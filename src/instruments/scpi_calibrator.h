#pragma once

#include "instruments/calibrator.h"
#include "instruments/command_template.h"
#include "instruments/scpi_line.h"

#include <memory>

namespace zelto::instruments {

// A calibrator set by one SCPI command a point, its template filled with the point's values.
class ScpiCalibrator final : public Calibrator {
 public:
  ScpiCalibrator(std::unique_ptr<ScpiLine> line, CommandTemplate command);

  const std::string& Name() const override { return line_->Name(); }
  bool IsManual() const override { return false; }
  Identity Identify() override;
  std::optional<InstrumentFailure> Apply(const SourceValues& values) override;

 private:
  std::unique_ptr<ScpiLine> line_;
  CommandTemplate command_;
};

}  // namespace zelto::instruments
