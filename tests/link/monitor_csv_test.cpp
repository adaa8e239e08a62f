// What a monitor poll hands on besides its slots, and the recording's lines.
#include "link/monitor_csv.h"

#include "link/monitor.h"
#include "link_test_support.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace zelto {
namespace {

using sim::Fault;
using testing::MemoReporter;
using testing::SimulatedLink;
using namespace std::chrono_literals;

// Local time as the TZ variable names it, for as long as the object lives.
class TimeZone {
 public:
  explicit TimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ"))
      old_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~TimeZone() {
    old_ ? setenv("TZ", old_->c_str(), 1) : unsetenv("TZ");
    tzset();
  }

 private:
  std::optional<std::string> old_;
};

// 2026-12-07 13:15:02.123 UTC.
const std::chrono::system_clock::time_point kSample =
    std::chrono::system_clock::time_point(1796649302s) + 123ms;

TEST(MonitorPoll, TellsADeviceValueOfMinusOneFromNoReply) {
  SimulatedLink bench;
  bench.OpenSim();
  MemoReporter memo;
  bench.sim.SetMonitorValue(1, -1);
  bench.sim.SetMonitorValue(2, 4321);
  bench.sim.SetFault(Fault::SilentFrom(4));  // 0x500..0x502 answer
  MonitorValues values{};
  const MonitorCycle cycle = PollMonitorCycle(bench.link, values, MonitorSet::kFull, {}, memo);
  EXPECT_EQ(cycle.outcome, ServiceOutcome::kNoAnswer);
  ASSERT_EQ(cycle.readings.size(), 11u);
  EXPECT_EQ(cycle.readings[0], (MonitorReading{0x500, 1}));
  EXPECT_EQ(cycle.readings[1], (MonitorReading{0x501, -1}));
  EXPECT_EQ(cycle.readings[2], (MonitorReading{0x502, 4321}));
  EXPECT_EQ(cycle.readings[3], (MonitorReading{0x503, std::nullopt}));
  EXPECT_EQ(cycle.readings[10], (MonitorReading{0x50D, std::nullopt}));
  // The slots cannot tell the two apart, as the monitor lines show them.
  EXPECT_EQ(values[1], -1);
  EXPECT_EQ(values[3], -1);
}

TEST(MonitorCsv, NamesTheAddressesInPollOrder) {
  EXPECT_EQ(MonitorCsvHeader(MonitorSet::kFull),
            "time,0x0500,0x0501,0x0502,0x0503,0x0504,0x0505,0x0506,0x0507,0x0508,0x050C,0x050D");
  EXPECT_EQ(MonitorCsvHeader(MonitorSet::kShort),
            "time,0x0500,0x0501,0x0502,0x0503,0x0504,0x0505,0x0506,0x0507");
}

TEST(MonitorCsv, WritesTheCycleStartThenTheValuesWithEmptyCellsForSilence) {
  const TimeZone zone("UTC-3");  // three hours east of UTC
  const std::vector<MonitorReading> readings{
      {0x500, 1}, {0x501, -1}, {0x502, 2147483647}, {0x503, std::nullopt}, {0x504, std::nullopt}};
  EXPECT_EQ(MonitorCsvLine(kSample, readings), "2026-12-07T16:15:02.123+03:00,1,-1,2147483647,,");
}

TEST(LocalIsoTime, CarriesMillisecondsAndTheOffsetEitherSideOfUtc) {
  {
    const TimeZone zone("UTC+5:30");  // five and a half hours west
    EXPECT_EQ(LocalIsoTime(kSample), "2026-12-07T07:45:02.123-05:30");
    EXPECT_EQ(LocalIsoTime(kSample + 877ms), "2026-12-07T07:45:03.000-05:30");
  }
  const TimeZone zone("UTC0");
  EXPECT_EQ(LocalIsoTime(kSample), "2026-12-07T13:15:02.123+00:00");
  // Before 1970 the milliseconds still count forward from the whole second.
  EXPECT_EQ(LocalIsoTime(std::chrono::system_clock::time_point(-1500ms)),
            "1969-12-31T23:59:58.500+00:00");
}

}  // namespace
}  // namespace zelto
