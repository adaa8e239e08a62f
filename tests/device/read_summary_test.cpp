#include "config/read_summary.h"

#include "device_test_support.h"

#include <gtest/gtest.h>

namespace zelto::config {
namespace {

using sim::Fault;
using testing::DeviceBench;
using testing::PutWord;
using testing::Sent;
using Lines = std::vector<std::string>;

constexpr int kLoading = 1;
constexpr int kVelmor = 2;

// Version 2.7.2008 of 5.03.2009.
constexpr std::uint32_t kVersion = 2u << 24 | 7u << 16 | 2008u;
constexpr std::uint32_t kDate = 2009u << 16 | 3u << 8 | 5u;

// A transmitter whose memory holds the given words, read by the window set to its model.
class Summary : public ::testing::Test {
 protected:
  explicit Summary(int model = kLoading) : bench_(model), model_(model) {
    bench_.sim.SetFirmware(kVersion, kDate);
  }

  DeviceOutcome Read(std::initializer_list<std::pair<int, std::uint32_t>> words) {
    sim::MemoryImage memory{};
    for (const auto& [address, word] : words)
      PutWord(memory, address, word);
    bench_.sim.LoadMemory(memory);
    ConfigRecord record;
    record.Device = static_cast<std::uint8_t>(model_);
    return ReadSummary(bench_.link, bench_.reporter, record, model_);
  }

  // The range lines of a configured table-loading device with this state byte and these ends.
  Lines LoadingRange(std::uint32_t state, std::int32_t low, std::int32_t high) {
    Read({{8, state | 1u << 24},
          {16, static_cast<std::uint32_t>(low)},
          {20, static_cast<std::uint32_t>(high)}});
    return {Memo().begin() + 1, Memo().end()};
  }

  const Lines& Memo() const { return bench_.reporter.memo; }
  const Lines& Statuses() const { return bench_.reporter.statuses; }

  DeviceBench bench_;
  int model_;
};

class VelmorSummary : public Summary {
 protected:
  VelmorSummary() : Summary(kVelmor) {}

