// Writes of the changed words only, against the simulated transmitter: what each writing
// operation sends to a unit that holds part of it, all of it, and what its undo sends back.
#include "backup_support.h"
#include "config/device_outcome.h"
#include "config/write_settings.h"
#include "keep/write_verification.h"

#include <gtest/gtest.h>

namespace zelto::keep {
namespace {

using testing::BackupBench;
using testing::Configured;
using testing::Sent;
using testing::WritingOperation;
using testing::WrittenAddresses;
using Lines = std::vector<std::string>;

constexpr int kDastra = testing::kDastra;
constexpr int kCopperW1428 = 4;
constexpr std::string_view kAlreadyHeld = "Прибор уже содержит эту конфигурацию";

// The writes and actions among the requests, in order: what changes the device.
Lines WritesAndActions(const Lines& sent) {
  Lines writes;
  std::copy_if(sent.begin(), sent.end(), std::back_inserter(writes),
               [](const std::string& s) { return s.starts_with("W ") || s.starts_with("A "); });
  return writes;
}

std::uint16_t AddressOf(const std::string& write) {
  return static_cast<std::uint16_t>(std::stoi(write.substr(2)));
}

bool SameWord(const sim::MemoryImage& a, const sim::MemoryImage& b, std::uint16_t address) {
  return std::equal(a.begin() + address, a.begin() + address + 4, b.begin() + address);
}

// A word write as the simulator's requests describe it.
std::string WriteLine(const config::MemoryWord& word) {
  char text[32];
  std::snprintf(text, sizeof text, "W %d: %02x %02x %02x %02x", word.address, word.bytes[0],
                word.bytes[1], word.bytes[2], word.bytes[3]);
  return text;
}

std::string ActionLine(std::uint8_t action) {
  char text[8];
  std::snprintf(text, sizeof text, "A %02x", action);
  return text;
}

BackupSettings ChangedOnly(BackupSettings settings) {
  settings.changedOnly = true;
  return settings;
}

// What the operation's full sequence leaves on a unit, its writes and actions, and the
// addresses it writes to, once each.
struct FullWrite {
  sim::MemoryImage memory;
  Lines writes;
  std::vector<std::uint16_t> addresses;
};

FullWrite RunFull(const WritingOperation& operation, const sim::MemoryImage& on) {
  BackupBench bench(operation.model);
  bench.sim.LoadMemory(on);
  EXPECT_TRUE(operation.run(bench, config::NoBackup()));
  return {bench.sim.Memory(), WritesAndActions(Sent(bench.sim)), WrittenAddresses(bench.sim)};
}

class ChangedWords : public ::testing::TestWithParam<WritingOperation> {};

TEST_P(ChangedWords, GoOutWithTheLastWordAndTheActionAndTheUndoPutsBackEveryByte) {
  const WritingOperation& operation = GetParam();
  const FullWrite onUsed = RunFull(operation, testing::UsedMemory());
  const sim::MemoryImage& written = onUsed.memory;
  // A unit that holds part of it already: every third word the operation writes, from the
  // first, is as the used memory had it; the last word is held, yet goes out.
  sim::MemoryImage held = written;
  const auto& addresses = onUsed.addresses;
  for (std::size_t i = 0; i + 1 < addresses.size(); i += 3)
    std::copy_n(testing::UsedMemory().begin() + addresses[i], 4, held.begin() + addresses[i]);
  const FullWrite full = RunFull(operation, held);

  // The full sequence's writes to a word the unit holds otherwise than the write leaves it
  // (every write of a word written twice), then the last write whatever it holds, and the action.
  Lines expected;
  const auto lastWrite = std::find_if(full.writes.rbegin(), full.writes.rend(),
                                      [](const std::string& s) { return s.starts_with("W "); });
  for (auto write = full.writes.begin(); write != full.writes.end(); ++write) {
    const bool last = write == std::prev(lastWrite.base());
    if (write->starts_with("A ") || last || !SameWord(held, written, AddressOf(*write)))
      expected.push_back(*write);
  }

  BackupBench bench(operation.model);
  bench.sim.LoadMemory(held);
  const BackupSettings settings = ChangedOnly(bench.Settings());
  DeviceBackup backup(bench.link, bench.reporter, bench.store, settings);
  VerifyingGuard verifying(backup);
  ASSERT_TRUE(operation.run(bench, verifying)) << bench.reporter.LastStatus();
  EXPECT_EQ(WritesAndActions(Sent(bench.sim)), expected);
  EXPECT_EQ(bench.sim.Memory(), full.memory);

  // The backup holds the words sent, and the check reads back those alone.
  const Backup kept = bench.Load(backup.SavedId());
  EXPECT_TRUE(kept.changedOnly);
  const auto sent = WrittenAddresses(bench.sim);
  EXPECT_EQ(config::AddressesOf(kept.after), sent);
  bench.sim.ClearRequests();
  EXPECT_EQ(verifying.Verify(bench.link, bench.reporter).outcome, VerifyOutcome::kVerified);
  Lines readBack;
  for (const std::uint16_t address : sent)
    readBack.push_back("R " + std::to_string(address));
  EXPECT_EQ(Sent(bench.sim), readBack);

  // The undo writes back what the write changed, the last word and the action again.
  bench.Forget();
  Restorer restorer(bench.link, bench.reporter, bench.store, settings);
  const auto choice = restorer.FindUndo();
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->backup.id, kept.id);
  EXPECT_EQ(restorer.Restore(choice->backup, false), RestoreOutcome::kDone);
  EXPECT_EQ(bench.sim.Memory(), held);
  Lines undone;
  for (const config::MemoryWord& word : kept.before)
    undone.push_back(WriteLine(word));
  if (kept.action)
    undone.push_back(ActionLine(*kept.action));
  EXPECT_EQ(WritesAndActions(Sent(bench.sim)), undone);
  EXPECT_EQ(restorer.Written(), kept.before);
}

TEST_P(ChangedWords, NoneLeaveAUnitThatHoldsItAllUntouchedAndUnbackedWhileTheFullWriteSendsAll) {
  const WritingOperation& operation = GetParam();
  const FullWrite full = RunFull(operation, testing::UsedMemory());

  BackupBench bench(operation.model);
  bench.sim.LoadMemory(full.memory);
  DeviceBackup backup(bench.link, bench.reporter, bench.store, ChangedOnly(bench.Settings()));
  VerifyingGuard verifying(backup);
  ASSERT_TRUE(operation.run(bench, verifying)) << bench.reporter.LastStatus();
  EXPECT_TRUE(testing::OnlyReads(Sent(bench.sim)));
  EXPECT_EQ(bench.reporter.LastStatus(), kAlreadyHeld);
  EXPECT_EQ(backup.SavedId(), "");
  EXPECT_TRUE(bench.store.List().backups.empty());
  // Nothing written, nothing to read back: the text stays.
  bench.sim.ClearRequests();
  EXPECT_EQ(verifying.Verify(bench.link, bench.reporter).outcome, VerifyOutcome::kVerified);
  EXPECT_TRUE(Sent(bench.sim).empty());
  EXPECT_EQ(bench.reporter.LastStatus(), kAlreadyHeld);

  // Without the option the same unit gets the whole sequence, byte for byte.
  bench.Forget();
  DeviceBackup plain(bench.link, bench.reporter, bench.store, bench.Settings());
  ASSERT_TRUE(operation.run(bench, plain));
  EXPECT_EQ(WritesAndActions(Sent(bench.sim)), full.writes);
}

INSTANTIATE_TEST_SUITE_P(EveryWritingOperation, ChangedWords,
                         ::testing::ValuesIn(testing::WritingOperations()),
                         [](const auto& info) { return info.param.name; });

// A copper thermometer of W100 = 1.428 written at 0..100, then its range edited.
struct RangeEdit : BackupBench {
  RangeEdit() : BackupBench(kDastra) {
    EXPECT_EQ(Write(100, config::NoBackup()), config::DeviceOutcome::kDone);
    original = sim.Memory();
    Forget();
  }
  config::DeviceOutcome Write(int high, config::WriteGuard& guard) {
    config::ConfigRecord record = Configured(kDastra, kCopperW1428);
    testing::SetRange(record, 0, high);
    return config::WriteConfiguration(link, reporter, record, kDastra, false, {}, guard);
  }

