#include "bench_program.h"
#include "check/check_store.h"
#include "check/check_texts.h"
#include "sim/simulator.h"
#include "tool_test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <bit>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>

namespace zelto::cli {
namespace {

using check::CheckRecord;
using check::CorrectionPair;

std::vector<QJsonObject> JsonObjects(const std::string& out) {
  std::vector<QJsonObject> objects;
  for (const std::string& line : LinesOf(out))
    objects.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(line)).object());
  return objects;
}

// The last JSON line, the verdict; an empty object, and the test failed with what the tool said,
// when it printed none.
QJsonObject Verdict(const ProgramResult& ended) {
  const auto objects = JsonObjects(ended.out);
  if (objects.empty()) {
    ADD_FAILURE() << "no JSON printed; exit " << ended.exitCode << "\n" << ended.err;
    return {};
  }
  return objects.back();
}

// The tool against one transmitter of Dastra-2.
ProgramResult Tool(const std::string& port, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"--model", "1", "--port", port});
  return RunProgram(kCli, arguments);
}

void WritePt100(const std::string& port) {
  const auto written = Tool(port, {"write", "--sensor", "8", "--range", "0..100"});
  ASSERT_EQ(written.exitCode, 0) << written.err;
}

// The correction words 84 and 88 as the unit holds them.
CorrectionPair HeldCorrection(const std::string& port) {
  const auto read = Tool(port, {"--json", "memory"});
  EXPECT_EQ(read.exitCode, 0) << read.err;
  const QByteArray hex = JsonObjects(read.out).at(0).value("memory").toString().toLatin1();
  const QByteArray bytes = QByteArray::fromHex(hex);
  const auto word = [&](int address) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
      value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes.at(address + i)))
               << (8 * i);
    return std::bit_cast<float>(value);
  };
  return {word(84), word(88)};
}

CheckRecord KeptRecord(const OwnDataFolder& data, const std::string& id) {
  const auto loaded = check::CheckStore(data.PathOf("data") + "/zelto/checks").Load(id);
  EXPECT_TRUE(std::holds_alternative<CheckRecord>(loaded)) << id;
  return std::holds_alternative<CheckRecord>(loaded) ? std::get<CheckRecord>(loaded)
                                                     : CheckRecord{};
}

// The text of a PDF as pdftotext reads it, words joined by single spaces (a table's cell may
// wrap them); nothing without pdftotext (scripts/setup.sh installs poppler-utils).
std::optional<std::string> PdfText(const std::string& pdf) {
  if (QStandardPaths::findExecutable("pdftotext").isEmpty())
    return std::nullopt;
  QProcess reader;
  reader.start("pdftotext", {QString::fromStdString(pdf), "-"});
  EXPECT_TRUE(reader.waitForFinished(-1));
  EXPECT_EQ(reader.exitCode(), 0) << pdf;
  return QString::fromUtf8(reader.readAllStandardOutput()).simplified().toStdString();
}

// The points of a pass as --json printed them.
std::vector<QJsonObject> PassObjects(const std::vector<QJsonObject>& objects, const char* pass) {
  std::vector<QJsonObject> points;
  for (const QJsonObject& object : objects) {
    if (object.value("pass").toString() == QLatin1String(pass))
      points.push_back(object);
  }
  return points;
}

