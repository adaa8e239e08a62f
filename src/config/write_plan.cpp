#include "config/write_plan.h"

#include <algorithm>
#include <array>

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
  bool Approve(const WritePlan&) override { return true; }
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

WriteGuard& NoBackup() {
  static PassEverything guard;
  return guard;
}

}  // namespace zelto::config
