// Undo and restore against the simulated transmitter.
#include "backup_support.h"
#include "keep/backup_texts.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

namespace zelto::keep {
namespace {

using testing::BackupBench;
using testing::Configured;
using testing::OnlyReads;
using testing::Sent;
using Lines = std::vector<std::string>;

constexpr int kDastra = testing::kDastra;

// Writes sensor `sensor` to the bench's Dastra-2 with a backup; the backup's id.
std::string WriteSensor(BackupBench& bench, int sensor) {
  config::ConfigRecord record = Configured(kDastra, sensor);
  DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Settings());
  EXPECT_EQ(
      config::WriteConfiguration(bench.link, bench.reporter, record, kDastra, false, {}, backup),
      config::DeviceOutcome::kDone);
  return backup.SavedId();
}

TEST(Undo, WalksBackOneWriteAtATimeAndARestoreOfTheRestoreRedoes) {
  BackupBench bench(kDastra);
  const sim::MemoryImage original = bench.sim.Memory();
  const std::string first = WriteSensor(bench, 11);
  const sim::MemoryImage afterFirst = bench.sim.Memory();
  const std::string second = WriteSensor(bench, 4);  // copper: more table words than type K
  const sim::MemoryImage afterSecond = bench.sim.Memory();

  const auto undoSecond = bench.Undo();
  ASSERT_TRUE(undoSecond);
  EXPECT_EQ(undoSecond->first.id, second);
  EXPECT_EQ(undoSecond->second, RestoreOutcome::kDone);
  EXPECT_EQ(bench.sim.Memory(), afterFirst);

  const auto undoFirst = bench.Undo();
  ASSERT_TRUE(undoFirst);
  EXPECT_EQ(undoFirst->first.id, first);
  EXPECT_EQ(undoFirst->second, RestoreOutcome::kDone);
  EXPECT_EQ(bench.sim.Memory(), original);

  EXPECT_FALSE(bench.Undo());

  // The restores kept backups of their own; restoring the newest one redoes the first write.
  const auto backups = bench.store.List().backups;
  ASSERT_EQ(backups.size(), 4u);
  const Backup& lastRestore = backups.front();
  EXPECT_EQ(lastRestore.operation, config::WriteOperation::kRestore);
  EXPECT_EQ(lastRestore.before, bench.Load(first).after);
  EXPECT_EQ(lastRestore.after, bench.Load(first).before);
  EXPECT_EQ(bench.Restore(lastRestore), RestoreOutcome::kDone);
  EXPECT_EQ(bench.sim.Memory(), afterFirst);
  EXPECT_EQ(bench.Restore(bench.Load(second)), RestoreOutcome::kDeviceDiffers);
  EXPECT_EQ(bench.Restore(bench.store.List().backups[2]), RestoreOutcome::kDone);  // redo 2
  EXPECT_EQ(bench.sim.Memory(), afterSecond);
}

TEST(Restore, RefusesADeviceThatHoldsSomethingElseUnlessForced) {
  BackupBench bench(kDastra);
  const sim::MemoryImage original = bench.sim.Memory();
  const Backup written = bench.Load(WriteSensor(bench, 11));
  // Someone changed the range since.
  sim::MemoryImage changed = bench.sim.Memory();
  testing::PutWord(changed, 16, 123);
  bench.sim.LoadMemory(changed);

  bench.Forget();
  EXPECT_EQ(bench.Restore(written), RestoreOutcome::kDeviceDiffers);
  EXPECT_EQ(bench.reporter.LastStatus(), "Прибор содержит другую конфигурацию");
  EXPECT_TRUE(OnlyReads(Sent(bench.sim)));
  EXPECT_EQ(bench.sim.Memory(), changed);
  EXPECT_EQ(bench.store.List().backups.size(), 1u);  // no restore's backup either

  EXPECT_EQ(bench.Restore(written, true), RestoreOutcome::kDone);
  EXPECT_EQ(bench.sim.Memory(), original);
  // What the device held instead is kept, so the forced restore can be undone in turn.
  const Backup own = bench.store.List().backups.front();
  EXPECT_EQ(own.operation, config::WriteOperation::kRestore);
  EXPECT_EQ(own.before[2], (config::MemoryWord{16, {123, 0, 0, 0}}));
}

TEST(Restore, RefusesABackupOfAnotherModelWithoutAWord) {
  BackupBench dastra(kDastra);
  const Backup written = dastra.Load(WriteSensor(dastra, 11));
  BackupBench table(testing::kTableModel);
  const sim::MemoryImage before = table.sim.Memory();
  EXPECT_EQ(table.Restore(written), RestoreOutcome::kOtherModel);
  EXPECT_EQ(table.reporter.LastStatus(), "Резервная копия другого прибора");
  EXPECT_TRUE(Sent(table.sim).empty());
  EXPECT_EQ(table.sim.Memory(), before);
}

TEST(Restore, WithBackupsOffChecksTheDeviceAndKeepsNothing) {
  BackupBench bench(kDastra);
  const sim::MemoryImage original = bench.sim.Memory();
  const Backup written = bench.Load(WriteSensor(bench, 11));
  bench.Forget();
  Restorer restorer(bench.link, bench.reporter, bench.store, bench.Settings(false));
  EXPECT_EQ(restorer.Restore(written, false), RestoreOutcome::kDone);
  EXPECT_EQ(bench.reporter.statuses.front(), "Проверка прибора. Ждите!");
  EXPECT_EQ(restorer.SavedId(), "");
  EXPECT_EQ(bench.store.List().backups.size(), 1u);
  EXPECT_EQ(bench.sim.Memory(), original);
  // The check reads each written word and the unit's identity once, and nothing more before the
  // writes.
  const Lines sent = Sent(bench.sim);
  EXPECT_EQ(std::count_if(sent.begin(), sent.end(),
                          [](const std::string& s) { return s.starts_with("R "); }),
            static_cast<long>(written.after.size() + IdentityAddresses(kDastra).size()));
}

TEST(Restore, ThatCannotReadTheDeviceWritesNothing) {
  BackupBench bench(kDastra);
  const Backup written = bench.Load(WriteSensor(bench, 11));
  const sim::MemoryImage before = bench.sim.Memory();
  bench.Forget();
  bench.sim.SetFault(sim::Fault::BadChecksum(1));
  Restorer restorer(bench.link, bench.reporter, bench.store, bench.Settings());
  EXPECT_EQ(restorer.Restore(written, true), RestoreOutcome::kStopped);
  EXPECT_EQ(restorer.Failure(), BackupFailure::kBadReply);
  EXPECT_EQ(bench.reporter.LastStatus(), "Ошибка приема");
  EXPECT_TRUE(OnlyReads(Sent(bench.sim)));
  EXPECT_EQ(bench.sim.Memory(), before);
}

// The words of a memory at the addresses of the backup's written words.
std::vector<config::MemoryWord> HeldAt(const sim::MemoryImage& memory, const Backup& backup) {
  std::vector<config::MemoryWord> words;
  for (const config::MemoryWord& word : backup.after) {
    words.push_back({word.address, {}});
    std::copy_n(memory.begin() + word.address, 4, words.back().bytes.begin());
  }
  return words;
}

// Two units of a model with their own factory calibration, written alike one after the other
// on one bench port.
TEST(Undo, TakesBackEachUnitsOwnWriteAndRestoresAnotherUnitsOnlyWhenForced) {
  BackupBench bench(kDastra);
  const sim::MemoryImage unitA = bench.sim.Memory();
  sim::MemoryImage unitB = testing::AnotherUnit(unitA);
  testing::PutWord(unitB, 16, 123);  // holding another range before the write
  const std::string writtenA = WriteSensor(bench, 11);
  const sim::MemoryImage afterA = bench.sim.Memory();
  bench.sim.LoadMemory(unitB);
  const std::string writtenB = WriteSensor(bench, 11);
  const sim::MemoryImage afterB = bench.sim.Memory();
  ASSERT_EQ(HeldAt(afterA, bench.Load(writtenA)), HeldAt(afterB, bench.Load(writtenA)));

  for (const auto& [unit, after, written] :
       {std::tuple{unitA, afterA, writtenA}, std::tuple{unitB, afterB, writtenB}}) {
    bench.sim.LoadMemory(after);
    const auto undone = bench.Undo();
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->first.id, written);
    EXPECT_EQ(undone->second, RestoreOutcome::kDone);
    EXPECT_EQ(bench.sim.Memory(), unit);
  }