// The whole bench: the meter and the calibrator that read and set themselves, a unit with
// 0.4 % too much gain, the correction from the check's ends, and the backup that undoes it.
void CheckAdjustAndUndo(const std::vector<std::string>& benchArguments, const std::string& source,
                        const std::vector<std::string>& before) {
  OwnDataFolder data;
  BenchProgram bench(benchArguments);
  WritePt100(bench.transmitter);
  if (!before.empty()) {
    ASSERT_EQ(Tool(bench.transmitter, before).exitCode, 0);
  }
  const CorrectionPair held = HeldCorrection(bench.transmitter);
  const auto address = [](const std::string& a) {
    return a.starts_with("tcp:") ? a : "serial:" + a;
  };

  const std::string pdf = data.PathOf("check.pdf");
  const auto checked = Tool(
      bench.transmitter, {"--json", "check", "--meter", address(bench.meter), "--source",
                          address(bench.calibrator), "--source-command", source, "--settle", "0",
                          "--adjust", "--tag", "TT-101", "--engineer", "Иванов", "--report", pdf});
  ASSERT_EQ(checked.exitCode, 0) << checked.out << checked.err;
  const auto objects = JsonObjects(checked.out);
  const auto asFound = PassObjects(objects, "as_found");
  const auto asLeft = PassObjects(objects, "as_left");
  ASSERT_EQ(asFound.size(), 5u);
  ASSERT_EQ(asLeft.size(), 5u);
  for (const QJsonObject& point : asFound)
    EXPECT_EQ(point.value("result").toString(), "fail") << point.value("percent").toDouble();
  for (const QJsonObject& point : asLeft)
    EXPECT_LE(std::abs(point.value("error").toDouble()), 0.05) << point.value("percent").toDouble();
  const QJsonObject verdict = objects.back();
  EXPECT_EQ(verdict.value("result").toString(), "pass");
  EXPECT_TRUE(verdict.value("ok").toBool());
  EXPECT_EQ(verdict.value("report").toString().toStdString(), pdf);

  const CheckRecord record = KeptRecord(data, verdict.value("id").toString().toStdString());
  EXPECT_EQ(record.result, check::CheckResult::kPass);
  EXPECT_EQ(record.tag, "TT-101");
  EXPECT_EQ(record.engineer, "Иванов");
  EXPECT_EQ(record.instruments,
            (std::vector<std::string>{"Zelto,Simulated current meter,SIM-0001,1.0",
                                      "Zelto,Simulated calibrator,SIM-0002,1.0"}));
  EXPECT_EQ(record.firmware, "02.04.0017 14.03.2022");
  ASSERT_EQ(record.asFound.size(), 5u);
  ASSERT_TRUE(record.asLeft && record.asLeft->size() == 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(record.asFound[i].error, asFound[i].value("error").toDouble());
    EXPECT_GT(record.asFound[i].error, 0.25);
    EXPECT_EQ((*record.asLeft)[i].error, asLeft[i].value("error").toDouble());
  }
  ASSERT_TRUE(record.adjustment);
  EXPECT_EQ(record.adjustment->before, held);
  EXPECT_EQ(HeldCorrection(bench.transmitter), record.adjustment->after);
  EXPECT_NEAR(record.adjustment->after.au, 1 / 1.004, 1e-4);

  // The report holds the record's numbers as the tool's lines print them.
  if (const auto text = PdfText(pdf)) {
    EXPECT_NE(text->find("TT-101"), std::string::npos) << *text;
    EXPECT_NE(text->find("ГОДЕН"), std::string::npos);
    EXPECT_NE(text->find("Иванов"), std::string::npos);
    for (std::size_t i = 0; i < 5; ++i) {
      for (const check::MeasuredPoint& point : {record.asFound[i], (*record.asLeft)[i]})
        EXPECT_NE(text->find(check::ErrorText(point.error).toStdString()), std::string::npos)
            << point.error;
    }
  }

  const auto restored = Tool(bench.transmitter, {"restore", record.adjustment->backup});
  ASSERT_EQ(restored.exitCode, 0) << restored.err;
  EXPECT_EQ(HeldCorrection(bench.transmitter), held);
}

TEST(CheckCommand, AdjustsAUnitFoundOutOfToleranceAndItsBackupUndoesTheCorrection) {
  CheckAdjustAndUndo({"--unit-error", "1.004,0"}, "SOUR:RES {ohm}", {});
}