  // The lines after the version and the five switch lines.
  Lines VelmorRange(std::uint32_t state, std::int32_t low, std::int32_t high) {
    Read({{116, state | 1u << 24},
          {16, static_cast<std::uint32_t>(low)},
          {20, static_cast<std::uint32_t>(high)}});
    return {Memo().begin() + 6, Memo().end()};
  }
};

TEST_F(Summary, LoadingModelShowsVersionDateSensorAndRange) {
  EXPECT_EQ(Read({{8, 0x0100010B}, {16, static_cast<std::uint32_t>(-50)}, {20, 600}}),
            DeviceOutcome::kDone);
  EXPECT_EQ(Memo(), (Lines{"Dastra-2  Версия прошивки прибора 02.07.2008 от  5.03.2009",
                           "термопара ТХА (K)(-50...+1300)°C",
                           "Диапазон: (-50...+600)°C  Линейно от температуры"}));
  EXPECT_EQ(Statuses(), (Lines{"Чтение завершено"}));
  EXPECT_EQ(Sent(bench_.sim), (Lines{"R 104", "R 112", "R 8", "R 16", "R 20"}));
}

TEST_F(Summary, RangeLineFormsOfTheTableLoadingModels) {
  // Without the linear-from-EMF flag the stored ends are the range; "+" only after a negative.
  EXPECT_EQ(LoadingRange(11, 0, 600), (Lines{"термопара ТХА (K)(-50...+1300)°C",
                                             "Диапазон: (0...600)°C  Линейно от температуры"}));
  // With it they are tenths of a mV, shown as such and as the temperatures they stand for.
  EXPECT_EQ(LoadingRange(0x8B, -15, 250).back(),
            "Диапазон: (-38...+603)°C Линейно от термоЭДС(-1,5...+25,0) мВ");
  EXPECT_EQ(LoadingRange(0x8B, 0, 250).back(),
            "Диапазон: (0...603)°C Линейно от термоЭДС(0,0...25,0) мВ");
  // The signs follow each pair's own lower value: type B reads -0.1 mV as a positive temperature.
  EXPECT_EQ(LoadingRange(0x8D, -1, 136).back(),
            "Диапазон: (19...1801)°C Линейно от термоЭДС(-0,1...+13,6) мВ");
  // A resistance thermometer's ends are tenths of W; W 0 is far below its range.
  EXPECT_EQ(LoadingRange(0x88, 0, 13).back(),
            "Диапазон: (-240...+78)°C Линейно от термоЭДС(0,0... 1,3) мВ");
}

TEST_F(Summary, CodesWithoutConversionShowTheStoredEnds) {
  // A signal input with the flag has no table to convert with.
  EXPECT_EQ(LoadingRange(0x90, 0, 75),
            (Lines{"напряжение (0...75)мВ", "Диапазон: (0...75)°C  Линейно от температуры"}));
  // Neither has a code the catalogue does not know.
  EXPECT_EQ(LoadingRange(0x80 | 37, -5, 5),
            (Lines{"код 37", "Диапазон: (-5...+5)°C  Линейно от температуры"}));
  // Nor an end whose temperature is not finite.
  EXPECT_EQ(LoadingRange(0x8B, -2000000000, 2000000000).back(),
            "Диапазон: (-2000000000...+2000000000)°C  Линейно от температуры");
}

TEST_F(Summary, ANotConfiguredDeviceIsAReadAllTheSame) {
  EXPECT_EQ(Read({{8, 0x0001010B}}), DeviceOutcome::kDone);
  EXPECT_EQ(Memo(), (Lines{"Dastra-2  Версия прошивки прибора 02.07.2008 от  5.03.2009",
                           "Прибор не конфигурирован"}));
  EXPECT_EQ(Statuses(), (Lines{"Чтение завершено"}));
  EXPECT_EQ(Sent(bench_.sim), (Lines{"R 104", "R 112", "R 8"}));
}

// Silent from the first request, the memo of before is gone; from a later one, what was built
// stays.
TEST_F(Summary, SilenceKeepsWhatWasBuiltAndReadsNoFurther) {
  bench_.reporter.memo = {"from before"};
  bench_.sim.SetFault(Fault::SilentFrom(1));
  EXPECT_EQ(Read({}), DeviceOutcome::kNoAnswer);
  EXPECT_TRUE(Memo().empty());
  EXPECT_EQ(Statuses(), (Lines{"Прибор не отвечает"}));
  EXPECT_EQ(Sent(bench_.sim), (Lines{"R 104"}));

  bench_.sim.ClearRequests();
  bench_.sim.SetFault(Fault::SilentFrom(3));
  EXPECT_EQ(Read({{8, 0x0100010B}}), DeviceOutcome::kNoAnswer);
  EXPECT_EQ(Memo(), (Lines{"Dastra-2  Версия прошивки прибора 02.07.2008 от  5.03.2009"}));
  EXPECT_EQ(Statuses().back(), "Прибор не отвечает");
  EXPECT_EQ(Sent(bench_.sim), (Lines{"R 104", "R 112", "R 8"}));
}

TEST_F(Summary, ADeviceCodeOfNoModelReadsNothing) {
  ConfigRecord record;
  record.Device = 5;
  EXPECT_EQ(ReadSummary(bench_.link, bench_.reporter, record, 1), DeviceOutcome::kNoModel);
  EXPECT_EQ(Statuses(), (Lines{"Неизвестный тип прибора"}));
  EXPECT_TRUE(bench_.sim.Requests().empty());
}

TEST_F(Summary, TheModelNameFollowsTheListNotTheDevice) {
  ConfigRecord record;  // Device 0: the blank entry of the list
  ReadSummary(bench_.link, bench_.reporter, record, 0);
  ASSERT_FALSE(Memo().empty());
  EXPECT_EQ(Memo().front(), "        Версия прошивки прибора 02.07.2008 от  5.03.2009");
}

TEST_F(VelmorSummary, ShowsSwitchesSensorAndRange) {
  // Compensation on, three-wire, root extraction off, 4-20 mA, break detection on.
  EXPECT_EQ(Read({{0, 0x00010109},
                  {4, 0x00000102},
                  {16, static_cast<std::uint32_t>(-50)},
                  {20, 600},
                  {116, 0x01000209}}),
            DeviceOutcome::kDone);
  EXPECT_EQ(Memo(), (Lines{"Velmor-7  Версия прошивки прибора 2.07.2008 от  5.03.2009",
                           "Схема подключения:3-проводная", "Диапазон выхода:(4...20)мА",
                           "Компенсация холодного спая:включено", "Корнеизвлечение:выключено",
                           "Обрыв датчика:включено", "Тип датчика:термопара ТЖК (J)(-50...+1100)°C",
                           "Диапазон:(-50...+600)°C", "Зависимость:линейная от температуры"}));
  EXPECT_EQ(Statuses(), (Lines{"Чтение завершено"}));
  EXPECT_EQ(Sent(bench_.sim), (Lines{"R 104", "R 112", "R 0", "R 4", "R 16", "R 20", "R 116"}));
}

TEST_F(VelmorSummary, RangeLinesOfEachInput) {
  EXPECT_EQ(VelmorRange(19, 4, 20), (Lines{"ток (4...20)мА  Диапазон:(4...20)"}));
  EXPECT_EQ(VelmorRange(0x8B, -15, 250),
            (Lines{"Тип датчика:термопара ТХА (K)(-50...+1300)°C", "Диапазон:(-38...+603)°C",
                   "Зависимость:линейная от термоЭДС(-1,5...+25,0)мВ"}));
  EXPECT_EQ(VelmorRange(8, 0, 100),
            (Lines{"Тип датчика:термосопротивление Pt100 R100/R0=1,385 (-50...+600)°C",
                   "Диапазон:(0...100)°C"}));
  EXPECT_EQ(VelmorRange(37, -1, 1), (Lines{"код 37  Диапазон:(-1...+1)"}));
}

TEST_F(VelmorSummary, SwitchBytesOutsideTheirTablesShowTheirNumber) {
  Read({{0, 0x02090500}, {4, 0x00000703}});
  ASSERT_EQ(Memo().size(), 7u);
  EXPECT_EQ(
      Lines(Memo().begin() + 1, Memo().end()),
      (Lines{"Схема подключения:код 9", "Диапазон выхода:код 3", "Компенсация холодного спая:код 5",
             "Корнеизвлечение:код 2", "Обрыв датчика:код 7", "Прибор не конфигурирован"}));
  EXPECT_EQ(Statuses(), (Lines{"Чтение завершено"}));
}

}  // namespace
}  // namespace zelto::config
