// zelto-cli --json: every object read with Qt's JSON parser and held against what the simulator
// holds.
#include "sim/simulator.h"
#include "tool_test_support.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <bit>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace zelto::cli {
namespace {

// The objects of a run's standard output, one a line; a line that is no object fails.
std::vector<QJsonObject> Objects(const ProgramResult& result) {
  std::vector<QJsonObject> objects;
  for (const std::string& line : LinesOf(result.out)) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
    EXPECT_TRUE(document.isObject()) << line;
    objects.push_back(document.object());
  }
  return objects;
}

// The one object of a run.
QJsonObject Object(const ProgramResult& result) {
  const auto objects = Objects(result);
  EXPECT_EQ(objects.size(), 1u) << result.out << result.err;
  return objects.empty() ? QJsonObject() : objects.front();
}

std::string Text(const QJsonValue& value) {
  return value.toString().toStdString();
}

Lines Texts(const QJsonValue& value) {
  Lines texts;
  for (const QJsonValue& text : value.toArray())
    texts.push_back(Text(text));
  return texts;
}

void PutFloat(sim::MemoryImage& memory, int address, float value) {
  const auto word = std::bit_cast<std::uint32_t>(value);
  std::memcpy(&memory[static_cast<std::size_t>(address)], &word, 4);
}

// A Dastra-2 simulator, with a data folder of the test's own for the backups.
class Json : public ::testing::Test, protected OwnDataFolder {
 protected:
  ProgramResult Run(Lines arguments) {
    arguments.insert(arguments.begin(), {"--json", "--port", sim_.Path(), "--model", "dastra-2",
                                         "--timeout-scale", "0.05"});
    return RunProgram(kCli, arguments);
  }

  sim::Simulator sim_{kDastra};
};

TEST_F(Json, IdentifyAndReadSayWhatTheDeviceHolds) {
  const QJsonObject identified = Object(Run({"identify"}));
  EXPECT_EQ(identified["ok"], true);
  EXPECT_EQ(Text(identified["port"]), sim_.Path());
  EXPECT_EQ(Text(identified["model"]), "dastra-2");
  EXPECT_EQ(Text(identified["firmware"]), "02.04.0017");
  EXPECT_EQ(Text(identified["firmware_date"]), "2022-03-14");

  const QJsonObject fresh = Object(Run({"read"}));
  EXPECT_EQ(fresh["configured"], false);
  EXPECT_FALSE(fresh.contains("sensor"));

  ASSERT_EQ(Run({"--no-backup", "write", "--sensor", "11", "--range", "-50..600"}).exitCode, 0);
  const ProgramResult read = Run({"read"});
  ASSERT_EQ(read.exitCode, 0) << read.err;
  const QJsonObject object = Object(read);
  EXPECT_EQ(object["ok"], true);
  EXPECT_EQ(Text(object["model"]), "dastra-2");
  EXPECT_EQ(Text(object["firmware"]), "02.04.0017");
  EXPECT_EQ(object["configured"], true);
  EXPECT_EQ(object["sensor"], 11);
  EXPECT_EQ(Text(object["sensor_name"]), "термопара ТХА (K)(-50...+1300)°C");
  EXPECT_EQ(object["range"], (QJsonArray{-50, 600}));
  EXPECT_EQ(object["linear_emf"], false);
  EXPECT_EQ(Texts(object["lines"]),
            (Lines{"Dastra-2  Версия прошивки прибора 02.04.0017 от 14.03.2022",
                   "термопара ТХА (K)(-50...+1300)°C",
                   "Диапазон: (-50...+600)°C  Линейно от температуры"}));
  EXPECT_EQ(LastLine(read.err), "Чтение завершено") << "status texts stay on standard error";
}

