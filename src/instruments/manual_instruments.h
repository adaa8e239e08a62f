#pragma once

#include "instruments/calibrator.h"
#include "instruments/current_meter.h"

#include <functional>
#include <optional>

namespace zelto::instruments {

inline constexpr std::string_view kManualName = "manual";

// A current the user gives (typed at a prompt, taken from a list); nothing when none comes.
using ManualEntry = std::function<std::optional<double>()>;

// A meter the user reads: each reading is what the entry gives.
class ManualMeter final : public CurrentMeter {
 public:
  explicit ManualMeter(ManualEntry entry) : entry_(std::move(entry)) {}

  const std::string& Name() const override { return name_; }
  bool IsManual() const override { return true; }
  Identity Identify() override { return std::string(); }
  Reading ReadMilliamperes() override;

 private:
  ManualEntry entry_;
  std::string name_{kManualName};
};

// A calibrator the user sets by hand when the check asks for the point's signal.
class ManualCalibrator final : public Calibrator {
 public:
  const std::string& Name() const override { return name_; }
  bool IsManual() const override { return true; }
  Identity Identify() override { return std::string(); }
  std::optional<InstrumentFailure> Apply(const SourceValues&) override { return std::nullopt; }

 private:
  std::string name_{kManualName};
};

}  // namespace zelto::instruments
