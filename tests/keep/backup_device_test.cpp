// Every writing operation backed up and restored against the simulated transmitter.
#include "backup_support.h"
#include "calib/unit_identity.h"
#include "config/write_settings.h"
#include "keep/backup_texts.h"
#include "link/status_texts.h"

#include <fstream>
#include <gtest/gtest.h>

namespace zelto::keep {
namespace {

using testing::BackupBench;
using testing::Sent;
using testing::WritingOperation;
using testing::WrittenAddresses;
using Lines = std::vector<std::string>;

// The words of a memory image at the addresses of `at`, as a backup holds them.
std::vector<config::MemoryWord> WordsOf(const sim::MemoryImage& memory,
                                        const std::vector<config::MemoryWord>& at) {
  std::vector<config::MemoryWord> words;
  for (const config::MemoryWord& word : at) {
    words.push_back({word.address, {}});
    std::copy_n(memory.begin() + word.address, 4, words.back().bytes.begin());
  }
  return words;
}

// The action codes the device received, in order.
std::vector<int> Actions(const sim::Simulator& simulator) {
  std::vector<int> actions;
  for (const sim::Frame& frame : simulator.Requests()) {
    if (frame[sim::kCommandOffset] == sim::kAction)
      actions.push_back(frame[4]);
  }
  return actions;
}

class BackedUp : public ::testing::TestWithParam<WritingOperation> {};

TEST_P(BackedUp, KeepsWhatTheWordsHeldAndARestoreBringsBackEveryByte) {
  const WritingOperation& operation = GetParam();
  BackupBench bench(operation.model);
  const sim::MemoryImage before = bench.sim.Memory();
  DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Settings());
  ASSERT_TRUE(operation.run(bench, backup)) << bench.reporter.LastStatus();
  const sim::MemoryImage written = bench.sim.Memory();
  ASSERT_NE(written, before);

  const Backup kept = bench.Load(backup.SavedId());
  EXPECT_EQ(kept.time, "2026-12-07T14:15:02.123+01:00");
  EXPECT_EQ(kept.model, operation.model);
  EXPECT_EQ(kept.port, bench.sim.Path());
  EXPECT_EQ(kept.operation, operation.operation);
  const auto actions = Actions(bench.sim);
  EXPECT_EQ(kept.action ? std::vector<int>{*kept.action} : std::vector<int>{}, actions);
  // Every word the device saw written, once, in write order: as it was, and as it is now.
  EXPECT_EQ(config::AddressesOf(kept.after), WrittenAddresses(bench.sim));
  EXPECT_EQ(kept.before, WordsOf(before, kept.after));
  EXPECT_EQ(kept.after, WordsOf(written, kept.after));
  ASSERT_FALSE(kept.summary.empty());
  EXPECT_NE(kept.summary[0].find("Версия прошивки прибора"), std::string::npos);
  // The unit as the write found it: firmware and factory calibration.
  ASSERT_TRUE(kept.unit);
  EXPECT_EQ(kept.unit->firmware, WordsOf(before, {{104, {}}, {112, {}}}));
  std::vector<config::MemoryWord> calibration;
  for (const std::uint16_t address : calib::IdentityCalibrationWords(operation.model))
    calibration.push_back({address, {}});
  EXPECT_EQ(kept.unit->calibration, WordsOf(before, calibration));

  bench.Forget();
  const auto undone = bench.Undo();
  ASSERT_TRUE(undone);
  EXPECT_EQ(undone->first.id, kept.id);
  EXPECT_EQ(undone->second, RestoreOutcome::kDone) << bench.reporter.LastStatus();
  EXPECT_EQ(bench.sim.Memory(), before);
  // The operation's closing action goes out again, last.
  EXPECT_EQ(Actions(bench.sim), actions);
}

TEST_P(BackedUp, SendsAfterItsBackupExactlyWhatItSendsWithoutOne) {
  const WritingOperation& operation = GetParam();
  BackupBench plain(operation.model);
  ASSERT_TRUE(operation.run(plain, config::NoBackup()));
  const Lines unguarded = Sent(plain.sim);

  BackupBench bench(operation.model);
  DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Settings());
  ASSERT_TRUE(operation.run(bench, backup));
  const Lines sent = Sent(bench.sim);
  const Backup kept = bench.Load(backup.SavedId());
  // First the backup's reads: the firmware words, then each word to be written, once, then the
  // unit's calibration words not among them.
  Lines reads{"R 104", "R 112"};
  for (const config::MemoryWord& word : kept.after)
    reads.push_back("R " + std::to_string(word.address));
  for (const std::uint16_t address : calib::IdentityCalibrationWords(operation.model)) {
    if (std::find(reads.begin(), reads.end(), "R " + std::to_string(address)) == reads.end())
      reads.push_back("R " + std::to_string(address));
  }
  ASSERT_GE(sent.size(), reads.size());
  EXPECT_EQ(Lines(sent.begin(), sent.begin() + static_cast<std::ptrdiff_t>(reads.size())), reads);
  EXPECT_EQ(Lines(sent.begin() + static_cast<std::ptrdiff_t>(reads.size()), sent.end()), unguarded);
}

INSTANTIATE_TEST_SUITE_P(EveryWritingOperation, BackedUp,
                         ::testing::ValuesIn(testing::WritingOperations()),
                         [](const auto& info) { return info.param.name; });