TEST_F(Json, MonitorGivesEachCycleTheValuesByAddressAndNullForSilence) {
  for (int i = 0; i < 14; ++i)
    sim_.SetMonitorValue(i, 1000 * i + 7);
  sim_.SetMonitorValue(1, -1);  // a value, not silence
  const QDateTime before = QDateTime::currentDateTime().addMSecs(-1);
  const ProgramResult polled = Run({"monitor", "--count", "2", "--interval", "0"});
  ASSERT_EQ(polled.exitCode, 0) << polled.err;
  const auto cycles = Objects(polled);
  ASSERT_EQ(cycles.size(), 2u);
  for (const QJsonObject& cycle : cycles) {
    EXPECT_EQ(cycle["ok"], true);
    const QDateTime time = QDateTime::fromString(cycle["time"].toString(), Qt::ISODateWithMs);
    EXPECT_TRUE(time.isValid()) << Text(cycle["time"]);
    EXPECT_GE(time, before);
    const QJsonObject values = cycle["values"].toObject();
    const QJsonObject expected{{"0x0500", 7},     {"0x0501", -1},   {"0x0502", 2007},
                               {"0x0503", 3007},  {"0x0504", 4007}, {"0x0505", 5007},
                               {"0x0506", 6007},  {"0x0507", 7007}, {"0x0508", 8007},
                               {"0x050C", 12007}, {"0x050D", 13007}};
    EXPECT_EQ(values, expected);
  }
  EXPECT_EQ(polled.out.find("M00"), std::string::npos) << "no monitor lines with --json";

  // Silent from the fourth address of the poll on: what came before it, then nothing.
  const std::size_t identify = sim_.Requests().size() - 2 * 11;
  sim_.ClearRequests();
  sim_.SetFault(sim::Fault::SilentFrom(static_cast<int>(identify) + 4));
  const ProgramResult silent = Run({"monitor"});
  EXPECT_EQ(silent.exitCode, 3);
  const QJsonObject failed = Object(silent);
  EXPECT_EQ(failed["ok"], false);
  EXPECT_EQ(failed["exit"], 3);
  EXPECT_EQ(Text(failed["error"]), "Прибор не отвечает");
  const QJsonObject values = failed["values"].toObject();
  EXPECT_EQ(values["0x0502"], 2007);
  EXPECT_TRUE(values["0x0503"].isNull());
  EXPECT_TRUE(values["0x050D"].isNull());
}

TEST_F(Json, MemoryIsTheDevicesImageAndTablesItsDump) {
  const QJsonObject memory = Object(Run({"memory"}));
  const sim::MemoryImage image = sim_.Memory();
  EXPECT_EQ(memory["memory"].toString().toStdString(),
            QByteArray(reinterpret_cast<const char*>(image.data()), 512).toHex().toStdString());

  const QJsonObject tables = Object(Run({"tables"}));
  const ProgramResult plain = RunProgram(
      kCli, {"--port", sim_.Path(), "--model", "dastra-2", "--timeout-scale", "0.05", "tables"});
  EXPECT_EQ(Texts(tables["lines"]), LinesOf(plain.out));
}

TEST_F(Json, CalibGivesNumbersAndNullWhereAValueIsNoNumber) {
  sim::MemoryImage memory = sim_.Memory();
  PutFloat(memory, 36, std::numeric_limits<float>::quiet_NaN());  // B0
  PutFloat(memory, 40, 1.02338f);                                 // A1
  PutFloat(memory, 88, -std::numeric_limits<float>::infinity());  // B2
  sim_.LoadMemory(memory);
  const QJsonObject block = Object(Run({"calib", "read"}));
  EXPECT_EQ(block["gains"], (QJsonArray{1.0, 1.02338, 1.0}));
  EXPECT_EQ(block["offsets"], (QJsonArray{QJsonValue(), 0.0, QJsonValue()}));
  const QJsonArray references = block["references"].toArray();
  ASSERT_EQ(references.size(), 18);
  EXPECT_EQ(references[0], 6301);
  EXPECT_EQ(references[16], 54257);
  EXPECT_EQ(references[17], 0);
}

TEST_F(Json, AVerifiedWriteNamesItsBackupAndAWordNotKeptFailsIt) {
  const ProgramResult written = Run({"--verify", "write", "--sensor", "11"});
  ASSERT_EQ(written.exitCode, 0) << written.err;
  const QJsonObject object = Object(written);
  EXPECT_EQ(object["ok"], true);
  EXPECT_EQ(Text(object["status"]), "Запись завершена");
  EXPECT_EQ(object["verified"], true);
  const std::string id = Text(object["backup"]);
  EXPECT_FALSE(id.empty());
  EXPECT_EQ(LastLine(written.err), "Запись проверена");

  const QJsonObject listed = Object(RunProgram(kCli, {"--json", "backups"}));
  EXPECT_EQ(Text(listed["id"]), id);
  EXPECT_EQ(Text(listed["operation"]), "write");
  EXPECT_EQ(Text(listed["port"]), sim_.Path());

  sim_.SetFault(sim::Fault::WordNotKept(8));  // the state word
  const ProgramResult worn = Run({"--verify", "--no-backup", "write", "--sensor", "12"});
  EXPECT_EQ(worn.exitCode, 3);
  const sim::MemoryImage memory = sim_.Memory();
  const std::string held =
      QByteArray(reinterpret_cast<const char*>(&memory[8]), 4).toHex().toStdString();
  const Lines errors = LinesOf(worn.err);
  ASSERT_GE(errors.size(), 2u);
  EXPECT_EQ(errors[errors.size() - 2], "Ошибка проверки записи");
  EXPECT_TRUE(errors.back().starts_with("zelto-cli: word 8 reads " + held + ", written "))
      << errors.back();
  const QJsonObject failed = Object(worn);
  EXPECT_EQ(failed["ok"], false);
  EXPECT_EQ(failed["exit"], 3);
  EXPECT_EQ(Text(failed["error"]), "Ошибка проверки записи");
  EXPECT_EQ(failed["verified"], false);
  EXPECT_TRUE(failed["backup"].isNull());
  const QJsonArray mismatches = failed["mismatches"].toArray();
  ASSERT_EQ(mismatches.size(), 1);
  EXPECT_EQ(mismatches[0].toObject()["address"], 8);
  EXPECT_EQ(Text(mismatches[0].toObject()["read"]), held);
}

