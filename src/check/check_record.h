#pragma once

#include "check/check_plan.h"
#include "check/checked_configuration.h"
#include "check/point_verdict.h"
#include "keep/backup.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelto::check {

// One point of a pass as it was measured.
struct MeasuredPoint {
  CheckPoint point;
  // mA: the settled mean, or the reading typed; none when the readings did not settle.
  std::optional<double> measured;
  double error = 0.0;  // % of span; 0 without a measured current
  PointResult result = PointResult::kPass;
  // What the meter gave while the point did not settle, for whoever reads the record.
  std::vector<double> readings;

  bool operator==(const MeasuredPoint&) const = default;
};

// A range correction: gain and offset as the unit holds them in its words.
struct CorrectionPair {
  float au = 1.0f;
  float bu = 0.0f;

  bool operator==(const CorrectionPair&) const = default;
};

struct Adjustment {
  CorrectionPair before;  // what the unit held
  CorrectionPair after;   // what was written
  std::string backup;     // the id of the write's backup; empty without one

  bool operator==(const Adjustment&) const = default;
};

enum class CheckResult { kPass, kFail, kCancelled };

// Why a check ended without a verdict.
enum class CheckStop {
  kNone,
  kUser,         // the user cancelled it (SIGINT, the window's Cancel, no reading given)
  kMeter,        // the current meter failed: silent, an answer that is no number, gone
  kCalibrator,   // the calibrator did not take its command
  kTransmitter,  // the transmitter did not answer, or its port went away, during the correction
  kBackup,       // the correction's backup could not be kept, so nothing was written
};

// The configuration a check held the unit to, as its record keeps it.
struct RecordedConfiguration {
  int sensor = 0;
  int32_t rangeMin = 0;  // °C, or the signal input's own quantity
  int32_t rangeMax = 100;
  int outputRange = 2;  // position: 0 0-5 mA, 1 0-20 mA, 2 4-20 mA
  bool linearEmf = false;
  bool coldJunction = false;

  bool operator==(const RecordedConfiguration&) const = default;
};

RecordedConfiguration RecordedOf(const CheckedConfiguration& configuration);

// Everything an output check of one unit found, what a report is drawn from. A plain value: the
// front ends fill in the header, the procedure (OutputCheck) the rest.
struct CheckRecord {
  std::string id;    // given when the record is kept; the file's name
  std::string time;  // the start, local, ISO 8601 with milliseconds and the UTC offset
  std::string tag;
  std::string engineer;
  std::vector<std::string> instruments;  // *IDN? answers and the user's own words
  int model = 1;                         // device position
  std::string port;                      // the transmitter's port, its device path
  std::string firmware;                  // "02.04.0017 14.03.2022"
  std::optional<keep::UnitIdentity> unit;
  RecordedConfiguration configuration;
  double tolerance = kDefaultTolerance;  // % of the output span
  std::vector<MeasuredPoint> asFound;
  std::optional<Adjustment> adjustment;
  std::optional<std::vector<MeasuredPoint>> asLeft;
  CheckResult result = CheckResult::kCancelled;
  CheckStop stopped = CheckStop::kNone;

  bool operator==(const CheckRecord&) const = default;
};

// Whether every point passed; false for no points.
bool EveryPointPassed(const std::vector<MeasuredPoint>& points);

// "pass", "fail", "cancelled": the record's key.
std::string_view CheckResultKey(CheckResult result);
// "user", "meter", "calibrator", "transmitter", "backup"; empty for kNone.
std::string_view CheckStopKey(CheckStop stop);

}  // namespace zelto::check