TEST(CheckCommand, ComposesItsCorrectionWithTheOneTheUnitHolds) {
  // A correction from currents read badly: the unit holds Au0/Bu0 far from 1/0 and still fails.
  CheckAdjustAndUndo({"--unit-error", "1.004,0", "--tcp"}, "SOUR:TEMP {c}",
                     {"correct", "--sensor", "8", "--range", "0..100", "--t1", "0", "--t2", "100",
                      "--i1", "4.10", "--i2", "20.15"});
}

TEST(CheckCommand, TakesATypedMetersReadingsAndListsTheKeptChecks) {
  OwnDataFolder data;
  sim::Simulator transmitter(1);
  WritePt100(transmitter.Path());

  const auto passed = Tool(transmitter.Path(), {"check", "--readings", "4.0,8.01,12,16,20.02",
                                                "--tag", "A", "--instruments", "Fluke 707"});
  EXPECT_EQ(passed.exitCode, 0) << passed.err;
  const Lines lines = LinesOf(passed.out);
  ASSERT_EQ(lines.size(), 6u) << passed.out;
  EXPECT_EQ(lines[1],
            "До подстройки, 25 %: 25 °C (109,73 Ом), ожидается 8,000 мА, измерено 8,010 мА, "
            "погрешность +0,06 %, в допуске");
  EXPECT_TRUE(lines[5].starts_with("Итог: годен, протокол ")) << lines[5];
  EXPECT_NE(passed.err.find("Подайте 100 °C (138,51 Ом)\n"), std::string::npos) << passed.err;
  EXPECT_EQ(KeptRecord(data, lines[5].substr(lines[5].rfind(' ') + 1)).instruments,
            std::vector<std::string>{"Fluke 707"});

  const auto failed =
      Tool(transmitter.Path(), {"check", "--readings", "4.0,8.12,12,16,20", "--tag", "B"});
  EXPECT_EQ(failed.exitCode, 8);
  EXPECT_NE(failed.out.find("измерено 8,120 мА, погрешность +0,75 %, вне допуска"),
            std::string::npos);
  EXPECT_EQ(LastLine(failed.err), "Проверка выхода не пройдена");

  // The correction from typed currents, and the typed currents as left.
  const auto adjusted =
      Tool(transmitter.Path(), {"check", "--points", "0,100", "--adjust", "--readings",
                                "4.1,20.2,4.001,20.001", "--tag", "A"});
  EXPECT_EQ(adjusted.exitCode, 0) << adjusted.err;
  EXPECT_NE(adjusted.out.find("\nПодстройка: Au 1 → 0,99"), std::string::npos) << adjusted.out;

  const Lines all = LinesOf(Tool(transmitter.Path(), {"checks"}).out);
  ASSERT_EQ(all.size(), 3u);
  const auto fields = [](const std::string& line) {
    std::vector<std::string> split;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
      split.push_back(line.substr(start, tab - start));
    split.push_back(line.substr(start));
    return split;
  };
  EXPECT_EQ(fields(all[0])[2], "A");
  EXPECT_EQ(fields(all[0])[4], "pass");
  EXPECT_EQ(fields(all[1])[2], "B");
  EXPECT_EQ(fields(all[1])[3], "dastra-2");
  EXPECT_EQ(fields(all[1])[4], "fail");
  EXPECT_EQ(LinesOf(Tool(transmitter.Path(), {"checks", "--tag", "A"}).out).size(), 2u);
  const auto json = JsonObjects(RunProgram(kCli, {"--json", "checks", "--tag", "B"}).out);
  ASSERT_EQ(json.size(), 1u);
  EXPECT_EQ(json[0].value("result").toString(), "fail");
  EXPECT_EQ(json[0].value("port").toString().toStdString(), transmitter.Path());
}

