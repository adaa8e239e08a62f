#pragma once

#include "config/memory_words.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zelto::config {

// The sequences that write to the device, as a backup names them.
enum class WriteOperation {
  kWrite,
  kCorrect,
  kResetCorrection,
  kCalibWrite,
  kCalibClear,
  kCalibClearFull,
  kRestore,
};

// "write", "correct", "reset-correction", "calib-write", "calib-clear", "calib-clear-full",
// "restore".
std::string_view OperationName(WriteOperation operation);
std::optional<WriteOperation> OperationNamed(std::string_view name);

// What a write sequence is about to do, known in full before its first frame goes out.
struct WritePlan {
  WriteOperation operation = WriteOperation::kWrite;
  std::vector<MemoryWord> words;       // in the order the sequence sends them
  std::optional<std::uint8_t> action;  // the action code that closes the sequence
  // Cut down to the words that change what the device holds (ChangedWordsOnly): the progress
  // runs over these words, and none left means the device holds the whole sequence already.
  bool changedOnly = false;
};

// Every address the words write to, once, where it is first written, with the word it holds
// once the sequence is over (the last one written there).
std::vector<MemoryWord> FinalWords(const std::vector<MemoryWord>& words);

// The plan with only the words that change a device holding `held` (its words at the addresses
// the plan writes; an address it lacks counts as changing). A word written more than once goes
// by what its last write leaves: all of its writes stay, in their places, or none. The plan's
// last word, which may tell the device the sequence is complete, stays whenever any word before
// it does, and the closing action whenever any word stays. A plan without words has nothing to
// compare and comes back as it is.
WritePlan ChangedWordsOnly(const WritePlan& plan, const std::vector<MemoryWord>& held);

// Whether a guard cut the plan down to nothing: the device holds every word already.
bool NothingToSend(const WritePlan& plan);

// Asked by every write sequence once its words are known and before anything of it goes out.
class WriteGuard {
 public:
  virtual ~WriteGuard() = default;
  // False stops the sequence before it sends anything; the guard has told the user why. A
  // guard may cut the plan down (ChangedWordsOnly); the sequence then sends what is left.
  virtual bool Approve(WritePlan& plan) = 0;
};

// Lets every sequence through: for the callers that keep no backup.
WriteGuard& NoBackup();

}  // namespace zelto::config
