// The configuration write for both device families.
#include "config/configuration_plans.h"
#include "config/device_range.h"
#include "config/nominal_currents.h"
#include "config/record_validation.h"
#include "config/write_sequences.h"
#include "config/write_session.h"

namespace zelto::config {
namespace {

// Progress steps as the bar has always moved: about 1 % per word on the table-loading models,
// whose largest configurations send more words than this and leave the bar still for the last
// few; a twelfth per word on Velmor-7.
constexpr int kLoadingProgressSteps = 80;
constexpr int kVelmorProgressSteps = 12;

}  // namespace

DeviceOutcome WriteConfiguration(Link& link, Reporter& reporter, ConfigRecord& record, int model,
                                 bool lineFunc, const VelmorSwitches& switches, WriteGuard& guard) {
  if (model < 0)
    return DeviceOutcome::kNoModel;
  if (model > kDeviceVelmor7) {
    reporter.ShowStatus(kStatusNotAvailable);
    return DeviceOutcome::kNotAvailable;
  }
  const bool velmor = model == kDeviceVelmor7;
  const bool valid = CheckRecord(record, model) == RecordFault::kNone &&
                     (!velmor || CheckVelmorSwitches(switches) == RecordFault::kNone);
  if (!valid || !ComputeDeviceRangeWords(record, lineFunc)) {
    reporter.ShowStatus(kStatusInvalidRecord);
    return DeviceOutcome::kRefused;
  }
  WritePlan plan = ConfigurationWritePlan(record, model, lineFunc, switches);
  if (!guard.Approve(plan))
    return DeviceOutcome::kStopped;
  if (NothingToSend(plan)) {
    reporter.ShowStatus(kStatusAlreadyHeld);
    return DeviceOutcome::kDone;
  }

  WriteSession session(link, reporter);
  session.Begin(plan, velmor ? kVelmorProgressSteps : kLoadingProgressSteps);
  if (!session.Send(plan.words))
    return DeviceOutcome::kNoAnswer;
  session.Finish();
  if (plan.action)
    link.DoAction(*plan.action);
  session.End();
  return DeviceOutcome::kDone;
}

}  // namespace zelto::config