  bench.sim.LoadMemory(afterB);
  bench.Forget();
  const Backup ofA = bench.Load(writtenA);
  EXPECT_EQ(bench.Restore(ofA), RestoreOutcome::kOtherUnit);
  EXPECT_EQ(bench.reporter.LastStatus(), "Резервная копия снята с другого экземпляра прибора");
  EXPECT_TRUE(OnlyReads(Sent(bench.sim)));
  EXPECT_EQ(bench.sim.Memory(), afterB);
  EXPECT_EQ(bench.Restore(ofA, true), RestoreOutcome::kDone);
  EXPECT_EQ(HeldAt(bench.sim.Memory(), ofA), ofA.before);
}

TEST(Undo, OfAUnitWithoutBackupsOffersAnotherUnitsWriteOnlyAsAnotherUnits) {
  BackupBench bench(kDastra);
  const std::string written = WriteSensor(bench, 11);
  bench.sim.LoadMemory(testing::AnotherUnit(bench.sim.Memory()));
  Restorer restorer(bench.link, bench.reporter, bench.store, bench.Settings());
  const auto choice = restorer.FindUndo();
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->backup.id, written);
  EXPECT_FALSE(choice->sameUnit);
  EXPECT_EQ(bench.reporter.LastStatus(), "Резервная копия снята с другого экземпляра прибора");
}

