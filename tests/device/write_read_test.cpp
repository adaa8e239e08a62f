// What is written comes back from the device's own memory in the summary.
#include "config/read_summary.h"
#include "config/write_sequences.h"
#include "device_test_support.h"

#include <gtest/gtest.h>

namespace zelto::config {
namespace {

using testing::Configured;
using testing::DeviceBench;
using testing::SetRange;

struct Written {
  int sensor;
  int low;
  int high;
  bool lineFunc;
  std::string summaryTail;  // the lines after the version (and the switches), each with its end
};

// Writes each configuration in turn to one device and reads its summary back.
void WriteAndReadBack(int model, const std::vector<Written>& configurations,
                      std::size_t linesBeforeRange) {
  DeviceBench bench(model);
  for (const Written& written : configurations) {
    ConfigRecord record = Configured(model, written.sensor);
    SetRange(record, written.low, written.high);
    const VelmorSwitches switches{false, 0, false, 2, false};
    ASSERT_EQ(
        WriteConfiguration(bench.link, bench.reporter, record, model, written.lineFunc, switches),
        DeviceOutcome::kDone)
        << written.sensor;
    ASSERT_EQ(ReadSummary(bench.link, bench.reporter, record, model), DeviceOutcome::kDone);
    const std::vector<std::string>& memo = bench.reporter.memo;
    ASSERT_GT(memo.size(), linesBeforeRange);
    std::string tail;
    for (auto line = memo.begin() + static_cast<std::ptrdiff_t>(linesBeforeRange);
         line != memo.end(); ++line)
      tail += *line + "\n";
    EXPECT_EQ(tail, written.summaryTail) << written.sensor;
  }
}

// Type K from -50 °C and type J on Velmor-7 are written and read in the sequence and summary tests.
TEST(WriteThenRead, TableLoadingModelsGiveBackSensorAndRange) {
  const std::vector<Written> configurations{
      {8, 0, 300, false,
       "термосопротивление Pt100 R100/R0=1,385 (-50...+600)°C\n"
       "Диапазон: (0...300)°C  Линейно от температуры\n"},
      {4, -50, 150, false,
       "термосопротивление   53M R100/R0=1,428 (-50...+200)°C\n"
       "Диапазон: (-50...+150)°C  Линейно от температуры\n"},
      // Tenths of a mV lose a little on the way: -1.889 mV is stored as -1.8, 16.777 as 16.7.
      {11, -50, 1000, true,
       "термопара ТХА (K)(-50...+1300)°C\n"
       "Диапазон: (-46...+999)°C Линейно от термоЭДС(-1,8...+41,2) мВ\n"},
      {12, 0, 1600, true,
       "термопара ТПП (S)(0...1700)°C\n"
       "Диапазон: (0...1594)°C Линейно от термоЭДС(0,0...16,7) мВ\n"},
  };
  WriteAndReadBack(1, configurations, 1);
  WriteAndReadBack(0, {configurations[0]}, 1);
}

TEST(WriteThenRead, VelmorGivesBackSensorAndRangeOfEachInput) {
  WriteAndReadBack(2,
                   {
                       {8, 0, 300, false,
                        "Тип датчика:термосопротивление Pt100 R100/R0=1,385 (-50...+600)°C\n"
                        "Диапазон:(0...300)°C\n"},
                       {11, -50, 1000, true,
                        "Тип датчика:термопара ТХА (K)(-50...+1300)°C\nДиапазон:(-46...+999)°C\n"
                        "Зависимость:линейная от термоЭДС(-1,8...+41,2)мВ\n"},
                       {16, 10, 60, false, "напряжение (0...75)мВ  Диапазон:(10...60)\n"},
                       {20, 0, 320, false, "сопротивление (0...320)Ом  Диапазон:(0...320)\n"},
                   },
                   6);
}

}  // namespace
}  // namespace zelto::config
