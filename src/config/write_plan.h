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
};

// Every address the words write to, once, where it is first written, with the word it holds
// once the sequence is over (the last one written there).
std::vector<MemoryWord> FinalWords(const std::vector<MemoryWord>& words);

// Asked by every write sequence once its words are known and before anything of it goes out.
class WriteGuard {
 public:
  virtual ~WriteGuard() = default;
  // False stops the sequence before it sends anything; the guard has told the user why.
  virtual bool Approve(const WritePlan& plan) = 0;
};

// Lets every sequence through: for the callers that keep no backup.
WriteGuard& NoBackup();

}  // namespace zelto::config
