#include "calib/calibration_transfers.h"

#include "calib/calibration_display.h"
#include "calib/calibration_layout.h"
#include "calib/calibration_words.h"
#include "config/device_outcome.h"
#include "link/status_texts.h"

#include <algorithm>
#include <bit>

namespace zelto::calib {
namespace {

constexpr int kWordBytes = 4;
constexpr int kBarFull = 100;
// Reads and writes spread the bar over 22 steps, the pair clear over 6.
constexpr int kTransferSteps = 22;
constexpr int kClearSteps = 6;
constexpr int kClearFullReferenceBarBase = 600;

std::uint16_t ReferenceWord(const CalibrationLayout& layout, int k) {
  return static_cast<std::uint16_t>(layout.referencesWord + kWordBytes * k);
}

int PairBar(int i, int steps) {
  return std::min(i * 100 / steps, kBarFull);
}

int ReferenceBar(int k, int base) {
  return (200 * k + base) / kTransferSteps;
}

ServiceOutcome NoAnswer(const Link& link, Reporter& reporter) {
  ShowNoAnswer(link, reporter);
  return ServiceOutcome::kNoAnswer;
}

// Where the bar stands after each word of a write sequence: the pairs spread over pairSteps,
// the reference words after them from referenceBarBase.
struct WriteBar {
  int pairSteps = kTransferSteps;
  int referenceBarBase = 0;
};

// Where the bar stands after word i of the plan: over the words sent when they are the changed
// ones only.
int BarAfter(std::size_t i, const CalibrationLayout& layout, const config::WritePlan& plan,
             WriteBar bar) {
  const int index = static_cast<int>(i);
  if (plan.changedOnly)
    return (index + 1) * kBarFull / static_cast<int>(plan.words.size());
  const auto pairs = static_cast<int>(layout.pairWords.size());
  return index < pairs ? PairBar(index, bar.pairSteps)
                       : ReferenceBar(index - pairs, bar.referenceBarBase);
}

// Sends the plan's words, then its done action. False at the first word without a reply.
bool RunWrites(Link& link, const CalibrationLayout& layout, const config::WritePlan& plan,
               WriteBar bar, Reporter& reporter) {
  for (std::size_t i = 0; i < plan.words.size(); ++i) {
    const config::MemoryWord& word = plan.words[i];
    if (!link.Request(word.address, word.bytes, CmdWriteWord))
      return false;
    reporter.SetProgress(BarAfter(i, layout, plan, bar));
  }
  // The device takes the words as they come; the action only tells it to use them, and its
  // answer changes nothing here.
  if (plan.action)
    link.DoAction(*plan.action);
  return true;
}

// The plan past its guard, sent; kStopped when the guard refused. A guard that left nothing to
// send has the user told so.
ServiceOutcome SendPlan(Link& link, const CalibrationLayout& layout, config::WritePlan plan,
                        WriteBar bar, config::WriteGuard& guard, Reporter& reporter) {
  if (!guard.Approve(plan))
    return ServiceOutcome::kStopped;
  if (config::NothingToSend(plan)) {
    reporter.ShowStatus(config::kStatusAlreadyHeld);
    return ServiceOutcome::kDone;
  }
  reporter.SetProgress(0);
  if (!RunWrites(link, layout, plan, bar, reporter))
    return NoAnswer(link, reporter);
  reporter.SetProgress(kBarFull);
  return ServiceOutcome::kDone;
}

}  // namespace

ServiceOutcome ReadCalibration(Link& link, CalibBlock& block, int model, bool calibrVisible,
                               Reporter& reporter) {
  const auto layout = LayoutForModel(model);
  if (!layout)
    return ServiceOutcome::kUnknownModel;
  reporter.SetProgress(0);
  ServiceOutcome outcome = ServiceOutcome::kDone;
  Frame reply{};
  for (std::size_t i = 0; i < layout->pairWords.size(); ++i) {
    if (!link.Query(layout->pairWords[i], reply, CmdReadWord)) {
      outcome = NoAnswer(link, reporter);
      break;
    }
    block.Pairs[i] = std::bit_cast<float>(ReplyValue(reply));
    reporter.SetProgress(PairBar(static_cast<int>(i), kTransferSteps));
  }
  for (int k = 0; outcome == ServiceOutcome::kDone && k < layout->referenceWords; ++k) {
    if (!link.Query(ReferenceWord(*layout, k), reply, CmdReadWord)) {
      outcome = NoAnswer(link, reporter);
      break;
    }
    const auto word = static_cast<std::uint32_t>(ReplyValue(reply));
    block.Ref[static_cast<std::size_t>(2 * k)] = static_cast<std::uint16_t>(word);
    // The last word's upper half is not a reference value the device uses.
    const bool lastWord = k == layout->referenceWords - 1;
    block.Ref[static_cast<std::size_t>(2 * k + 1)] =
        lastWord ? std::uint16_t{0} : static_cast<std::uint16_t>(word >> 16);
    reporter.SetProgress(ReferenceBar(k, layout->referenceBarBase));
  }
  if (outcome == ServiceOutcome::kDone)
    reporter.SetProgress(kBarFull);
  ShowCalibration(block, model, calibrVisible, reporter);
  return outcome;
}

ServiceOutcome WriteCalibration(Link& link, const CalibBlock& block, int model, bool calibrVisible,
                                Reporter& reporter, config::WriteGuard& guard) {
  const auto layout = LayoutForModel(model);
  if (!layout)
    return ServiceOutcome::kUnknownModel;
  const ServiceOutcome outcome =
      SendPlan(link, *layout, *CalibrationWritePlan(block, model),
               {kTransferSteps, layout->referenceBarBase}, guard, reporter);
  if (outcome == ServiceOutcome::kDone)
    ShowCalibration(block, model, calibrVisible, reporter);
  return outcome;
}

ServiceOutcome ClearCalibration(Link& link, const config::ConfigRecord& record, Reporter& reporter,
                                config::WriteGuard& guard) {
  const auto layout = LayoutForModel(record.Device);
  if (!layout)
    return ServiceOutcome::kUnknownModel;
  return SendPlan(link, *layout, *CalibrationClearPlan(record.Device), {kClearSteps, 0}, guard,
                  reporter);
}

ServiceOutcome ClearCalibrationFull(Link& link, CalibBlock& block,
                                    const config::ConfigRecord& record, int model,
                                    bool calibrVisible, Reporter& reporter,
                                    config::WriteGuard& guard) {
  const auto layout = LayoutForModel(record.Device);
  if (!layout)
    return ServiceOutcome::kUnknownModel;
  const ServiceOutcome outcome =
      SendPlan(link, *layout, *CalibrationClearFullPlan(record.Device),
               {kTransferSteps, kClearFullReferenceBarBase}, guard, reporter);
  if (outcome != ServiceOutcome::kDone)
    return outcome;
  return ReadCalibration(link, block, model, calibrVisible, reporter);
}

}  // namespace zelto::calib