// Uncalibrated units hold the same neutral calibration: nothing tells which write each had.
TEST(Undo, ThatCannotTellUnitsWrittenAlikeApartLeavesTheChoiceToTheUser) {
  BackupBench bench(kDastra);
  const sim::MemoryImage unitA = bench.sim.Memory();
  sim::MemoryImage unitB = unitA;
  testing::PutWord(unitB, 16, 123);
  const std::string writtenA = WriteSensor(bench, 11);
  bench.sim.LoadMemory(unitB);
  const std::string writtenB = WriteSensor(bench, 11);
  const sim::MemoryImage written = bench.sim.Memory();

  bench.Forget();
  Restorer restorer(bench.link, bench.reporter, bench.store, bench.Settings());
  const auto choice = restorer.FindUndo();
  ASSERT_TRUE(choice);
  std::vector<std::string> ids;
  for (const Backup& candidate : choice->candidates)
    ids.push_back(candidate.id);
  EXPECT_EQ(ids, (std::vector<std::string>{writtenB, writtenA}));
  EXPECT_EQ(bench.reporter.LastStatus(), "Несколько резервных копий подходят: укажите ID");
  EXPECT_TRUE(OnlyReads(Sent(bench.sim)));
  EXPECT_EQ(bench.sim.Memory(), written);

  EXPECT_EQ(bench.Restore(bench.Load(writtenA)), RestoreOutcome::kDone);
  EXPECT_EQ(bench.sim.Memory(), unitA);
}

// A unit written there and back again: its last write is the one to take back, and an older
// write of the same words is no rival, since a later backup found the unit as it left it.
TEST(Undo, OfAUnitWrittenThereAndBackTakesBackItsLastWrite) {
  BackupBench bench(kDastra);
  WriteSensor(bench, 11);
  WriteSensor(bench, 4);
  const sim::MemoryImage copper = bench.sim.Memory();
  const std::string last = WriteSensor(bench, 11);
  Restorer restorer(bench.link, bench.reporter, bench.store, bench.Settings());
  const auto choice = restorer.FindUndo();
  ASSERT_TRUE(choice);
  EXPECT_TRUE(choice->candidates.empty());
  EXPECT_EQ(choice->backup.id, last);
  EXPECT_EQ(restorer.Restore(choice->backup, false), RestoreOutcome::kDone);
  EXPECT_EQ(bench.sim.Memory(), copper);
}

TEST(Restore, OfABackupWithoutAnIdentityGoesByIdOnly) {
  BackupBench bench(kDastra);
  const sim::MemoryImage original = bench.sim.Memory();
  const std::string written = WriteSensor(bench, 11);
  // As a file of an earlier version holds it.
  Backup earlier = bench.Load(written);
  earlier.unit.reset();
  std::filesystem::remove(bench.store.Folder() + "/" + written + ".json");
  ASSERT_EQ(bench.store.Save(earlier), BackupStore::SaveOutcome::kSaved);

  EXPECT_FALSE(bench.Undo());
  EXPECT_EQ(bench.reporter.LastStatus(), "Нет записи для отмены");
  EXPECT_EQ(bench.Restore(bench.Load(earlier.id)), RestoreOutcome::kDone);
  EXPECT_EQ(bench.sim.Memory(), original);
}

TEST(Restore, RefusesABackupThatNamesWhatItsOperationDoesNotWriteBeforeSendingAnything) {
  BackupBench bench(kDastra);
  Backup edited = bench.Load(WriteSensor(bench, 11));
  edited.before.push_back({104, {1, 2, 3, 4}});
  edited.after.push_back({104, {0x11, 0, 4, 2}});
  const sim::MemoryImage before = bench.sim.Memory();
  for (const bool force : {false, true}) {
    bench.Forget();
    EXPECT_EQ(bench.Restore(edited, force), RestoreOutcome::kBadBackup);
    EXPECT_EQ(bench.reporter.LastStatus(), "Неверный формат резервной копии");
    EXPECT_TRUE(Sent(bench.sim).empty());
    EXPECT_EQ(bench.sim.Memory(), before);
  }
}

TEST(Undo, PassesOverBackupsOfOtherModelsAndWritesThatChangedNothing) {
  BackupBench bench(kDastra);
  const sim::MemoryImage original = bench.sim.Memory();
  const std::string written = WriteSensor(bench, 11);
  WriteSensor(bench, 11);  // the same again: nothing to undo there
  // A table model's backup of the same words, newer still.
  Backup other = bench.Load(written);
  other.model = testing::kTableModel;
  other.time = "2099-01-01T00:00:00.000+00:00";
  ASSERT_EQ(bench.store.Save(other), BackupStore::SaveOutcome::kSaved);

  const auto undone = bench.Undo();
  ASSERT_TRUE(undone);
  EXPECT_EQ(undone->first.id, written);
  EXPECT_EQ(bench.sim.Memory(), original);
}

}  // namespace
}  // namespace zelto::keep
