#pragma once

#include "check/check_bench.h"
#include "check/check_plan.h"
#include "check/check_record.h"
#include "check/checked_configuration.h"
#include "check/checked_unit.h"
#include "check/point_measurement.h"
#include "check/test_points.h"
#include "config/device_outcome.h"
#include "keep/device_backup.h"
#include "keep/write_verification.h"
#include "link/link.h"
#include "link/reporter.h"

#include <optional>
#include <span>
#include <string_view>
#include <variant>

namespace zelto::check {

// What the front end tells a check before it starts.
struct CheckSettings {
  std::vector<double> percents = DefaultPoints();
  double tolerance = kDefaultTolerance;
  std::string tag;
  std::string engineer;
  std::vector<std::string> instruments;  // the *IDN? answers, then the user's own words
  std::string port;                      // the transmitter's device path
  std::string time;                      // the start, as BackupTimeText writes it
};

enum class CheckPass { kAsFound, kAsLeft };

// "as_found", "as_left": the tool's --json key of a point.
std::string_view CheckPassKey(CheckPass pass);

struct AdjustOutcome {
  enum class Kind {
    kWritten,      // the composed correction is in the unit; the as-left pass is under way
    kRefused,      // not computed (the status says why); nothing was sent, the check may end
    kDeviceFailed  // the backup or the write failed: the check has stopped, as cancelled
  };
  Kind kind = Kind::kWritten;
  config::DeviceOutcome outcome = config::DeviceOutcome::kDone;  // of the write
  keep::BackupFailure backupFailure = keep::BackupFailure::kNone;
  // With a verification asked for, what it found.
  std::optional<keep::Verification> verification;
};

// An output check of one unit, step by step, so that the tool runs it straight through and the
// window's wizard a point at a time: as found at every point, then, when asked, the correction
// from the lowest and highest points and the as-left pass. It talks to the transmitter only in
// Adjust; a check that stops (Stop) keeps what it measured.
class OutputCheck {
 public:
  // The check of the unit as read (ReadCheckedUnit); the refusal when the unit cannot be checked
  // so (its configuration, the points, the tolerance).
  static std::variant<OutputCheck, Refusal> Start(int model, const CheckedUnit& unit,
                                                  const CheckSettings& settings);

  const CheckPlan& Plan() const { return plan_; }
  const CheckedConfiguration& Configuration() const { return configuration_; }
  CheckPass Pass() const { return pass_; }
  bool Ended() const { return ended_; }

  // The point the pass measures next; nothing once the pass is complete or the check ended.
  std::optional<CheckPoint> NextPoint() const;
  // Measures it with the bench; a stop ends the check as cancelled (Stop).
  PointTaken MeasureNext(CheckBench& bench);
  // Takes a current the user typed for it (the window's manual meter); nothing when there is no
  // point to take it for, or the current is no finite number.
  std::optional<MeasuredPoint> TakeTyped(double milliamperes);

  // Whether Adjust may run now: the as-found pass complete, a model with the range correction,
  // not adjusted yet.
  bool CanAdjust() const;
  // Computes the correction from the as-found pass and writes its composition with the one the
  // unit holds through the correction's write, behind the backup (whose id the record keeps);
  // with `verify`, reads the words back and stops the check when they differ. Then the as-left
  // pass begins.
  AdjustOutcome Adjust(Link& link, Reporter& reporter, keep::DeviceBackup& backup, bool verify);

  // Ends the check without a verdict, keeping what was measured.
  void Stop(CheckStop why);
  // Ends the check: its verdict is that of the last pass, which must be complete.
  const CheckRecord& Finish();
  const CheckRecord& Record() const { return record_; }

 private:
  OutputCheck(CheckRecord record, CheckedConfiguration configuration, CheckPlan plan,
              CorrectionPair held);
  std::vector<MeasuredPoint>& PassPoints();
  const std::vector<MeasuredPoint>& PassPoints() const;

  CheckRecord record_;
  CheckedConfiguration configuration_;
  CheckPlan plan_;
  CorrectionPair held_;
  CheckPass pass_ = CheckPass::kAsFound;
  bool ended_ = false;
};

}  // namespace zelto::check
