#include "config/configuration_plans.h"

#include "config/configuration_words.h"
#include "config/nominal_currents.h"
#include "link/frame.h"

namespace zelto::config {

WritePlan ConfigurationWritePlan(const ConfigRecord& record, int model, bool lineFunc,
                                 const VelmorSwitches& switches) {
  if (model == kDeviceVelmor7) {
    return {WriteOperation::kWrite, VelmorConfigurationWords(record, lineFunc, switches),
            ActConfigDone};
  }
  return {WriteOperation::kWrite, LoadingConfigurationWords(record, lineFunc), std::nullopt};
}

WritePlan CorrectionPlan(WriteOperation operation, int model, float au, float bu) {
  WritePlan plan{operation, {}, ActWriteDone};
  if (IsTableLoadingDevice(model))
    plan.words = CorrectionWords(au, bu);
  return plan;
}

}  // namespace zelto::config