TEST(CheckCommand, Velmor7sZeroPointOnAZeroBasedOutputIsMarkedClamped) {
  OwnDataFolder data;
  sim::Simulator transmitter(2);
  const auto written = RunProgram(kCli, {"--port", transmitter.Path(), "write", "--sensor", "8",
                                         "--range", "0..100", "--output", "0-20"});
  ASSERT_EQ(written.exitCode, 0) << written.err;
  const auto checked = RunProgram(
      kCli, {"--json", "--port", transmitter.Path(), "check", "--readings", "0,5,10,15,20"});
  ASSERT_EQ(checked.exitCode, 0) << checked.err;
  const auto objects = JsonObjects(checked.out);
  EXPECT_TRUE(objects[0].value("clamped_at_zero").toBool());
  EXPECT_FALSE(objects[1].contains("clamped_at_zero"));
  const CheckRecord record = KeptRecord(data, objects.back().value("id").toString().toStdString());
  EXPECT_EQ(record.configuration.outputRange, 1);
  EXPECT_EQ(record.model, 2);
}

TEST(CheckCommand, SigintKeepsTheRecordAsCancelledAndNothingMoreIsSent) {
  OwnDataFolder data;
  sim::Simulator transmitter(1);
  WritePt100(transmitter.Path());
  const auto backups = [&] {
    const std::filesystem::directory_iterator files(data.BackupFolder());
    return std::distance(begin(files), end(files));
  };
  const auto backupsBefore = backups();
  testing::BackgroundProgram check(
      kCli,
      {"--json", "--model", "1", "--port", transmitter.Path(), "check", "--adjust", "--tag", "SIG"},
      true);
  check.WriteInput("4,05\n");
  const std::string first = check.ReadLine();
  ASSERT_NE(first.find("\"as_found\""), std::string::npos) << first;
  transmitter.ClearRequests();
  const ProgramResult stopped = check.Stop(SIGINT);
  EXPECT_EQ(stopped.exitCode, 8) << stopped.err;
  const QJsonObject verdict = Verdict(stopped);
  EXPECT_EQ(verdict.value("result").toString(), "cancelled");
  EXPECT_EQ(verdict.value("stopped").toString(), "user");
  EXPECT_EQ(LastLine(stopped.err), "Проверка выхода прервана");

  const CheckRecord record = KeptRecord(data, verdict.value("id").toString().toStdString());
  ASSERT_EQ(record.asFound.size(), 1u);
  EXPECT_DOUBLE_EQ(*record.asFound[0].measured, 4.05);
  EXPECT_FALSE(record.adjustment);
  EXPECT_TRUE(transmitter.Requests().empty());
  EXPECT_EQ(backups(), backupsBefore);
}

TEST(CheckCommand, RefusesAUnitItCannotHoldToItsConfigurationAndAMeterThatIsNotThere) {
  OwnDataFolder data;
  sim::Simulator transmitter(1);
  const auto unconfigured = Tool(transmitter.Path(), {"check", "--readings", "4,8,12,16,20"});
  EXPECT_EQ(unconfigured.exitCode, 2);
  EXPECT_EQ(LastLine(unconfigured.err), "Проверка выхода невозможна: прибор не конфигурирован");

  WritePt100(transmitter.Path());
  sim::MemoryImage memory = transmitter.Memory();
  memory[28] = 16;  // words 24 and 28: 4..16 mA
  transmitter.LoadMemory(memory);
  const auto otherCurrents = Tool(transmitter.Path(), {"check", "--readings", "4,8,12,16,20"});
  EXPECT_EQ(otherCurrents.exitCode, 2);
  EXPECT_EQ(LastLine(otherCurrents.err),
            "Проверка выхода невозможна: диапазон выходного тока прибора не 4...20 мА");

  transmitter.ClearRequests();
  const auto noMeter = Tool(transmitter.Path(), {"check", "--meter", "serial:/nonexistent/tty"});
  EXPECT_EQ(noMeter.exitCode, 6);
  EXPECT_NE(noMeter.err.find("Измеритель тока serial:/nonexistent/tty не подключается"),
            std::string::npos)
      << noMeter.err;
  EXPECT_TRUE(transmitter.Requests().empty());
  EXPECT_FALSE(std::filesystem::exists(data.PathOf("data") + "/zelto/checks"));
}