TEST_F(Json, ARestoreIsVerifiedLikeAWrite) {
  const sim::MemoryImage before = sim_.Memory();
  ASSERT_EQ(Run({"write", "--sensor", "11"}).exitCode, 0);
  const ProgramResult restored = Run({"--verify", "restore"});
  ASSERT_EQ(restored.exitCode, 0) << restored.err;
  const QJsonObject object = Object(restored);
  EXPECT_EQ(object["verified"], true);
  EXPECT_EQ(Text(object["status"]), "Запись завершена");
  EXPECT_FALSE(Text(object["restored"]).empty());
  EXPECT_EQ(sim_.Memory(), before);
}

TEST_F(Json, DiffGivesAnObjectPerField) {
  const std::string profile = Write(
      "k.json", R"({"format": "zelto-profile", "version": 1, "model": "dastra-2", "sensor": 11,
                    "range": [-50, 600]})");
  ASSERT_EQ(Run({"--no-backup", "write", "--sensor", "11", "--range", "0..600"}).exitCode, 0);
  const ProgramResult diff = Run({"diff", "--profile", profile});
  EXPECT_EQ(diff.exitCode, 7);
  const auto fields = Objects(diff);
  ASSERT_FALSE(fields.empty());
  EXPECT_EQ(Text(fields[0]["field"]), "range");
  EXPECT_EQ(Text(fields[0]["device"]), "0..600");
  EXPECT_EQ(Text(fields[0]["profile"]), "-50..600");
  EXPECT_EQ(fields[0]["ok"], true);
}

TEST_F(Json, FailuresSayTheirExitCodeAndStatus) {
  sim_.SetFault(sim::Fault::SilentFrom(1));
  const QJsonObject silent = Object(Run({"identify"}));
  EXPECT_EQ(silent, (QJsonObject{{"ok", false},
                                 {"exit", 3},
                                 {"error", "Прибор не отвечает"},
                                 {"port", QString::fromStdString(sim_.Path())}}));

  const ProgramResult usage = Run({"write", "--sensor", "99"});
  EXPECT_EQ(usage.exitCode, 2);
  EXPECT_EQ(LinesOf(usage.err).size(), 1u);
  const QJsonObject refused = Object(usage);
  EXPECT_EQ(refused["exit"], 2);
  EXPECT_EQ(Text(refused["error"]),
            "недопустимое значение '99' для --sensor (такого кода нет в списке датчиков модели)");
  // The reason is the interface's; the keys and the exit code are not.
  const QJsonObject english = Object(Run({"--lang", "en", "write", "--sensor", "99"}));
  EXPECT_EQ(english["exit"], 2);
  EXPECT_EQ(Text(english["error"]),
            "invalid value '99' for --sensor (not in the model's sensor list)");
}

TEST(JsonWithoutDevice, ConvertAndPortsGiveNumbersAndPaths) {
  const ProgramResult converted =
      RunProgram(kCli, {"--json", "convert", "--sensor", "11", "--temperature", "100"});
  const ProgramResult plain =
      RunProgram(kCli, {"convert", "--sensor", "11", "--temperature", "100"});
  ASSERT_EQ(converted.exitCode, 0);
  const QJsonObject object = Object(converted);
  std::string shown = LastLine(plain.out);
  std::replace(shown.begin(), shown.end(), ',', '.');
  EXPECT_EQ(object["signal"].toDouble(), std::stod(shown));
  EXPECT_EQ(object["temperature"], 100);
  EXPECT_EQ(object["sensor"], 11);

  sim::Simulator sim(2);
  const auto ports = Objects(RunProgram(kCli, {"--json", "--port", sim.Path(), "ports"}));
  EXPECT_NE(std::find_if(ports.begin(), ports.end(),
                         [&](const QJsonObject& port) {
                           return Text(port["path"]) == sim.Path() && port["com"].toInt() > 0 &&
                                  port["ok"] == true;
                         }),
            ports.end());
}

}  // namespace
}  // namespace zelto::cli
