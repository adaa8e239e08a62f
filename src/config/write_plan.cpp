#include "config/write_plan.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace zelto::config {
namespace {

struct NamedOperation {
  WriteOperation operation;
  std::string_view name;
};

constexpr std::array<NamedOperation, 7> kOperationNames{{
    {WriteOperation::kWrite, "write"},
    {WriteOperation::kCorrect, "correct"},
    {WriteOperation::kResetCorrection, "reset-correction"},
    {WriteOperation::kCalibWrite, "calib-write"},
    {WriteOperation::kCalibClear, "calib-clear"},
    {WriteOperation::kCalibClearFull, "calib-clear-full"},
    {WriteOperation::kRestore, "restore"},
}};

class PassEverything final : public WriteGuard {
 public:
  bool Approve(WritePlan&) override { return true; }
};

}  // namespace

std::string_view OperationName(WriteOperation operation) {
  const auto named =
      std::find_if(kOperationNames.begin(), kOperationNames.end(),
                   [&](const NamedOperation& n) { return n.operation == operation; });
  return named == kOperationNames.end() ? std::string_view() : named->name;
}

std::optional<WriteOperation> OperationNamed(std::string_view name) {
  const auto named = std::find_if(kOperationNames.begin(), kOperationNames.end(),
                                  [&](const NamedOperation& n) { return n.name == name; });
  if (named == kOperationNames.end())
    return std::nullopt;
  return named->operation;
}

std::vector<MemoryWord> FinalWords(const std::vector<MemoryWord>& words) {
  std::vector<MemoryWord> final;
  for (const MemoryWord& word : words) {
    const auto same = std::find_if(final.begin(), final.end(), [&](const MemoryWord& earlier) {
      return earlier.address == word.address;
    });
    if (same == final.end()) {
      final.push_back(word);
    } else {
      same->bytes = word.bytes;
    }
  }
  return final;
}

WritePlan ChangedWordsOnly(const WritePlan& plan, const std::vector<MemoryWord>& held) {
  if (plan.words.empty())
    return plan;
  const std::vector<MemoryWord> final = FinalWords(plan.words);
  const auto changes = [&](std::uint16_t address) {
    const auto at = [address](const MemoryWord& word) { return word.address == address; };
    const auto device = std::find_if(held.begin(), held.end(), at);
    return device == held.end() || *device != *std::find_if(final.begin(), final.end(), at);
  };
  WritePlan changed{plan.operation, {}, std::nullopt, true};
  const auto last = std::prev(plan.words.end());
  std::copy_if(plan.words.begin(), last, std::back_inserter(changed.words),
               [&](const MemoryWord& word) { return changes(word.address); });
  if (!changed.words.empty() || changes(last->address)) {
    changed.words.push_back(*last);
    changed.action = plan.action;
  }
  return changed;
}

bool NothingToSend(const WritePlan& plan) {
  return plan.changedOnly && plan.words.empty();
}

WriteGuard& NoBackup() {
  static PassEverything guard;
  return guard;
}

}  // namespace zelto::config
