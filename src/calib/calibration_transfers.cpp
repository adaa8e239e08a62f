#include "calib/calibration_transfers.h"

#include "calib/calibration_display.h"
#include "calib/calibration_layout.h"
#include "link/status_texts.h"

#include <algorithm>
#include <bit>
#include <functional>

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

Payload ReferencePayload(std::uint16_t low, std::uint16_t high) {
  return PayloadFromWord(low | static_cast<std::uint32_t>(high) << 16);
}

// Reference word k: Ref[2k] in the low half, Ref[2k + 1] in the high half.
Payload BlockReferences(const CalibBlock& block, int k) {
  return ReferencePayload(block.Ref[static_cast<std::size_t>(2 * k)],
                          block.Ref[static_cast<std::size_t>(2 * k + 1)]);
}

Payload NeutralReferences(const CalibrationLayout& layout, int k) {
  return ReferencePayload(layout.neutralReferences[static_cast<std::size_t>(2 * k)],
                          layout.neutralReferences[static_cast<std::size_t>(2 * k + 1)]);
}

float NeutralPair(int i) {
  return i % 2 == 0 ? kNeutralGain : kNeutralOffset;
}

ServiceOutcome NoAnswer(const Link& link, Reporter& reporter) {
  ShowNoAnswer(link, reporter);
  return ServiceOutcome::kNoAnswer;
}

// One write sequence: the pair words, then (when references is given) the reference words,
// then the done action. False at the first word without a reply.
struct WritePlan {
  std::function<float(int)> pair;
  int pairSteps = kTransferSteps;
  std::function<Payload(int)> references;  // empty: the pairs only
  int referenceBarBase = 0;
};

bool RunWrites(Link& link, const CalibrationLayout& layout, const WritePlan& plan,
               Reporter& reporter) {
  for (std::size_t i = 0; i < layout.pairWords.size(); ++i) {
    const int index = static_cast<int>(i);
    if (!link.Request(layout.pairWords[i], PayloadFromFloat(plan.pair(index)), CmdWriteWord))
      return false;
    reporter.SetProgress(PairBar(index, plan.pairSteps));
  }
  if (plan.references) {
    for (int k = 0; k < layout.referenceWords; ++k) {
      if (!link.Request(ReferenceWord(layout, k), plan.references(k), CmdWriteWord))
        return false;
      reporter.SetProgress(ReferenceBar(k, plan.referenceBarBase));
    }
  }
  // The device takes the words as they come; the action only tells it to use them, and its
  // answer changes nothing here.
  link.DoAction(layout.doneAction);
  return true;
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
                                Reporter& reporter) {
  const auto layout = LayoutForModel(model);
  if (!layout)
    return ServiceOutcome::kUnknownModel;
  reporter.SetProgress(0);
  const WritePlan plan{[&](int i) { return block.Pairs[static_cast<std::size_t>(i)]; },
                       kTransferSteps, [&](int k) { return BlockReferences(block, k); },
                       layout->referenceBarBase};
  if (!RunWrites(link, *layout, plan, reporter))
    return NoAnswer(link, reporter);
  reporter.SetProgress(kBarFull);
  ShowCalibration(block, model, calibrVisible, reporter);
  return ServiceOutcome::kDone;
}

ServiceOutcome ClearCalibration(Link& link, const config::ConfigRecord& record,
                                Reporter& reporter) {
  const auto layout = LayoutForModel(record.Device);
  if (!layout)
    return ServiceOutcome::kUnknownModel;
  reporter.SetProgress(0);
  const WritePlan plan{NeutralPair, kClearSteps, {}, 0};
  if (!RunWrites(link, *layout, plan, reporter))
    return NoAnswer(link, reporter);
  reporter.SetProgress(kBarFull);
  return ServiceOutcome::kDone;
}

ServiceOutcome ClearCalibrationFull(Link& link, CalibBlock& block,
                                    const config::ConfigRecord& record, int model,
                                    bool calibrVisible, Reporter& reporter) {
  const auto layout = LayoutForModel(record.Device);
  if (!layout)
    return ServiceOutcome::kUnknownModel;
  reporter.SetProgress(0);
  const WritePlan plan{NeutralPair, kTransferSteps,
                       [&](int k) { return NeutralReferences(*layout, k); },
                       kClearFullReferenceBarBase};
  if (!RunWrites(link, *layout, plan, reporter))
    return NoAnswer(link, reporter);
  reporter.SetProgress(kBarFull);
  return ReadCalibration(link, block, model, calibrVisible, reporter);
}

}  // namespace zelto::calib