  sim::MemoryImage original;
};

TEST(ChangedWordsOfARangeEdit, AreTheRangeWordAndTheEndMarkerWithTheBarOverThem) {
  RangeEdit bench;
  DeviceBackup backup(bench.link, bench.reporter, bench.store, ChangedOnly(bench.Settings(false)));
  ASSERT_EQ(bench.Write(150, backup), config::DeviceOutcome::kDone);
  const Lines sent = Sent(bench.sim);
  ASSERT_EQ(sent.size(), 112u);
  EXPECT_EQ(Lines(sent.end() - 2, sent.end()), (Lines{"W 20: 96 00 00 00", "W 124: ff ff ff 00"}));
  // With backups off the words are read first all the same: the firmware words, the 95 the
  // write sends and the unit's 13 identity words. Nothing is kept.
  EXPECT_TRUE(testing::OnlyReads(Lines(sent.begin(), sent.end() - 2)));
  EXPECT_EQ(bench.reporter.statuses,
            (Lines{"Проверка прибора. Ждите!", "Ждите завершения записи", "Запись завершена"}));
  EXPECT_TRUE(bench.store.List().backups.empty());
  // The write's bar, from empty, a half a word.
  const auto& bar = bench.reporter.progress;
  const auto empty = std::find(bar.rbegin(), bar.rend(), 0);
  EXPECT_EQ(std::vector<int>(empty.base() - 1, bar.end()), (std::vector<int>{0, 50, 100, 100}));
}

TEST(ChangedWordsOfARangeEdit, AreAllTheUndoOfAFullWriteSendsAndARestoreOfNoneSendsNothing) {
  RangeEdit bench;
  DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Settings());
  ASSERT_EQ(bench.Write(150, backup), config::DeviceOutcome::kDone);
  const Backup full = bench.Load(backup.SavedId());
  ASSERT_FALSE(full.changedOnly);