TEST(Backup, ShowsItsOwnTextAndBarBeforeTheWritesAndLeavesFWritingToTheWrite) {
  BackupBench bench(testing::kDastra);
  std::vector<std::pair<std::string, bool>> statuses;
  bench.reporter.onStatus = [&](std::string_view text) {
    statuses.emplace_back(text, bench.IsWriting());
  };
  DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Settings());
  const WritingOperation write = testing::WritingOperations()[1];
  ASSERT_TRUE(write.run(bench, backup));
  EXPECT_EQ(statuses, (std::vector<std::pair<std::string, bool>>{
                          {"Резервная копия. Ждите!", false},
                          {"Резервная копия сохранена: " + backup.SavedId(), false},
                          {"Ждите завершения записи", true},
                          {"Запись завершена", true}}));
  EXPECT_FALSE(bench.IsWriting());
  // The backup's bar climbs to full, then the write's starts from empty.
  const auto& bar = bench.reporter.progress;
  const auto full = std::find(bar.begin(), bar.end(), 100);
  ASSERT_NE(full, bar.end());
  EXPECT_TRUE(std::is_sorted(bar.begin(), full + 1));
  EXPECT_GT(full - bar.begin(), 50);  // one step a word read
  ASSERT_NE(full + 1, bar.end());
  EXPECT_EQ(*(full + 1), 0);
}

TEST(Backup, OffReadsNothingAndKeepsNothing) {
  BackupBench bench(testing::kDastra);
  DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Settings(false));
  ASSERT_TRUE(testing::WritingOperations()[1].run(bench, backup));
  EXPECT_EQ(Sent(bench.sim).front().substr(0, 2), "W ");
  EXPECT_EQ(backup.SavedId(), "");
  EXPECT_TRUE(bench.store.List().backups.empty());
}

TEST(FailedBackup, WritesNothingAndSaysWhy) {
  struct Case {
    sim::Fault fault;
    BackupFailure failure;
    std::string status;  // empty: the port-gone text of the bench's port
    int requests;        // the requests the device saw, all of them reads
  };
  const Case cases[] = {
      {sim::Fault::SilentFrom(1), BackupFailure::kNoAnswer, "Прибор не отвечает", 1},
      {sim::Fault::SilentFrom(4), BackupFailure::kNoAnswer, "Прибор не отвечает", 4},
      // The fourth word asked three times, none of its replies adding up.
      {sim::Fault::BadChecksum(4, 3), BackupFailure::kBadReply, "Ошибка приема", 6},
      {sim::Fault::UnplugAt(3), BackupFailure::kPortGone, "", 3},
  };
  for (const Case& c : cases) {
    for (const auto& operation :
         {testing::WritingOperations()[1], testing::WritingOperations()[9]}) {
      SCOPED_TRACE(operation.name + " failing at request " + std::to_string(c.requests));
      BackupBench bench(operation.model);
      const sim::MemoryImage before = bench.sim.Memory();
      bench.sim.SetFault(c.fault);
      DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Settings());
      EXPECT_FALSE(operation.run(bench, backup));
      EXPECT_EQ(backup.Failure(), c.failure);
      EXPECT_EQ(bench.reporter.LastStatus(),
                c.status.empty() ? PortGoneStatus(bench.simPort, bench.sim.Path()) : c.status);
      const Lines sent = Sent(bench.sim);
      EXPECT_EQ(static_cast<int>(sent.size()), c.requests);
      EXPECT_TRUE(testing::OnlyReads(sent));
      EXPECT_FALSE(bench.IsWriting());
      EXPECT_EQ(bench.sim.Memory(), before);
      EXPECT_TRUE(bench.store.List().backups.empty());
    }
  }
}

TEST(Backup, AsksAgainForAWordWhoseReplyDoesNotAddUp) {
  BackupBench bench(testing::kDastra);
  bench.sim.SetFault(sim::Fault::BadChecksum(4, 2));  // the fourth word twice
  DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Settings());
  ASSERT_TRUE(testing::WritingOperations()[1].run(bench, backup));
  const Lines sent = Sent(bench.sim);
  EXPECT_EQ(Lines(sent.begin(), sent.begin() + 6),
            (Lines{"R 104", "R 112", "R 0", "R 8", "R 8", "R 8"}));
  const Backup kept = bench.Load(backup.SavedId());
  EXPECT_EQ(kept.before, WordsOf(testing::UsedMemory(), kept.after));
}

TEST(Backup, ThatStopsACorrectionLeavesTheRecordsCorrectionAsItWas) {
  BackupBench bench(testing::kDastra);
  config::ConfigRecord record = testing::CorrectionRecord(testing::kDastra);
  record.Au = 1.25f;
  record.Bu = -3.0f;
  bench.sim.SetFault(sim::Fault::SilentFrom(1));
  DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Settings());
  EEImage image{};
  EXPECT_EQ(config::WriteCorrection(bench.link, bench.reporter, record, testing::kDastra, false, {},
                                    image, backup),
            config::DeviceOutcome::kStopped);
  EXPECT_EQ(record.Au, 1.25f);
  EXPECT_EQ(record.Bu, -3.0f);
  EXPECT_EQ(Sent(bench.sim), (Lines{"R 104"}));
}

TEST(Backup, ThatCannotBeSavedWritesNothing) {
  BackupBench bench(testing::kDastra);
  // A file where the folder should be.
  std::ofstream(bench.folder.PathOf("backups")) << "in the way";
  const sim::MemoryImage before = bench.sim.Memory();
  DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Settings());
  EXPECT_FALSE(testing::WritingOperations()[1].run(bench, backup));
  EXPECT_EQ(backup.Failure(), BackupFailure::kNotSaved);
  EXPECT_EQ(bench.reporter.LastStatus(), "Резервная копия не сохранена");
  EXPECT_EQ(bench.sim.Memory(), before);
}

}  // namespace
}  // namespace zelto::keep
