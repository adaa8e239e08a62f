// The range correction: its write, its reset and the read-back of the words it lands in.
#include "config/configuration_plans.h"
#include "config/correction.h"
#include "config/memory_map.h"
#include "config/nominal_currents.h"
#include "config/record_validation.h"
#include "config/trace_lines.h"
#include "config/write_sequences.h"
#include "config/write_session.h"
#include "link/status_texts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace zelto::config {
namespace {

constexpr int kCorrectionProgressSteps = 2;
constexpr float kNoGain = 1.0f;
constexpr float kNoOffset = 0.0f;
constexpr int kProgressEmpty = 0;
constexpr int kProgressFull = 100;

// Working-memory words in which the device shows what it made of the correction (m00, m02, m03).
constexpr std::array<uint16_t, 3> kCorrectionWorkingWords{0x501, 0x503, 0x504};

// The computed values; with readDevice, also the device's working-memory words. A value of -1
// may be silence or a true -1: the trace shows it either way.
void TraceCorrection(Link& link, Reporter& reporter, const Correction& correction,
                     bool readDevice) {
  for (const std::string& line : CorrectionTraceLines(correction))
    reporter.AddMemoLine(line);
  if (readDevice) {
    std::array<int32_t, kCorrectionWorkingWords.size()> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
      link.Request(kCorrectionWorkingWords[i], Payload{}, CmdReadRam);
      values[i] = link.ReadReplyValue();
    }
    reporter.AddMemoLine(WorkingMemoryTraceLine(values[0], values[1], values[2]));
  }
  reporter.AddMemoLine("");
}

// The correction's words between the sequence's begin and finish, `meanwhile` run once it has
// begun; with nothing to send, `meanwhile` alone and "Прибор уже содержит эту конфигурацию".
// False at a word without a reply.
bool SendCorrection(WriteSession& session, Reporter& reporter, const WritePlan& plan,
                    const std::function<void()>& meanwhile) {
  if (NothingToSend(plan)) {
    meanwhile();
    reporter.ShowStatus(kStatusAlreadyHeld);
    return true;
  }
  session.Begin(plan, kCorrectionProgressSteps);
  meanwhile();
  if (!session.Send(plan.words))
    return false;
  session.Finish();
  return true;
}

}  // namespace

DeviceOutcome WriteCorrection(Link& link, Reporter& reporter, ConfigRecord& record, int model,
                              bool lineFunc, const TraceFlags& trace, EEImage& image,
                              WriteGuard& guard) {
  WriteSession session(link, reporter);
  DeviceOutcome outcome = DeviceOutcome::kNoModel;
  // No words on the other models, yet the action goes out all the same.
  WritePlan plan = CorrectionPlan(WriteOperation::kCorrect, model, kNoGain, kNoOffset);
  if (IsTableLoadingDevice(model)) {
    if (CheckRecord(record, model) != RecordFault::kNone) {
      reporter.ShowStatus(kStatusInvalidRecord);
      return DeviceOutcome::kRefused;
    }
    // Computed before anything is sent: a correction that cannot be computed must not leave a
    // half-finished exchange behind. The record takes it only once it goes out.
    ConfigRecord corrected = record;
    const Correction correction = ComputeCorrection(corrected, lineFunc);
    const bool traced = trace.Has(fCnftoMemo);
    if (!correction.computed) {
      if (traced)
        TraceCorrection(link, reporter, correction, false);
      reporter.ShowStatus(correction.refusal);
      return DeviceOutcome::kRefused;
    }
    plan = CorrectionPlan(WriteOperation::kCorrect, model, corrected.Au, corrected.Bu);
    if (!guard.Approve(plan))
      return DeviceOutcome::kStopped;
    record.Au = corrected.Au;
    record.Bu = corrected.Bu;
    if (!SendCorrection(session, reporter, plan, [&] {
          if (traced)
            TraceCorrection(link, reporter, correction, true);
        })) {
      return DeviceOutcome::kNoAnswer;
    }
    outcome = DeviceOutcome::kDone;
  } else {
    if (!guard.Approve(plan))
      return DeviceOutcome::kStopped;
    if (model == kDeviceVelmor7) {
      reporter.ShowStatus(kStatusNotAvailable);
      outcome = DeviceOutcome::kNotAvailable;
    }
  }
  session.End();
  if (plan.action)
    link.DoAction(*plan.action);
  if (ReadBackCorrection(link, reporter, image) == DeviceOutcome::kNoAnswer)
    return DeviceOutcome::kNoAnswer;
  return outcome;
}

DeviceOutcome WriteCorrectionPair(Link& link, Reporter& reporter, int model, float au, float bu,
                                  EEImage& image, WriteGuard& guard) {
  if (!IsTableLoadingDevice(model)) {
    reporter.ShowStatus(kStatusNotAvailable);
    return DeviceOutcome::kNotAvailable;
  }
  // The device divides by the gain; a pair it cannot use is no correction at all.
  if (!std::isfinite(au) || !std::isfinite(bu) || au == 0.0f) {
    reporter.ShowStatus(kCorrectionNotFiniteText);
    return DeviceOutcome::kRefused;
  }
  WritePlan plan = CorrectionPlan(WriteOperation::kCorrect, model, au, bu);
  if (!guard.Approve(plan))
    return DeviceOutcome::kStopped;
  WriteSession session(link, reporter);
  if (!SendCorrection(session, reporter, plan, [] {}))
    return DeviceOutcome::kNoAnswer;
  session.End();
  if (plan.action)
    link.DoAction(*plan.action);
  return ReadBackCorrection(link, reporter, image);
}

DeviceOutcome ResetCorrection(Link& link, Reporter& reporter, ConfigRecord& record, int model,
                              int outputRange, ConfigView& view, WriteGuard& guard) {
  WritePlan plan = CorrectionPlan(WriteOperation::kResetCorrection, model, kNoGain, kNoOffset);
  if (!guard.Approve(plan))
    return DeviceOutcome::kStopped;
  WriteSession session(link, reporter);
  DeviceOutcome outcome = DeviceOutcome::kNoModel;
  if (IsTableLoadingDevice(model)) {
    if (!SendCorrection(session, reporter, plan, [&] {
          record.Au = kNoGain;
          record.Bu = kNoOffset;
          ComputeNominalCurrents(record, true, outputRange, view);
        })) {
      return DeviceOutcome::kNoAnswer;
    }
    outcome = DeviceOutcome::kDone;
  } else if (model == kDeviceVelmor7) {
    reporter.ShowStatus(kStatusNotAvailable);
    outcome = DeviceOutcome::kNotAvailable;
  }
  session.End();
  if (plan.action)
    link.DoAction(*plan.action);
  return outcome;
}

DeviceOutcome ReadBackCorrection(Link& link, Reporter& reporter, EEImage& image) {
  reporter.SetProgress(kProgressEmpty);
  for (const uint16_t address : loading_memory::kCorrectionReadBackWords) {
    link.SendRequest(address, Payload{}, CmdReadWord);
    if (!link.ReadReply()) {
      ShowNoAnswer(link, reporter);
      return DeviceOutcome::kNoAnswer;
    }
    const auto data = link.ReplyBuffer().begin() + kDataOffset;
    std::copy(data, data + kWordSize, image.begin() + address);
    reporter.SetProgress(kProgressFull);
  }
  return DeviceOutcome::kDone;
}

}  // namespace zelto::config
