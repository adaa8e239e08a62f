#include "check/check_record_json.h"
#include "check/check_store.h"
#include "scratch_folder.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zelto::check {
namespace {

MeasuredPoint Point(double percent, double temperature, double signal, double expected,
                    std::optional<double> measured, PointResult result) {
  MeasuredPoint point;
  point.point.percent = percent;
  point.point.temperature = temperature;
  point.point.signal = signal;
  point.point.signalUnit = SignalUnit::kOhm;
  point.point.expected = expected;
  point.measured = measured;
  // The file keeps an error to 0.0001 % of span.
  point.error = measured ? std::round((*measured - expected) / 16 * 1e6) / 1e4 : 0.0;
  point.result = result;
  return point;
}

// A record with every kind of content a check leaves: an unstable point with its readings, the
// correction with its backup, the as-left pass and a stop.
CheckRecord FullRecord() {
  CheckRecord record;
  record.id = "20261207-141502-123-ttyUSB0-1";
  record.time = "2026-12-07T14:15:02.123+01:00";
  record.tag = "TT-101 «котёл»";
  record.engineer = "Иванов И. И.";
  record.instruments = {"Zelto,Simulated current meter,SIM-0001,1.0", "калибратор \"К-1\""};
  record.model = 1;
  record.port = "/dev/ttyUSB0";
  record.firmware = "02.04.0017 14.03.2022";
  record.unit = keep::UnitIdentity{{{104, {0x11, 0, 4, 2}}, {112, {0x0e, 3, 0xe6, 7}}}, {}};
  for (int address = 32; address <= 80; address += 4)
    record.unit->calibration.push_back({static_cast<uint16_t>(address), {1, 2, 3, 4}});
  record.configuration = {8, 0, 100, 2, false, false};
  record.tolerance = 0.25;
  record.asFound = {Point(0, 0, 100, 4, 4.164, PointResult::kFail),
                    Point(50, 50, 119.3971, 12, std::nullopt, PointResult::kUnstable),
                    Point(100, 100, 138.5055, 20, 20.234, PointResult::kFail)};
  record.asFound[1].readings = {12.19, 12.2, 12.21};
  record.adjustment =
      Adjustment{{1.0f, 0.0f}, {0.996016f, -12.5f}, "20261207-141510-001-ttyUSB0-2"};
  record.asLeft = std::vector<MeasuredPoint>{Point(0, 0, 100, 4, 4.001, PointResult::kPass)};
  record.result = CheckResult::kCancelled;
  record.stopped = CheckStop::kMeter;
  return record;
}

TEST(CheckRecordFile, ReadsBackWhatItWrote) {
  const CheckRecord record = FullRecord();
  const std::string text = CheckToJson(record);
  const auto read = CheckFromJson(text);
  ASSERT_TRUE(std::holds_alternative<CheckRecord>(read)) << std::get<std::string>(read);
  EXPECT_EQ(std::get<CheckRecord>(read), record);

  CheckRecord signalInput = record;
  signalInput.asFound[0].point.temperatureRange = false;
  signalInput.asFound[0].point.temperature = signalInput.asFound[0].point.signal;
  signalInput.asFound[0].point.clampedAtZero = true;
  signalInput.adjustment->backup.clear();  // --no-backup
  signalInput.unit.reset();
  signalInput.asLeft.reset();
  signalInput.stopped = CheckStop::kNone;
  signalInput.result = CheckResult::kFail;
  signalInput.asFound[2].measured = 1e308;  // typed by a slip of the finger, kept as typed
  signalInput.asFound[2].error = 6.25e305;
  const auto again = CheckFromJson(CheckToJson(signalInput));
  ASSERT_TRUE(std::holds_alternative<CheckRecord>(again)) << std::get<std::string>(again);
  EXPECT_EQ(std::get<CheckRecord>(again), signalInput);
}

TEST(CheckRecordFile, KeepsTheKeysInTheRecordsOrderAndThePointsOneALine) {
  const std::string text = CheckToJson(FullRecord());
  std::size_t at = 0;
  for (const char* key : {"format", "version", "id", "time", "tag", "engineer", "instruments",
                          "model", "port", "firmware", "unit", "configuration", "tolerance",
                          "as_found", "adjustment", "as_left", "result", "stopped"}) {
    const auto found = text.find(std::string("\n  \"") + key + "\": ", at);
    ASSERT_NE(found, std::string::npos) << key;
    at = found;
  }
  EXPECT_NE(
      text.find("\n    {\"percent\": 50, \"temperature\": 50, \"signal\": 119.3971, \"unit\": "
                "\"ohm\", \"expected\": 12, \"measured\": null, \"error\": null, \"result\": "
                "\"unstable\", \"readings\": [12.19,12.2,12.21]}"),
      std::string::npos)
      << text;
  // The floats the unit holds, not their binary tails.
  EXPECT_NE(text.find("\"after\": {\"Au\": 0.996016, \"Bu\": -12.5}"), std::string::npos) << text;
  EXPECT_NE(text.find("\"model\": \"dastra-2\""), std::string::npos);
}

TEST(CheckRecordFile, RefusesWhatIsNoRecordOfThisProgram) {
  const std::string good = CheckToJson(FullRecord());
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  const struct {
    std::string text;
    std::string reason;
  } cases[]{
      {"[1, 2]", "not a JSON object"},
      {replaced("zelto-check", "zelto-backup"), "not an output check"},
      {replaced("\"version\": 1", "\"version\": 2"), "written by a newer program"},
      {replaced("20261207-141502-123-ttyUSB0-1", "../x"), "\"id\""},
      {replaced("\"tolerance\": 0.25", "\"tolerance\": 0"), "\"tolerance\""},
      {replaced("\"result\": \"unstable\"", "\"result\": \"maybe\""), "\"as_found\""},
      {replaced("\"measured\": null", "\"measured\": 12"), "\"as_found\""},
      {replaced("\"output\": \"4-20\"", "\"output\": \"4-25\""), "\"configuration\""},
      {replaced("[104,", "[108,"), "\"unit\""},
      {replaced("\"stopped\": \"meter\"", "\"stopped\": \"gremlins\""), "\"stopped\""},
  };
  for (const auto& c : cases) {
    const auto read = CheckFromJson(c.text);
    ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.reason;
    EXPECT_NE(std::get<std::string>(read).find(c.reason), std::string::npos)
        << std::get<std::string>(read);
  }
}

TEST(CheckStoreFolder, KeepsEveryCheckInAFileOfItsOwnAndListsTheNewestFirst) {
  testing::ScratchFolder folder;
  const CheckStore store(folder.PathOf("checks"));
  CheckRecord first = FullRecord();
  CheckRecord second = FullRecord();  // the same millisecond, the same port
  CheckRecord later = FullRecord();
  later.time = "2026-12-07T14:16:00.000+01:00";
  later.tag = "TT-102";
  for (CheckRecord* record : {&first, &second, &later})
    ASSERT_TRUE(store.Save(*record));
  EXPECT_NE(first.id, second.id);
  EXPECT_TRUE(first.id.starts_with("20261207-141502-123-ttyUSB0-"));
  for (const CheckRecord* record : {&first, &second, &later})
    EXPECT_EQ(std::get<CheckRecord>(store.Load(record->id)), *record);

  std::filesystem::create_symlink(folder.PathOf("checks/" + first.id + ".json"),
                                  folder.PathOf("checks/linked.json"));
  folder.Write("checks/notes.json", "{}");
  const CheckStore::Listing listing = store.List();
  std::vector<std::string> ids;
  for (const CheckRecord& record : listing.records)
    ids.push_back(record.id);
  EXPECT_EQ(ids, (std::vector<std::string>{later.id, second.id, first.id}));
  ASSERT_EQ(listing.unreadable.size(), 2u);
  EXPECT_TRUE(listing.unreadable[0].starts_with("linked.json: a symbolic link"));
  EXPECT_TRUE(listing.unreadable[1].starts_with("notes.json: not an output check"));

  const auto missing = store.Load("20261207-000000-000-x-9");
  ASSERT_TRUE(std::holds_alternative<CheckStore::LoadFailure>(missing));
  EXPECT_TRUE(std::get<CheckStore::LoadFailure>(missing).missing);
  EXPECT_TRUE(std::get<CheckStore::LoadFailure>(store.Load("../etc/passwd")).missing);
}

TEST(CheckStoreFolder, SaysSoWhenNoFileCanBeMade) {
  testing::ScratchFolder folder;
  const std::string file = folder.Write("taken", "a file where the folder would be");
  CheckRecord record = FullRecord();
  EXPECT_FALSE(CheckStore(file + "/checks").Save(record));
  EXPECT_TRUE(record.id.empty());
}

}  // namespace
}  // namespace zelto::check
