#include "check/output_check.h"

#include "check/check_adjustment.h"
#include "config/write_sequences.h"
#include "link/ee_image.h"

#include <cmath>

namespace zelto::check {
namespace {

CheckStop StopOfBackup(keep::BackupFailure failure) {
  return failure == keep::BackupFailure::kNotSaved ? CheckStop::kBackup : CheckStop::kTransmitter;
}

}  // namespace

std::string_view CheckPassKey(CheckPass pass) {
  return pass == CheckPass::kAsFound ? "as_found" : "as_left";
}

std::variant<OutputCheck, Refusal> OutputCheck::Start(int model, const CheckedUnit& unit,
                                                      const CheckSettings& settings) {
  if (!IsValidTolerance(settings.tolerance))
    return Refusal::kTolerance;
  const auto described = DescribeChecked(model, unit.stored);
  if (const auto* refusal = std::get_if<Refusal>(&described))
    return *refusal;
  const auto& configuration = std::get<CheckedConfiguration>(described);
  auto planned = PlanCheck(configuration, settings.percents);
  if (const auto* refusal = std::get_if<Refusal>(&planned))
    return *refusal;

  CheckRecord record;
  record.time = settings.time;
  record.tag = settings.tag;
  record.engineer = settings.engineer;
  record.instruments = settings.instruments;
  record.model = model;
  record.port = settings.port;
  record.firmware = unit.firmware;
  record.unit = unit.identity;
  record.configuration = RecordedOf(configuration);
  record.tolerance = settings.tolerance;
  return OutputCheck(std::move(record), configuration, std::move(std::get<CheckPlan>(planned)),
                     {unit.stored.Au, unit.stored.Bu});
}

OutputCheck::OutputCheck(CheckRecord record, CheckedConfiguration configuration, CheckPlan plan,
                         CorrectionPair held)
    : record_(std::move(record)),
      configuration_(configuration),
      plan_(std::move(plan)),
      held_(held) {}

std::vector<MeasuredPoint>& OutputCheck::PassPoints() {
  return pass_ == CheckPass::kAsFound ? record_.asFound : *record_.asLeft;
}

const std::vector<MeasuredPoint>& OutputCheck::PassPoints() const {
  return pass_ == CheckPass::kAsFound ? record_.asFound : *record_.asLeft;
}

std::optional<CheckPoint> OutputCheck::NextPoint() const {
  const std::size_t taken = PassPoints().size();
  if (ended_ || taken >= plan_.points.size())
    return std::nullopt;
  return plan_.points[taken];
}

PointTaken OutputCheck::MeasureNext(CheckBench& bench) {
  const auto point = NextPoint();
  if (!point)
    return {};
  PointTaken taken =
      TakePoint(*point, plan_.output, record_.tolerance, configuration_.coldJunction, bench);
  if (taken.point)
    PassPoints().push_back(*taken.point);
  else
    Stop(taken.stop);
  return taken;
}

std::optional<MeasuredPoint> OutputCheck::TakeTyped(double milliamperes) {
  const auto point = NextPoint();
  if (!point || !std::isfinite(milliamperes))
    return std::nullopt;
  PassPoints().push_back(JudgeMeasured(*point, plan_.output, milliamperes, record_.tolerance));
  return PassPoints().back();
}

bool OutputCheck::CanAdjust() const {
  return !ended_ && pass_ == CheckPass::kAsFound && !NextPoint() &&
         config::IsTableLoadingDevice(record_.model);
}

AdjustOutcome OutputCheck::Adjust(Link& link, Reporter& reporter, keep::DeviceBackup& backup,
                                  bool verify) {
  AdjustOutcome result;
  const auto computed =
      CanAdjust() ? ComputeAdjustment(configuration_, record_.asFound.front(),
                                      record_.asFound.back(), held_)
                  : std::variant<ComputedAdjustment, std::string_view>(kAdjustNoCorrectionText);
  if (const auto* refusal = std::get_if<std::string_view>(&computed)) {
    reporter.ShowStatus(*refusal);
    result.kind = AdjustOutcome::Kind::kRefused;
    return result;
  }
  const CorrectionPair written = std::get<ComputedAdjustment>(computed).written;
  keep::VerifyingGuard verifying(backup);
  EEImage image{};
  result.outcome = config::WriteCorrectionPair(link, reporter, record_.model, written.au,
                                               written.bu, image, verifying);
  switch (result.outcome) {
    case config::DeviceOutcome::kRefused:
    case config::DeviceOutcome::kNotAvailable:
    case config::DeviceOutcome::kNoModel:
      result.kind = AdjustOutcome::Kind::kRefused;
      return result;
    case config::DeviceOutcome::kStopped:  // nothing went out
      result.kind = AdjustOutcome::Kind::kDeviceFailed;
      result.backupFailure = backup.Failure();
      Stop(StopOfBackup(result.backupFailure));
      return result;
    case config::DeviceOutcome::kDone:
    case config::DeviceOutcome::kNoAnswer:
      break;
  }
  // From here on words may have gone out: the record says so, whatever follows.
  record_.adjustment = Adjustment{held_, written, backup.SavedId()};
  if (result.outcome != config::DeviceOutcome::kDone) {
    result.kind = AdjustOutcome::Kind::kDeviceFailed;
    Stop(CheckStop::kTransmitter);
    return result;
  }
  if (verify) {
    result.verification = verifying.Verify(link, reporter);
    if (result.verification->outcome != keep::VerifyOutcome::kVerified) {
      result.kind = AdjustOutcome::Kind::kDeviceFailed;
      result.backupFailure = result.verification->failure;
      Stop(CheckStop::kTransmitter);
      return result;
    }
  }
  held_ = written;
  pass_ = CheckPass::kAsLeft;
  record_.asLeft.emplace();
  return result;
}

void OutputCheck::Stop(CheckStop why) {
  if (ended_)
    return;
  ended_ = true;
  record_.result = CheckResult::kCancelled;
  record_.stopped = why;
}

const CheckRecord& OutputCheck::Finish() {
  if (ended_)
    return record_;
  if (NextPoint()) {
    Stop(CheckStop::kUser);
    return record_;
  }
  ended_ = true;
  record_.result = EveryPointPassed(PassPoints()) ? CheckResult::kPass : CheckResult::kFail;
  return record_;
}

}  // namespace zelto::check
