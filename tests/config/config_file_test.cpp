#include "config/config_file.h"

#include "config/config_dump.h"
#include "config/correction.h"
#include "config/device_range.h"
#include "config/field_assignment.h"
#include "config/memory_words.h"
#include "config/nominal_currents.h"
#include "config/range_scale.h"
#include "config/sensor_selection.h"
#include "recording_view.h"
#include "scratch_folder.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zelto::config {
namespace {

using testing::RecordingView;
using Lines = std::vector<std::string>;

// The four fields a configuration file holds.
std::tuple<int, int, int, int> Fields(const ConfigRecord& r) {
  return {r.Device, r.Sensor, r.RngMin, r.RngMax};
}

class ConfigFile : public ::testing::Test {
 protected:
  // Reads the text, from a file of its own, into a record that starts from `start`.
  ConfigFileOutcome Read(const std::string& text, ConfigRecord start = {}) {
    record = start;
    return ReadNameF(folder_.Write("config" + std::to_string(files_++) + ".cfg", text), record);
  }

  ConfigRecord record;
  RecordingView view;
  zelto::testing::ScratchFolder folder_;

 private:
  int files_ = 0;
};

TEST_F(ConfigFile, FourRecordsLoadAlikeOnFourLinesOrOne) {
  ASSERT_EQ(Read("Device 2\r\nSensor 11\r\nRngMin -50.0\r\nRngMax 1300.5\r\n"),
            ConfigFileOutcome::kRead);
  const ConfigRecord fourLines = record;
  ASSERT_EQ(Read("Device\t2 Sensor 11   RngMin -5.0e1 RngMax 1300.5 and then anything"),
            ConfigFileOutcome::kRead);
  EXPECT_EQ(record, fourLines);
  ConfigRecord expected{.Device = 2, .Sensor = 11, .RngMin = -50, .RngMax = 1300};
  EXPECT_EQ(record, expected);  // nothing else changed, nothing recomputed
}

TEST_F(ConfigFile, KeepsWhatWasReadWhenRecordsAreMissingOrMalformed) {
  ConfigRecord start;
  start.RngMin = -7;
  start.RngMax = 77;
  EXPECT_EQ(Read("Device 1\nSensor 8\n", start), ConfigFileOutcome::kBadFormat);
  EXPECT_EQ(Fields(record), std::tuple(1, 8, -7, 77));

  // A value that does not read leaves its field; the next record starts where it stopped, so
  // a record read after the fault is stored too.
  EXPECT_EQ(Read("Device x Sensor 5 RngMin 10 RngMax 20", start), ConfigFileOutcome::kBadFormat);
  // Device: "x" is no integer; Sensor: "x" was its label and "Sensor" no integer; RngMin and
  // RngMax: read under the labels "Sensor" and "RngMin".
  EXPECT_EQ(Fields(record), std::tuple(0, 0, 5, 10));
}

TEST_F(ConfigFile, ReadsLabelsOfAnyLengthAndValuesOnlyAsFarAsTheFieldsTakeThem) {
  const std::string longLabel(5000, 'L');
  ASSERT_EQ(Read(longLabel + " 1 " + longLabel + " 2 " + longLabel + " 3.5 " + longLabel + " 4"),
            ConfigFileOutcome::kRead);
  EXPECT_EQ(Fields(record), std::tuple(1, 2, 3, 4));
  // A code keeps its low byte; range ends are truncated.
  ASSERT_EQ(Read("d 300 s -1 lo -49.9 hi 49.9"), ConfigFileOutcome::kRead);
  EXPECT_EQ(Fields(record), std::tuple(44, 255, -49, 49));
  // Values beyond what the fields can take are not read at all.
  EXPECT_EQ(Read("d 99999999999 s 1 lo 1e39 hi nan"), ConfigFileOutcome::kBadFormat);
  EXPECT_EQ(Fields(record), std::tuple(0, 1, 0, 100));
}

// A pipe or a device is neither waited on nor read for ever.
TEST_F(ConfigFile, AFileThatCannotBeOpenedOrIsNoRegularFileChangesNothing) {
  const std::string pipe = folder_.PathOf("pipe.cfg");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::string zero = folder_.PathOf("zero.cfg");
  std::filesystem::create_symlink("/dev/zero", zero);
  record.Device = 2;
  const ConfigRecord untouched = record;
  for (const std::string& path : {std::string(), std::string("/nonexistent/zelto.cfg"),
                                  std::filesystem::temp_directory_path().string(), pipe, zero})
    EXPECT_EQ(ReadNameF(path, record), ConfigFileOutcome::kCannotOpen) << path;
  EXPECT_EQ(record, untouched);
}

TEST_F(ConfigFile, AFileLargerThanAnyConfigurationIsRefusedBeforeARecordIsStored) {
  const std::string records = "Device 2 Sensor 11 RngMin -50 RngMax 600";
  const std::string largest =
      folder_.Write("largest.cfg", records + std::string(kLargestConfigFile - records.size(), ' '));
  EXPECT_EQ(ReadNameF(largest, record), ConfigFileOutcome::kRead);
  EXPECT_EQ(record.RngMax, 600);

  // The records lead a gigabyte of nothing, which takes no room on the disk.
  const std::string sparse = folder_.Write("sparse.cfg", records);
  std::filesystem::resize_file(sparse, std::uintmax_t{1} << 30);
  const std::string larger = folder_.Write(
      "larger.cfg", records + std::string(kLargestConfigFile - records.size() + 1, ' '));
  for (const std::string& path : {sparse, larger}) {
    record = {};
    EXPECT_EQ(ReadNameF(path, record), ConfigFileOutcome::kBadFormat) << path;
    EXPECT_EQ(record, ConfigRecord{});
  }
}

// What a file may load, such as sensor 44 and equal range ends, reaches the computations.
TEST_F(ConfigFile, ARecordFromAFileNeverDividesByZeroOrIndexesPastATable) {
  ConfigRecord typeK;
  SilentConfigView silent;
  SetDeviceOrSensor(typeK, Selection::kSensor, 11, kOutput4To20, silent);
  ASSERT_EQ(Read("d 1 s 300 lo 20 hi 20.9", typeK), ConfigFileOutcome::kRead);
  ASSERT_EQ(record.Sensor, 44);
  ASSERT_EQ(record.RngMin, record.RngMax);
  const float curZero = record.CurZero;

  EXPECT_FALSE(ComputeNominalCurrents(record, true, kOutput4To20, view));
  EXPECT_EQ(record.CurZero, curZero);
  EXPECT_TRUE(std::isnan(CurrentAtTemperature(record, 25.0f)));
  for (const bool lineFunc : {false, true}) {
    ConfigRecord corrected = record;
    EXPECT_FALSE(ComputeCorrection(corrected, lineFunc).computed);
    EXPECT_EQ(corrected, record);
  }
  EXPECT_TRUE(ComputeDeviceRangeWords(record, true));
  EXPECT_EQ(LoadingInputWord(record).bytes[2], 0);  // no R0 for an unknown sensor

  // Editing a field or choosing the device recomputes without fault.
  AssignField(record, kQuantityTmpZero, 20.0f, kOutput4To20, view);
  EXPECT_TRUE(std::isfinite(record.CurZero));
  EXPECT_TRUE(SetDeviceOrSensor(record, Selection::kDevice, 1, kOutput4To20, view));
  EXPECT_EQ(record.Sensor, 44);
}

class DumpMemo final : public Reporter {
 public:
  void ShowStatus(std::string_view) override {}
  void ClearMemo() override { lines = {"(cleared)"}; }
  void AddMemoLine(std::string_view line) override { lines.emplace_back(line); }
  void AppendToLastMemoLine(std::string_view) override {}
  void SetProgress(int) override {}
  Lines lines{"earlier"};
};

TEST(ConfigDump, ClearsTheMemoAndShowsTheRecordInColumnsOnlyWhileItsSwitchIsOn) {
  TraceFlags flags;
  DumpMemo memo;
  flags.Set(fSendToMemo, true);
  flags.Set(fComtoBuf, true);
  DumpConfig(kInitialConfig, flags, memo);
  EXPECT_EQ(memo.lines, (Lines{"earlier"}));
  flags.Set(fCnftoMemo, true);
  DumpConfig(kInitialConfig, flags, memo);
  EXPECT_EQ(memo.lines, (Lines{"(cleared)", "Device(d) =     0000\tSensor(s) =     0000",
                               "Mode  (m) =     0000", "TermoC(c) =     0000\tRezist(w) =     0003",
                               "RngMin    =    0.000\tRngMax    =  100.000",
                               "CrnMix    =    4.000\tCrtMax    =   20.000",
                               "Zero      =    0.000\tFull      =    0.000"}));
}

}  // namespace
}  // namespace zelto::config
