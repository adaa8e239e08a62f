// zelto-cli's backups before every write, backups and restore, against a simulator of the
// test's own. What a backup holds and when a restore is refused: the backup tests.
#include "config/configuration_plans.h"
#include "keep/backup.h"
#include "keep/backup_store.h"
#include "sim/simulator.h"
#include "tool_test_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace zelto::cli {
namespace {

const Lines kWriteK{"write", "--sensor", "11", "--range", "-50..600"};

bool Has(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// A Dastra-2 simulator, and a data folder of the test's own for the tool's backups.
class ToolBackups : public ::testing::Test, protected OwnDataFolder {
 protected:
  ProgramResult Run(Lines arguments, sim::Simulator* device = nullptr) {
    arguments.insert(arguments.begin(), {"--port", (device ? *device : sim_).Path(), "--model",
                                         "dastra-2", "--timeout-scale", "0.05"});
    return RunProgram(kCli, arguments);
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> files;
    if (std::filesystem::exists(BackupFolder())) {
      for (const auto& entry : std::filesystem::directory_iterator(BackupFolder())) {
        if (entry.path().extension() == ".json")  // not the lock that pruning takes
          files.push_back(entry.path().filename().string());
      }
    }
    return files;
  }
  keep::Backup FileOf(const std::string& id) const {
    const std::string text = testing::Contents(BackupFolder() + "/" + id + ".json");
    auto parsed = keep::BackupFromJson(text);
    EXPECT_TRUE(std::holds_alternative<keep::Backup>(parsed)) << text;
    return std::holds_alternative<keep::Backup>(parsed) ? std::get<keep::Backup>(parsed)
                                                        : keep::Backup{};
  }

  sim::Simulator sim_{kDastra};
};

// Whether the device saw any word written since its requests were last cleared.
bool AnyWordWritten(const sim::Simulator& device) {
  const auto requests = device.Requests();
  return std::any_of(requests.begin(), requests.end(), [](const sim::Frame& frame) {
    return frame[sim::kCommandOffset] == sim::kWriteWord;
  });
}

// The same memory in another unit of the model: its factory calibration differs.
sim::MemoryImage AnotherUnit(sim::MemoryImage memory) {
  memory[48] ^= 0x5A;  // a calibration reference word
  return memory;
}

// The memory with another range in word 16: what a unit held before a write differs.
sim::MemoryImage AnotherRange(sim::MemoryImage memory) {
  memory[16] ^= 0x21;
  return memory;
}

// The requests the device saw, as "W 20", "R 20" and "A 21".
Lines Requests(const sim::Simulator& device) {
  Lines requests;
  for (const sim::Frame& frame : device.Requests()) {
    const auto command = frame[sim::kCommandOffset];
    if (command == sim::kWriteWord || command == sim::kReadWord)
      requests.push_back((command == sim::kWriteWord ? "W " : "R ") +
                         std::to_string(sim::AddressOf(frame)));
    else if (command == sim::kAction)
      requests.push_back("A " + std::to_string(frame[4]));
  }
  return requests;
}

// The id the tool named in its status.
std::string SavedId(const ProgramResult& result) {
  const std::string prefix = "Резервная копия сохранена: ";
  for (const std::string& line : LinesOf(result.err)) {
    if (line.starts_with(prefix))
      return line.substr(prefix.size());
  }
  return {};
}

TEST_F(ToolBackups, AWriteKeepsABackupThatBackupsListsAndRestoreWritesBack) {
  const sim::MemoryImage original = sim_.Memory();
  const ProgramResult written = Run(kWriteK);
  ASSERT_EQ(written.exitCode, 0) << written.err;
  const std::string id = SavedId(written);
  const Lines statuses = LinesOf(written.err);
  ASSERT_GE(statuses.size(), 6u);
  EXPECT_EQ(
      Lines(statuses.end() - 6, statuses.end()),
      (Lines{"Порт открыт", "Прибор подключен", "Резервная копия. Ждите!",
             "Резервная копия сохранена: " + id, "Ждите завершения записи", "Запись завершена"}));
  const std::string port = sim_.Path().substr(sim_.Path().rfind('/') + 1);
  EXPECT_NE(id.find("-" + port + "-"), std::string::npos) << id;
  EXPECT_EQ(Files(), (std::vector<std::string>{id + ".json"}));

  const keep::Backup file = FileOf(id);
  EXPECT_EQ(file.id, id);
  EXPECT_EQ(file.model, kDastra);
  EXPECT_EQ(file.port, sim_.Path());
  EXPECT_EQ(file.operation, config::WriteOperation::kWrite);
  EXPECT_EQ(file.summary, (Lines{"Dastra-2  Версия прошивки прибора 02.04.0017 от 14.03.2022",
                                 "Прибор не конфигурирован"}));

  const ProgramResult listed = RunProgram(kCli, {"backups"});
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  EXPECT_EQ(LinesOf(listed.out),
            (Lines{id + "\t" + file.time + "\tdastra-2\twrite\t" + file.summary[0]}));

  const ProgramResult restored = Run({"restore", id});
  EXPECT_EQ(restored.exitCode, 0) << restored.err;
  EXPECT_EQ(sim_.Memory(), original);
  // What the device holds now, as read prints it.
  EXPECT_EQ(LinesOf(restored.out), file.summary);
  EXPECT_EQ(LastLine(restored.err), "Чтение завершено");
  EXPECT_EQ(Files().size(), 2u);  // the restore's own backup
}

// Walking back several writes: the undo tests.
TEST_F(ToolBackups, RestoreWithoutAnIdUndoesTheLastWrite) {
  const sim::MemoryImage original = sim_.Memory();
  const std::string id = SavedId(Run(kWriteK));
  const ProgramResult undone = Run({"restore"});
  EXPECT_EQ(undone.exitCode, 0) << undone.err;
  EXPECT_TRUE(Has(LinesOf(undone.err), "Восстановление " + id)) << undone.err;
  EXPECT_EQ(sim_.Memory(), original);

  const ProgramResult nothing = Run({"restore"});
  EXPECT_EQ(nothing.exitCode, 2);
  EXPECT_EQ(LastLine(nothing.err), "Нет записи для отмены");
}

TEST_F(ToolBackups, RestoreRefusesADeviceChangedSinceUnlessForced) {
  const sim::MemoryImage original = sim_.Memory();
  const std::string id = SavedId(Run(kWriteK));
  sim::MemoryImage changed = sim_.Memory();
  changed[16] ^= 0x01;  // the range, changed by someone else
  sim_.LoadMemory(changed);

  for (const Lines& restore : {Lines{"restore", id}, Lines{"restore"}}) {
    const ProgramResult refused = Run(restore);
    EXPECT_EQ(refused.exitCode, 2) << restore.size();
    EXPECT_EQ(LastLine(refused.err), "Прибор содержит другую конфигурацию");
  }
  EXPECT_EQ(sim_.Memory(), changed);
  const ProgramResult forced = Run({"restore", "--force"});
  EXPECT_EQ(forced.exitCode, 0) << forced.err;
  EXPECT_EQ(sim_.Memory(), original);
}

TEST_F(ToolBackups, ChangedOnlySendsWhatDiffersVerifiesItAndItsUndoPutsItBack) {
  ASSERT_EQ(Run(kWriteK).exitCode, 0);
  const sim::MemoryImage typeK = sim_.Memory();
  sim_.ClearRequests();
  const ProgramResult edited =
      Run({"--changed-only", "--verify", "write", "--sensor", "11", "--range", "-50..700"});
  ASSERT_EQ(edited.exitCode, 0) << edited.err;
  // The backup's reads, the range end and the end marker, then the two read back.
  Lines requests = Requests(sim_);
  ASSERT_GT(requests.size(), 4u);
  EXPECT_EQ(Lines(requests.end() - 4, requests.end()), (Lines{"W 20", "W 124", "R 20", "R 124"}));
  requests.resize(requests.size() - 4);
  EXPECT_TRUE(std::all_of(requests.begin(), requests.end(),
                          [](const std::string& r) { return r.starts_with("R "); }));
  const Lines statuses = LinesOf(edited.err);
  EXPECT_EQ(Lines(statuses.end() - 3, statuses.end()),
            (Lines{"Ждите завершения записи", "Запись завершена", "Запись проверена"}));
  const keep::Backup kept = FileOf(SavedId(edited));
  EXPECT_TRUE(kept.changedOnly);
  ASSERT_EQ(kept.after.size(), 2u);
  EXPECT_EQ(kept.after[0].address, 20);
  EXPECT_EQ(kept.after[1].address, 124);

  sim_.ClearRequests();
  const ProgramResult undone = Run({"--changed-only", "--verify", "restore"});
  ASSERT_EQ(undone.exitCode, 0) << undone.err;
  EXPECT_EQ(sim_.Memory(), typeK);
  requests = Requests(sim_);
  EXPECT_EQ(std::count(requests.begin(), requests.end(), "W 20"), 1);
  EXPECT_EQ(std::count_if(requests.begin(), requests.end(),
                          [](const std::string& r) { return r.starts_with("W "); }),
            2);
  EXPECT_EQ(LastLine(undone.err), "Запись проверена");

  // What the unit holds already: read, and nothing sent, kept or read back.
  sim_.ClearRequests();
  const std::size_t backups = Files().size();
  const ProgramResult again = Run(
      {"--changed-only", "--verify", "--json", "write", "--sensor", "11", "--range", "-50..600"});
  ASSERT_EQ(again.exitCode, 0) << again.err;
  requests = Requests(sim_);
  EXPECT_TRUE(std::all_of(requests.begin(), requests.end(),
                          [](const std::string& r) { return r.starts_with("R "); }));
  EXPECT_EQ(LastLine(again.err), "Прибор уже содержит эту конфигурацию");
  EXPECT_EQ(again.out,
            "{\"backup\":null,\"ok\":true,\"port\":\"" + sim_.Path() +
                "\",\"status\":\"Прибор уже содержит эту конфигурацию\",\"verified\":true}\n");
  EXPECT_EQ(Files().size(), backups);
  EXPECT_EQ(sim_.Memory(), typeK);
}

TEST_F(ToolBackups, RestoreRefusesWhatItCannotRestoreBeforeTouchingTheDevice) {
  const std::string id = SavedId(Run(kWriteK));
  sim_.ClearRequests();
  const ProgramResult otherModel =
      RunProgram(kCli, {"--port", sim_.Path(), "--model", "0", "restore", id});
  EXPECT_EQ(otherModel.exitCode, 2);
  EXPECT_EQ(otherModel.err,
            "zelto-cli: резервная копия " + id + " снята с модели dastra-2, а не 0\n");
  const ProgramResult unknown = Run({"--lang", "en", "restore", "20200101-000000-000-ttyS0-1"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_EQ(unknown.err, "zelto-cli: no backup 20200101-000000-000-ttyS0-1\n");
  std::ofstream(BackupFolder() + "/broken.json") << "{";
  const ProgramResult broken = Run({"restore", "broken"});
  EXPECT_EQ(broken.exitCode, 5);
  EXPECT_EQ(broken.err, "zelto-cli: backup broken: not a JSON object\n");
  EXPECT_TRUE(sim_.Requests().empty());

  const ProgramResult listed = RunProgram(kCli, {"backups"});
  EXPECT_EQ(listed.exitCode, 0);
  EXPECT_EQ(LinesOf(listed.out).size(), 1u);
  EXPECT_EQ(listed.err, "zelto-cli: skipped broken.json: not a JSON object\n");
}

TEST_F(ToolBackups, NoBackupReadsNothingForOneAndKeepsNone) {
  const sim::MemoryImage before = sim_.Memory();
  const ProgramResult written = Run({"--no-backup", "write", "--sensor", "11"});
  EXPECT_EQ(written.exitCode, 0) << written.err;
  EXPECT_NE(sim_.Memory(), before);
  EXPECT_EQ(sim_.Requests().at(1)[sim::kCommandOffset], sim::kWriteWord) << "after identifying";
  EXPECT_TRUE(SavedId(written).empty()) << written.err;
  EXPECT_TRUE(Files().empty());
}

TEST_F(ToolBackups, ADeviceThatFailsTheBackupGetsNothingWritten) {
  struct Case {
    sim::Fault fault;
    int exitCode;
    std::string status;
  };
  // Request 1 is the identification, 2 the backup's first read.
  const Case cases[] = {
      {sim::Fault::SilentFrom(3), 3, "Прибор не отвечает"},
      {sim::Fault::UnplugAt(4), 6, ""},
  };
  for (const Case& c : cases) {
    sim::Simulator device(kDastra);
    const sim::MemoryImage before = device.Memory();
    device.SetFault(c.fault);
    const ProgramResult result = Run(kWriteK, &device);
    EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
    if (c.status.empty()) {
      EXPECT_TRUE(LastLine(result.err).ends_with(" отключен")) << result.err;
    } else {
      EXPECT_EQ(LastLine(result.err), c.status);
    }
    for (const sim::Frame& frame : device.Requests())
      EXPECT_NE(frame[sim::kCommandOffset], sim::kWriteWord);
    EXPECT_EQ(device.Memory(), before);
  }
  EXPECT_TRUE(Files().empty());
}

TEST_F(ToolBackups, EveryWritingCommandKeepsOne) {
  const std::string profile = Write(
      "k.json", R"({"format": "zelto-profile", "version": 1, "model": "dastra-2", "sensor": 11})");
  const Lines commands[] = {
      {"write", "--profile", profile},
      {"correct", "--sensor", "11", "--range", "0..1000", "--t1", "100", "--t2", "900", "--i1",
       "5.7", "--i2", "18.2"},
      {"reset-correction"},
      {"calib", "clear"},
      {"calib", "clear-full"},
  };
  for (const Lines& command : commands) {
    const ProgramResult result = Run(command);
    EXPECT_EQ(result.exitCode, 0) << command[0] << result.err;
    EXPECT_FALSE(SavedId(result).empty()) << command[0] << result.err;
  }
  const ProgramResult listed = RunProgram(kCli, {"backups"});
  Lines operations;
  for (const std::string& line : LinesOf(listed.out)) {
    const auto fields = line.substr(line.find('\t', line.find('\t') + 1) + 1);
    const auto operation = fields.substr(fields.find('\t') + 1);
    operations.push_back(operation.substr(0, operation.find('\t')));
  }
  EXPECT_EQ(operations,
            (Lines{"calib-clear-full", "calib-clear", "reset-correction", "correct", "write"}));
}

}  // namespace
}  // namespace zelto::cli

namespace zelto::cli {
namespace {

// Two units of the same model with their own factory calibration, written alike.
TEST_F(ToolBackups, UndoTakesBackEachUnitsOwnWriteAndRestoresAnotherUnitsBackupOnlyWhenForced) {
  sim::Simulator unitB(kDastra);
  unitB.LoadMemory(AnotherRange(AnotherUnit(unitB.Memory())));
  const sim::MemoryImage originalA = sim_.Memory();
  const sim::MemoryImage originalB = unitB.Memory();
  const std::string writtenA = SavedId(Run(kWriteK));
  ASSERT_FALSE(SavedId(Run(kWriteK, &unitB)).empty());

  for (auto [device, original] : {std::pair{&sim_, originalA}, std::pair{&unitB, originalB}}) {
    const ProgramResult undone = Run({"restore"}, device);
    EXPECT_EQ(undone.exitCode, 0) << undone.err;
    EXPECT_EQ(device->Memory(), original);
  }

  ASSERT_FALSE(SavedId(Run(kWriteK, &unitB)).empty());
  const sim::MemoryImage writtenB = unitB.Memory();
  unitB.ClearRequests();
  const ProgramResult refused = Run({"restore", writtenA}, &unitB);
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(LastLine(refused.err), "Резервная копия снята с другого экземпляра прибора");
  EXPECT_FALSE(AnyWordWritten(unitB));
  EXPECT_EQ(unitB.Memory(), writtenB);

  const ProgramResult forced = Run({"restore", writtenA, "--force"}, &unitB);
  EXPECT_EQ(forced.exitCode, 0) << forced.err;
  const keep::Backup ofA = FileOf(writtenA);
  for (const config::MemoryWord& word : ofA.before) {
    EXPECT_TRUE(
        std::equal(word.bytes.begin(), word.bytes.end(), unitB.Memory().begin() + word.address))
        << word.address;
  }
}

// Units with the same (neutral) calibration, written alike from different contents.
TEST_F(ToolBackups, UndoThatCannotTellUnitsApartListsThemAndAnIdRestores) {
  sim::Simulator unitB(kDastra);
  unitB.LoadMemory(AnotherRange(unitB.Memory()));
  const sim::MemoryImage originalA = sim_.Memory();
  const std::string writtenA = SavedId(Run(kWriteK));
  const std::string writtenB = SavedId(Run(kWriteK, &unitB));
  const sim::MemoryImage written = sim_.Memory();

  sim_.ClearRequests();
  const ProgramResult ambiguous = Run({"restore", "--force"});
  EXPECT_EQ(ambiguous.exitCode, 2);
  EXPECT_EQ(LastLine(ambiguous.err), "Несколько резервных копий подходят: укажите ID");
  const keep::Backup ofA = FileOf(writtenA);
  const keep::Backup ofB = FileOf(writtenB);
  EXPECT_EQ(LinesOf(ambiguous.out), (Lines{writtenB + "\t" + ofB.time + "\t" + unitB.Path(),
                                           writtenA + "\t" + ofA.time + "\t" + sim_.Path()}));
  EXPECT_FALSE(AnyWordWritten(sim_));
  EXPECT_EQ(sim_.Memory(), written);

  const ProgramResult restored = Run({"restore", writtenA});
  EXPECT_EQ(restored.exitCode, 0) << restored.err;
  EXPECT_EQ(sim_.Memory(), originalA);
}

// Backups are files a user can edit: one that names what its operation never writes is no
// backup, whatever --force says.
TEST_F(ToolBackups, RestoreRefusesAnEditedBackupBeforeSendingAnything) {
  const std::string id = SavedId(Run(kWriteK));
  const keep::Backup kept = FileOf(id);
  struct Case {
    std::string name;
    std::function<void(keep::Backup&)> edit;
  };
  const Case cases[] = {
      {"FirmwareWord",
       [](keep::Backup& b) {
         b.before.push_back({104, {1, 2, 3, 4}});
         b.after.push_back({104, {1, 2, 3, 4}});
       }},
      {"MissingWord",
       [](keep::Backup& b) {
         b.before.erase(b.before.begin() + 2);
         b.after.erase(b.after.begin() + 2);
       }},
      {"AnotherAction", [](keep::Backup& b) { b.action = 0x99; }},
  };
  for (const Case& c : cases) {
    keep::Backup edited = kept;
    c.edit(edited);
    std::ofstream(BackupFolder() + "/" + id + ".json") << keep::BackupToJson(edited);
    for (const bool force : {false, true}) {
      SCOPED_TRACE(c.name + (force ? " --force" : ""));
      sim_.ClearRequests();
      const ProgramResult refused =
          Run(force ? Lines{"restore", id, "--force"} : Lines{"restore", id});
      EXPECT_EQ(refused.exitCode, 5);
      EXPECT_EQ(LastLine(refused.err), "Неверный формат резервной копии");
      EXPECT_TRUE(sim_.Requests().empty());
    }
  }
  // Nor does the undo take it for a backup.
  const ProgramResult undo = Run({"restore"});
  EXPECT_EQ(undo.exitCode, 2);
  EXPECT_EQ(LastLine(undo.err), "Нет записи для отмены");
}

// A device that echoes the address it answers (as the simulator does) and answers a backup's
// read of word 16 with word 20's address and data; and one that echoes no address.
TEST_F(ToolBackups, ABackupTakesNoReplyForAnotherWord) {
  struct Case {
    sim::Fault fault;
    int exitCode;
    std::string status;
  };
  const Case cases[] = {
      {sim::Fault::NextWordAt(16, 1), 0, "Запись завершена"},
      {sim::Fault::NextWordAt(16), 3, "Ошибка приема"},
      {sim::Fault::NoAddressEcho(), 0, "Запись завершена"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.status + " " + std::to_string(c.exitCode));
    sim::Simulator device(kDastra);
    sim::MemoryImage memory = device.Memory();
    for (int i = 16; i < 24; ++i)
      memory[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    device.LoadMemory(memory);
    device.SetFault(c.fault);
    const ProgramResult result = Run(kWriteK, &device);
    EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
    EXPECT_EQ(LastLine(result.err), c.status);
    if (c.exitCode != 0) {
      EXPECT_FALSE(AnyWordWritten(device));
      EXPECT_EQ(device.Memory(), memory);
      continue;
    }
    const keep::Backup kept = FileOf(SavedId(result));
    const auto word16 = std::find_if(kept.before.begin(), kept.before.end(),
                                     [](const config::MemoryWord& w) { return w.address == 16; });
    ASSERT_NE(word16, kept.before.end());
    EXPECT_EQ(word16->bytes, (std::array<std::uint8_t, 4>{16, 17, 18, 19}));
  }
}

TEST_F(ToolBackups, BackupsPrintsWhatAFileSaysWithoutItsControlCharacters) {
  keep::BackupStore store(BackupFolder());
  const config::WritePlan plan =
      config::CorrectionPlan(config::WriteOperation::kCorrect, kDastra, 1.5f, -2.0f);
  keep::Backup odd;
  odd.model = kDastra;
  odd.port = "/dev/tty\x1b]0;owned\x07";
  odd.time = "2026-12-07T14:15:02.123+01:00";
  odd.operation = plan.operation;
  odd.action = plan.action;
  odd.after = odd.before = plan.words;
  odd.summary = {
      "\x1b[2J\xc2\x9b"
      "31mDastra-2"};
  ASSERT_EQ(store.Save(odd), keep::BackupStore::SaveOutcome::kSaved);
  std::ofstream(BackupFolder() + "/bad\x1b[1m.json") << "{";

  const ProgramResult listed = RunProgram(kCli, {"backups"});
  EXPECT_EQ(listed.exitCode, 0);
  EXPECT_EQ(LinesOf(listed.out), (Lines{odd.id + "\t" + odd.time + "\tdastra-2\tcorrect\t" +
                                        "\\u001b[2J\\u009b31mDastra-2"}));
  EXPECT_EQ(listed.err, "zelto-cli: skipped bad\\u001b[1m.json: its name is no backup id\n");
}

}  // namespace
}  // namespace zelto::cli
