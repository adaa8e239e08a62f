#include "check/check_record.h"

#include <algorithm>

namespace zelto::check {

RecordedConfiguration RecordedOf(const CheckedConfiguration& configuration) {
  RecordedConfiguration recorded;
  recorded.sensor = configuration.sensor;
  recorded.rangeMin = configuration.rangeMin;
  recorded.rangeMax = configuration.rangeMax;
  // The table-loading units are checked on 4..20 mA only.
  recorded.outputRange = config::IsTableLoadingDevice(configuration.model)
                             ? config::kOutput4To20
                             : configuration.outputRange;
  recorded.linearEmf = configuration.linearEmf;
  recorded.coldJunction = configuration.coldJunction;
  return recorded;
}

bool EveryPointPassed(const std::vector<MeasuredPoint>& points) {
  return !points.empty() && std::all_of(points.begin(), points.end(), [](const auto& point) {
    return point.result == PointResult::kPass;
  });
}

std::string_view CheckResultKey(CheckResult result) {
  switch (result) {
    case CheckResult::kPass:
      return "pass";
    case CheckResult::kFail:
      return "fail";
    case CheckResult::kCancelled:
      return "cancelled";
  }
  return {};
}

std::string_view CheckStopKey(CheckStop stop) {
  switch (stop) {
    case CheckStop::kNone:
      break;
    case CheckStop::kUser:
      return "user";
    case CheckStop::kMeter:
      return "meter";
    case CheckStop::kCalibrator:
      return "calibrator";
    case CheckStop::kTransmitter:
      return "transmitter";
    case CheckStop::kBackup:
      return "backup";
  }
  return {};
}

}  // namespace zelto::check
