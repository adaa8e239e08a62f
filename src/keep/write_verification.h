#pragma once

#include "config/memory_words.h"
#include "config/write_plan.h"
#include "keep/device_backup.h"
#include "link/link.h"
#include "link/reporter.h"
#include "link/translatable.h"

#include <string_view>
#include <vector>

namespace zelto::keep {

// What the check after a write shows in the status panel.
inline constexpr std::string_view kStatusWriteVerified =
    QT_TRANSLATE_NOOP("status", "Запись проверена");
inline constexpr std::string_view kStatusVerifyFailed =
    QT_TRANSLATE_NOOP("status", "Ошибка проверки записи");

// A word the device holds otherwise than it was last written.
struct WordMismatch {
  std::uint16_t address = 0;
  std::array<std::uint8_t, 4> written{};  // wire order, as a backup keeps words
  std::array<std::uint8_t, 4> held{};

  bool operator==(const WordMismatch&) const = default;
};

enum class VerifyOutcome {
  kVerified,  // every word reads back as written: "Запись проверена"
  kDiffers,   // "Ошибка проверки записи"; the mismatches say where
  kNotRead,   // a word could not be read cleanly; the failure says why, and has been shown
};

struct Verification {
  VerifyOutcome outcome = VerifyOutcome::kVerified;
  std::vector<WordMismatch> mismatches;  // in write order
  BackupFailure failure = BackupFailure::kNone;
};

// Reads back every address the words write to, with the checked reads a backup trusts, and
// compares each with the word last written there; then shows the verdict. A read that fails shows
// what failed it ("Прибор не отвечает", "Ошибка приема") and no verdict. No words written (a
// write that found the device holding them all) is verified without a read or a word shown.
Verification VerifyWrittenWords(Link& link, Reporter& reporter,
                                const std::vector<config::MemoryWord>& written);

// The check after a write, for a front end that offers it: put in front of the write's own guard
// (the backup, or NoBackup()), it lets through what that guard lets through and remembers what
// went through. Once the sequence has ended well, Verify reads it back:
//
//   VerifyingGuard verifying(backup);
//   if (WriteConfiguration(link, reporter, record, model, lineFunc, switches, verifying) ==
//       DeviceOutcome::kDone)
//     verifying.Verify(link, reporter);
//
// A restore writes without a guard: VerifyWrittenWords(link, reporter, backup.before) once it is
// done checks it the same way.
class VerifyingGuard final : public config::WriteGuard {
 public:
  explicit VerifyingGuard(config::WriteGuard& inner = config::NoBackup()) : inner_(inner) {}

  bool Approve(config::WritePlan& plan) override;

  // Every word the approved sequences wrote (as the inner guard left their plans), read back and
  // compared.
  Verification Verify(Link& link, Reporter& reporter) const;

 private:
  config::WriteGuard& inner_;
  std::vector<config::MemoryWord> written_;
};

}  // namespace zelto::keep
