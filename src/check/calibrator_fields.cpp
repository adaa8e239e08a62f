#include "check/calibrator_fields.h"

#include "check/point_measurement.h"

namespace zelto::check {

std::optional<std::string> MissingCalibratorField(const instruments::CommandTemplate& command,
                                                  const CheckPlan& plan, bool coldJunction) {
  for (const CheckPoint& point : plan.points) {
    if (auto field = command.MissingField(CalibratorValues(point, coldJunction)))
      return field;
  }
  return std::nullopt;
}

}  // namespace zelto::check
