// zelto-cli's backups before every write, backups and restore, against a simulator of the
// test's own. What a backup holds and when a restore is refused: the backup tests.
#include "keep/backup.h"
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
