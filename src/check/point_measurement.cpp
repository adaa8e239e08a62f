#include "check/point_measurement.h"

#include "check/source_values.h"

namespace zelto::check {
namespace {

PointTaken Measured(MeasuredPoint point) {
  return {std::move(point), CheckStop::kNone, std::nullopt};
}

PointTaken Stopped(CheckStop stop, std::optional<instruments::InstrumentFailure> failure = {}) {
  return {std::nullopt, stop, std::move(failure)};
}

// A failure the user caused by giving no reading is a cancel, not the meter's fault.
PointTaken MeterStopped(const instruments::InstrumentFailure& failure) {
  if (failure.kind == instruments::FailureKind::kNothingEntered)
    return Stopped(CheckStop::kUser);
  return Stopped(CheckStop::kMeter, failure);
}

}  // namespace

instruments::SourceValues CalibratorValues(const CheckPoint& point, bool coldJunction) {
  instruments::SourceValues values = SourceValuesOf(point);
  if (coldJunction && point.temperatureRange)
    values.millivolts.reset();
  return values;
}

MeasuredPoint JudgeMeasured(const CheckPoint& point, const OutputScale& output, double measured,
                            double tolerance) {
  const PointVerdict verdict = JudgePoint(point, output, measured, tolerance);
  MeasuredPoint taken;
  taken.point = point;
  taken.measured = measured;
  taken.error = verdict.error;
  taken.result = verdict.result;
  return taken;
}

PointTaken TakePoint(const CheckPoint& point, const OutputScale& output, double tolerance,
                     bool coldJunction, CheckBench& bench) {
  // The clock is where a cancel shows: one asked for between two points ends the check here.
  if (!bench.clock.WaitUntil(bench.clock.Now()))
    return Stopped(CheckStop::kUser);
  if (bench.calibrator.IsManual()) {
    if (!bench.person.ApplySignal(point, coldJunction))
      return Stopped(CheckStop::kUser);
  } else if (auto failure = bench.calibrator.Apply(CalibratorValues(point, coldJunction))) {
    return Stopped(CheckStop::kCalibrator, std::move(failure));
  }

  if (bench.meter.IsManual()) {
    const instruments::Reading reading = bench.meter.ReadMilliamperes();
    if (const auto* failure = std::get_if<instruments::InstrumentFailure>(&reading))
      return MeterStopped(*failure);
    return Measured(JudgeMeasured(point, output, std::get<double>(reading), tolerance));
  }

  SettleSettings settings = bench.settle;
  settings.spread = SettledSpread(tolerance, output);
  Settled settled = Settle(bench.meter, bench.clock, settings,
                           [&](double current) { bench.person.ShowReading(current); });
  switch (settled.outcome) {
    case Settled::Outcome::kSettled:
      return Measured(JudgeMeasured(point, output, settled.current, tolerance));
    case Settled::Outcome::kUnstable: {
      MeasuredPoint unstable;
      unstable.point = point;
      unstable.result = PointResult::kUnstable;
      unstable.readings = std::move(settled.readings);
      return Measured(std::move(unstable));
    }
    case Settled::Outcome::kMeterFailed:
      return MeterStopped(*settled.failure);
    case Settled::Outcome::kCancelled:
      break;
  }
  return Stopped(CheckStop::kUser);
}

}  // namespace zelto::check
