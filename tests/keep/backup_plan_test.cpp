// What a backup may make a restore write: the words and action of its operation's plan, nothing
// else, whatever a hand-edited file says.
#include "keep/backup_plan.h"

#include "backup_support.h"

#include <gtest/gtest.h>

namespace zelto::keep {
namespace {

using testing::BackupBench;
using testing::WritingOperation;

// The backup a writing operation's guard keeps, and the one the undo of it keeps.
std::pair<Backup, Backup> BackupAndItsRestore(const WritingOperation& operation) {
  BackupBench bench(operation.model);
  DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Settings());
  EXPECT_TRUE(operation.run(bench, backup));
  const Backup kept = bench.Load(backup.SavedId());
  Restorer restorer(bench.link, bench.reporter, bench.store, bench.Settings());
  EXPECT_EQ(restorer.Restore(kept, false), RestoreOutcome::kDone);
  return {kept, bench.Load(restorer.SavedId())};
}

class Planned : public ::testing::TestWithParam<WritingOperation> {};

TEST_P(Planned, EveryBackupAndItsRestoresFollowTheirPlans) {
  const auto [kept, restore] = BackupAndItsRestore(GetParam());
  EXPECT_EQ(BackupPlanFault(kept), std::nullopt);
  EXPECT_EQ(BackupPlanFault(restore), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(EveryWritingOperation, Planned,
                         ::testing::ValuesIn(testing::WritingOperations()),
                         [](const auto& info) { return info.param.name; });

// An edit of a backup, as a user or another machine might make it.
struct Edit {
  std::string name;
  std::function<void(Backup&)> edit;
  // Nothing: the backup still follows its plan; empty: it does not, for whatever reason.
  std::optional<std::string> fault;

  friend void PrintTo(const Edit& e, std::ostream* out) { *out << e.name; }
};

void Add(Backup& backup, std::uint16_t address) {
  backup.before.push_back({address, {1, 2, 3, 4}});
  backup.after.push_back({address, {5, 6, 7, 8}});
}

void Erase(Backup& backup, std::size_t index) {
  backup.before.erase(backup.before.begin() + static_cast<std::ptrdiff_t>(index));
  backup.after.erase(backup.after.begin() + static_cast<std::ptrdiff_t>(index));
}

std::vector<Edit> Edits() {
  return {
      {"FirmwareWord", [](Backup& b) { Add(b, 104); }, "word 104 is not one that \"write\" writes"},
      {"CalibrationWord", [](Backup& b) { Add(b, 32); },
       "word 32 is not one that \"write\" writes"},
      {"EveryWord",
       [](Backup& b) {
         b.before.clear();
         b.after.clear();
         for (std::uint16_t address = 0; address < 512; address += 4)
           Add(b, address);
       },
       "word 4 is not one that \"write\" writes"},
      {"MissingWord", [](Backup& b) { Erase(b, 3); },
       "word 20, which \"write\" writes, is missing"},
      {"OutOfOrder",
       [](Backup& b) {
         std::swap(b.before[2], b.before[3]);
         std::swap(b.after[2], b.after[3]);
       },
       "its words are not in the order \"write\" writes them"},
      {"AnotherAction", [](Backup& b) { b.action = 0x99; },
       "\"write\" closes with no action, not action 0x99"},
      {"AnotherSensorsTables",
       [](Backup& b) { b.after[1].bytes[0] = 4; },  // the state word names copper
       ""},
      {"ChangedOnlyPart",
       [](Backup& b) {
         b.changedOnly = true;
         Erase(b, 3);
         Erase(b, 0);
       },
       std::nullopt},
      {"ChangedOnlyOutOfOrder",
       [](Backup& b) {
         b.changedOnly = true;
         std::swap(b.before[2], b.before[3]);
         std::swap(b.after[2], b.after[3]);
       },
       "its words are not in the order \"write\" writes them"},
      {"RestoreOfTheWrite",
       [](Backup& b) {
         b.operation = config::WriteOperation::kRestore;
         std::swap(b.before, b.after);
       },
       std::nullopt},
      {"RestoreWithAnAction",
       [](Backup& b) {
         b.operation = config::WriteOperation::kRestore;
         b.action = 0x99;
       },
       "its words and action are not those of any operation on this model"},
  };
}

class EditedBackup : public ::testing::TestWithParam<Edit> {};

TEST_P(EditedBackup, IsRefusedUnlessItStillFollowsItsPlan) {
  static const Backup written =
      BackupAndItsRestore(testing::WritingOperations()[1]).first;  // type K on a Dastra-2
  Backup edited = written;
  GetParam().edit(edited);
  const auto fault = BackupPlanFault(edited);
  if (GetParam().fault && GetParam().fault->empty())
    EXPECT_TRUE(fault);
  else
    EXPECT_EQ(fault, GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(Edits, EditedBackup, ::testing::ValuesIn(Edits()),
                         [](const auto& info) { return info.param.name; });

TEST(BackupPlan, OfACorrectionOrACalibrationHoldsItsOwnWordsAndActionOnly) {
  Backup correction;
  correction.model = testing::kDastra;
  correction.operation = config::WriteOperation::kCorrect;
  correction.action = 0x20;
  Add(correction, 84);
  Add(correction, 88);
  EXPECT_EQ(BackupPlanFault(correction), std::nullopt);
  correction.action = 0x21;
  EXPECT_EQ(BackupPlanFault(correction), "\"correct\" closes with action 0x20, not action 0x21");
  correction.action = 0x20;
  Add(correction, 0);
  EXPECT_EQ(BackupPlanFault(correction), "word 0 is not one that \"correct\" writes");

  // Velmor-7 has no correction words: its correction sends the action alone.
  correction.model = testing::kVelmor;
  correction.before.clear();
  correction.after.clear();
  EXPECT_EQ(BackupPlanFault(correction), std::nullopt);
  Add(correction, 56);
  EXPECT_EQ(BackupPlanFault(correction), "word 56 is not one that \"correct\" writes");
}

}  // namespace
}  // namespace zelto::keep