  bench.Forget();
  const BackupSettings settings = ChangedOnly(bench.Settings());
  EXPECT_EQ(Restorer(bench.link, bench.reporter, bench.store, settings).Restore(full, false),
            RestoreOutcome::kDone);
  EXPECT_EQ(bench.sim.Memory(), bench.original);
  EXPECT_EQ(WritesAndActions(Sent(bench.sim)), (Lines{"W 20: 64 00 00 00", "W 124: ff ff ff 00"}));
  const Backup own = bench.store.List().backups.front();
  EXPECT_EQ(own.operation, config::WriteOperation::kRestore);
  EXPECT_TRUE(own.changedOnly);
  EXPECT_EQ(config::AddressesOf(own.after), (std::vector<std::uint16_t>{20, 124}));

  // Forced onto a unit that holds what it would write back: nothing goes out, nothing is kept.
  bench.Forget();
  Restorer again(bench.link, bench.reporter, bench.store, settings);
  EXPECT_EQ(again.Restore(full, true), RestoreOutcome::kDone);
  EXPECT_TRUE(testing::OnlyReads(Sent(bench.sim)));
  EXPECT_EQ(bench.reporter.LastStatus(), kAlreadyHeld);
  EXPECT_EQ(again.SavedId(), "");
  EXPECT_TRUE(again.Written().empty());
  EXPECT_EQ(bench.store.List().backups.size(), 2u);
}

}  // namespace
}  // namespace zelto::keep