TEST(CheckCommand, AHandSetCalibratorIsWaitedForAndTheEndOfTheInputCancels) {
  OwnDataFolder data;
  BenchProgram bench({"--tcp"});
  WritePt100(bench.transmitter);
  testing::BackgroundProgram check(kCli,
                                   {"--json", "--model", "1", "--port", bench.transmitter, "check",
                                    "--meter", bench.meter, "--settle", "0", "--points", "0,100"},
                                   true);
  check.WriteInput("\n");
  const std::string first = check.ReadLine();
  // Nobody set the calibrator: the unit's input is open, its output at the bottom.
  EXPECT_NE(first.find("\"measured\":3.8,"), std::string::npos) << first;
  const ProgramResult ended = check.Wait();
  EXPECT_EQ(ended.exitCode, 8);
  EXPECT_NE(ended.err.find("Подайте 100 °C (138,51 Ом)\nНажмите Enter, когда сигнал подан\n"),
            std::string::npos)
      << ended.err;
  const QJsonObject verdict = Verdict(ended);
  EXPECT_EQ(verdict.value("stopped").toString(), "user");
  const CheckRecord record = KeptRecord(data, verdict.value("id").toString().toStdString());
  EXPECT_EQ(record.asFound.size(), 1u);
  EXPECT_EQ(record.instruments,
            std::vector<std::string>{"Zelto,Simulated current meter,SIM-0001,1.0"});
}

