// The check after a write: every word a writing operation sent, read back and compared.
#include "keep/write_verification.h"

#include "backup_support.h"
#include "link/status_texts.h"

#include <gtest/gtest.h>

namespace zelto::keep {
namespace {

using testing::BackupBench;
using testing::WritingOperation;
using testing::WrittenAddresses;
using Lines = std::vector<std::string>;

class Verified : public ::testing::TestWithParam<WritingOperation> {};

TEST_P(Verified, ReadsBackEveryWordWrittenOnceAfterTheSequenceAndFindsItAsSent) {
  const WritingOperation& operation = GetParam();
  BackupBench bench(operation.model);
  VerifyingGuard verifying;
  ASSERT_TRUE(operation.run(bench, verifying)) << bench.reporter.LastStatus();
  const auto written = WrittenAddresses(bench.sim);
  const Lines sequenceStatuses = bench.reporter.statuses;
  bench.sim.ClearRequests();

  const Verification verification = verifying.Verify(bench.link, bench.reporter);
  EXPECT_EQ(verification.outcome, VerifyOutcome::kVerified);
  EXPECT_TRUE(verification.mismatches.empty());
  Lines expected;
  for (const std::uint16_t address : written)
    expected.push_back("R " + std::to_string(address));
  EXPECT_EQ(testing::Sent(bench.sim), expected);
  // The sequence's own texts stand as they were; the verdict comes after them.
  Lines statuses = sequenceStatuses;
  statuses.emplace_back(kStatusWriteVerified);
  EXPECT_EQ(bench.reporter.statuses, statuses);
}

TEST_P(Verified, NamesTheWordADeviceAnsweredButDidNotKeep) {
  const WritingOperation& operation = GetParam();
  // Which word to spoil: the last one written, from a run of the same operation.
  BackupBench dry(operation.model);
  ASSERT_TRUE(operation.run(dry, config::NoBackup()));
  const std::uint16_t worn = WrittenAddresses(dry.sim).back();
  const sim::MemoryImage after = dry.sim.Memory();

  BackupBench bench(operation.model);
  const sim::MemoryImage before = bench.sim.Memory();
  bench.sim.SetFault(sim::Fault::WordNotKept(worn));
  VerifyingGuard verifying;
  ASSERT_TRUE(operation.run(bench, verifying)) << "the device answered every write";
  const Verification verification = verifying.Verify(bench.link, bench.reporter);

  EXPECT_EQ(verification.outcome, VerifyOutcome::kDiffers);
  ASSERT_EQ(verification.mismatches.size(), 1u);
  const WordMismatch& mismatch = verification.mismatches.front();
  EXPECT_EQ(mismatch.address, worn);
  EXPECT_TRUE(std::equal(mismatch.written.begin(), mismatch.written.end(), after.begin() + worn));
  EXPECT_TRUE(std::equal(mismatch.held.begin(), mismatch.held.end(), before.begin() + worn));
  EXPECT_EQ(bench.reporter.LastStatus(), kStatusVerifyFailed);
}

INSTANTIATE_TEST_SUITE_P(EveryWritingOperation, Verified,
                         ::testing::ValuesIn(testing::WritingOperations()),
                         [](const auto& info) { return info.param.name; });

TEST(Verification, ADeviceThatCannotBeReadIsNoVerdictAndTheLastTextSaysWhy) {
  const std::tuple<sim::Fault, BackupFailure, std::string_view> faults[] = {
      {sim::Fault::SilentFrom(1), BackupFailure::kNoAnswer, kStatusNoAnswer},
      {sim::Fault::BadChecksum(1), BackupFailure::kBadReply, kStatusBadReply}};
  for (const auto& [fault, failure, status] : faults) {
    BackupBench bench(testing::kDastra);
    VerifyingGuard verifying;
    ASSERT_TRUE(testing::WritingOperations()[1].run(bench, verifying));
    bench.sim.SetFault(fault);
    const Verification verification = verifying.Verify(bench.link, bench.reporter);
    EXPECT_EQ(verification.outcome, VerifyOutcome::kNotRead);
    EXPECT_EQ(verification.failure, failure);
    EXPECT_EQ(bench.reporter.LastStatus(), status);
  }
}

TEST(Verification, AWriteItsBackupStoppedLeavesNothingToReadBack) {
  BackupBench bench(testing::kDastra);
  bench.sim.SetFault(sim::Fault::SilentFrom(1));
  DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Settings());
  VerifyingGuard verifying(backup);
  EXPECT_FALSE(testing::WritingOperations()[1].run(bench, verifying));
  bench.sim.SetFault(sim::Fault::None());
  bench.sim.ClearRequests();
  EXPECT_EQ(verifying.Verify(bench.link, bench.reporter).outcome, VerifyOutcome::kVerified);
  EXPECT_TRUE(testing::Sent(bench.sim).empty());
}

TEST(Verification, OfARestoreReadsBackTheWordsItWroteBack) {
  BackupBench bench(testing::kDastra);
  DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Settings());
  ASSERT_TRUE(testing::WritingOperations()[1].run(bench, backup));
  const Backup kept = bench.Load(backup.SavedId());
  ASSERT_EQ(bench.Restore(kept), RestoreOutcome::kDone);
  const Verification verification = VerifyWrittenWords(bench.link, bench.reporter, kept.before);
  EXPECT_EQ(verification.outcome, VerifyOutcome::kVerified);
  EXPECT_EQ(bench.reporter.LastStatus(), kStatusWriteVerified);
}

}  // namespace
}  // namespace zelto::keep
