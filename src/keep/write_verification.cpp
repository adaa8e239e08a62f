#include "keep/write_verification.h"

namespace zelto::keep {

Verification VerifyWrittenWords(Link& link, Reporter& reporter,
                                const std::vector<config::MemoryWord>& written) {
  const std::vector<config::MemoryWord> final = config::FinalWords(written);
  std::vector<std::uint16_t> addresses;
  for (const config::MemoryWord& word : final)
    addresses.push_back(word.address);

  Verification verification;
  if (final.empty())
    return verification;
  DeviceWords device(link);
  verification.failure = device.Read(addresses, reporter);
  if (verification.failure != BackupFailure::kNone) {
    verification.outcome = VerifyOutcome::kNotRead;
    return verification;
  }
  for (const config::MemoryWord& word : final) {
    const config::MemoryWord held = *device.Word(word.address);
    if (held.bytes != word.bytes)
      verification.mismatches.push_back({word.address, word.bytes, held.bytes});
  }
  verification.outcome =
      verification.mismatches.empty() ? VerifyOutcome::kVerified : VerifyOutcome::kDiffers;
  reporter.ShowStatus(verification.outcome == VerifyOutcome::kVerified ? kStatusWriteVerified
                                                                       : kStatusVerifyFailed);
  return verification;
}

bool VerifyingGuard::Approve(config::WritePlan& plan) {
  if (!inner_.Approve(plan))
    return false;
  written_.insert(written_.end(), plan.words.begin(), plan.words.end());
  return true;
}

Verification VerifyingGuard::Verify(Link& link, Reporter& reporter) const {
  return VerifyWrittenWords(link, reporter, written_);
}

}  // namespace zelto::keep