TEST(CheckCommand, RefusesACalibratorCommandWithAFieldTheInputHasNot) {
  OwnDataFolder data;
  BenchProgram bench({"--tcp"});
  WritePt100(bench.transmitter);
  const auto refused =
      Tool(bench.transmitter, {"check", "--meter", bench.meter, "--source", bench.calibrator,
                               "--source-command", "SOUR:VOLT {v}"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(LastLine(refused.err),
            "zelto-cli: --source-command: у входа этого прибора нет значения для поля {v}");
}

TEST(CheckCommand, RefusesOptionsThatMakeNoCheck) {
  OwnDataFolder data;
  const std::string port = "/nonexistent/ttyX";
  const struct {
    std::vector<std::string> arguments;
    const char* reason;
  } cases[]{
      {{"--model", "1", "--port", port, "--port", "/nonexistent/ttyY", "check"},
       "check работает с одним портом, а не с 2"},
      {{"--port", port, "check", "--adjust"}, "--adjust только для моделей с загрузкой таблиц"},
      {{"--model", "1", "--port", port, "check", "--readings", "4,8"},
       "--readings нужно 5 токов, по одному на точку, а не 2"},
      {{"--model", "1", "--port", port, "check", "--adjust", "--readings", "4,8,12,16,20"},
       "--readings нужно 10 токов, по одному на точку до подстройки и снова после неё, а не 5"},
      {{"--model", "1", "--port", port, "check", "--meter", "tcp:h:1", "--readings", "4,20"},
       "--readings только для показаний, вводимых вручную, а не для --meter tcp:h:1"},
      {{"--model", "1", "--port", port, "check", "--meter-query", "READ?"},
       "--meter-query только для измерителя тока по последовательному порту или TCP"},
      {{"--model", "1", "--port", port, "check", "--source", "tcp:h:1"},
       "--source tcp:h:1 нужен --source-command ШАБЛОН"},
      {{"--model", "1", "--port", port, "check", "--source-command", "SOUR:RES {ohm}"},
       "--source-command только для калибратора по последовательному порту или TCP"},
      {{"--model", "1", "--port", port, "check", "--source", "tcp:h:1", "--source-command",
        "SOUR:RES {kohm}"},
       "недопустимое значение 'SOUR:RES {kohm}' для --source-command (одна строка; поля"},
      {{"--model", "1", "--port", port, "check", "--points", "0,100,50"},
       "недопустимое значение '0,100,50' для --points"},
      {{"--model", "1", "--port", port, "check", "--tolerance", "0"},
       "недопустимое значение '0' для --tolerance"},
      {{"--model", "1", "--port", port, "check", "--settle", "-1"},
       "недопустимое значение '-1' для --settle (секунды, 0..3600)"},
      {{"--model", "1", "--port", port, "check", "--meter", "usb:1"},
       "недопустимое значение 'usb:1' для --meter"},
      {{"--model", "1", "check"}, "команде нужен прибор"},
      // In English, as --lang asks.
      {{"--lang", "en", "--model", "1", "--port", port, "check", "--readings", "4,8"},
       "--readings needs 5 currents, one a point, not 2"},
      {{"--lang", "en", "--model", "1", "--port", port, "check", "--settle", "-1"},
       "invalid value '-1' for --settle (seconds, 0..3600)"},
  };
  for (const auto& c : cases) {
    const auto result = RunProgram(kCli, c.arguments);
    EXPECT_EQ(result.exitCode, 2) << c.reason;
    EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
  }
}

// report ID --out: the pages of a kept check, in either language; a record that is not there,
// and a file that cannot be written, the usual way. check --report refuses a folder it cannot
// write before it touches the unit.
TEST(CheckCommand, ReportsAKeptCheckAndRefusesWhatItCannotRender) {
  OwnDataFolder data;
  sim::Simulator transmitter(1);
  WritePt100(transmitter.Path());
  const auto failed = Tool(transmitter.Path(),
                           {"--json", "check", "--readings", "4.0,8.12,12,16,20", "--tag", "B-7"});
  ASSERT_EQ(failed.exitCode, 8) << failed.err;
  const std::string id = Verdict(failed).value("id").toString().toStdString();

  const std::string ru = data.PathOf("ru.pdf");
  const auto russian = RunProgram(kCli, {"report", id, "--out", ru});
  EXPECT_EQ(russian.exitCode, 0) << russian.err;
  EXPECT_TRUE(russian.out.empty());
  const std::string en = data.PathOf("en.pdf");
  const auto english = RunProgram(kCli, {"--lang", "en", "--json", "report", id, "--out", en});
  EXPECT_EQ(english.exitCode, 0) << english.err;
  EXPECT_EQ(JsonObjects(english.out).at(0).value("report").toString().toStdString(), en);
  if (const auto text = PdfText(ru)) {
    EXPECT_NE(text->find("B-7"), std::string::npos) << *text;
    EXPECT_NE(text->find("+0,75"), std::string::npos);
    EXPECT_NE(text->find("НЕ ГОДЕН"), std::string::npos);
    const auto englishText = PdfText(en);
    EXPECT_NE(englishText->find("FAIL"), std::string::npos) << *englishText;
    EXPECT_NE(englishText->find("+0,75"), std::string::npos);
  }

  const auto missing = RunProgram(kCli, {"report", "20990101-000000-000-x-1", "--out", ru});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("no output check 20990101-000000-000-x-1"), std::string::npos)
      << missing.err;
  const auto unwritable = RunProgram(kCli, {"report", id, "--out", data.PathOf("no/r.pdf")});
  EXPECT_EQ(unwritable.exitCode, 5);
  EXPECT_NE(unwritable.err.find("протокол не записан в"), std::string::npos) << unwritable.err;
  EXPECT_EQ(LastLine(unwritable.err), "Ошибка записи файла");
  EXPECT_EQ(RunProgram(kCli, {"report", id}).exitCode, 2);

  transmitter.ClearRequests();
  const auto refused = Tool(transmitter.Path(), {"check", "--readings", "4,8,12,16,20", "--report",
                                                 data.PathOf("no/r.pdf")});
  EXPECT_EQ(refused.exitCode, 5);
  EXPECT_NE(refused.err.find("протокол не может быть записан в"), std::string::npos) << refused.err;
  EXPECT_TRUE(transmitter.Requests().empty());
}

}  // namespace
}  // namespace zelto::cli
