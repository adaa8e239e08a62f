#include "check/settling.h"

#include "instruments/instrument_connection.h"
#include "sim/bench_instrument.h"

#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace zelto::check {
namespace {

using namespace std::chrono_literals;
using instruments::FailureKind;
using instruments::InstrumentFailure;
using instruments::InstrumentRole;
using Outcome = Settled::Outcome;

// Time that passes only when waited for, each wait kept; cancels at a given wait if asked to.
class TestClock final : public SettleClock {
 public:
  TimePoint Now() const override { return now_; }
  bool WaitUntil(TimePoint deadline) override {
    if (waits_ == cancelAt_)
      return false;
    ++waits_;
    now_ = std::max(now_, deadline);
    return true;
  }
  // Milliseconds since the start.
  long Elapsed() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(now_ - start_).count();
  }
  void Advance(std::chrono::milliseconds time) { now_ += time; }

  int cancelAt_ = -1;

 private:
  TimePoint start_{};
  TimePoint now_{};
  int waits_ = 0;
};

// Answers from a list, the time of each reading kept; a reading may take time of its own.
class ListMeter final : public instruments::CurrentMeter {
 public:
  ListMeter(TestClock& clock, std::deque<instruments::Reading> readings,
            std::chrono::milliseconds readingTime = 0ms)
      : clock_(clock), readings_(std::move(readings)), readingTime_(readingTime) {}

  const std::string& Name() const override { return name_; }
  bool IsManual() const override { return false; }
  instruments::Identity Identify() override { return std::string(); }
  instruments::Reading ReadMilliamperes() override {
    times.push_back(clock_.Elapsed());
    clock_.Advance(readingTime_);
    if (readings_.empty())
      return 4.0 + 0.01 * static_cast<double>(times.size());  // drifting on
    auto reading = readings_.front();
    readings_.pop_front();
    return reading;
  }

  std::vector<long> times;

 private:
  TestClock& clock_;
  std::deque<instruments::Reading> readings_;
  std::chrono::milliseconds readingTime_;
  std::string name_ = "tcp:meter:5025";
};

const SettleSettings kSettings{2000ms, 500ms, 10000ms, 0.004};

TEST(Settle, TakesTheMeanOfTheFirstThreeReadingsThatAgree) {
  const struct {
    std::deque<instruments::Reading> readings;
    double current;
    std::size_t taken;
  } cases[]{
      {{12.0, 12.0, 12.0}, 12.0, 3},
      {{12.1, 12.001, 12.003, 12.002}, (12.001 + 12.003 + 12.002) / 3, 4},
      {{12.1, 11.9, 12.0, 12.004, 12.002}, (12.0 + 12.004 + 12.002) / 3, 5},  // spread on the limit
      {{12.0, 12.0, 12.006, 12.005, 12.004, 12.007}, (12.006 + 12.005 + 12.004) / 3, 5},
  };
  for (const auto& c : cases) {
    TestClock clock;
    ListMeter meter(clock, c.readings);
    const Settled settled = Settle(meter, clock, kSettings);
    EXPECT_EQ(settled.outcome, Outcome::kSettled);
    EXPECT_NEAR(settled.current, c.current, 1e-12);
    EXPECT_EQ(settled.readings.size(), c.taken);
  }
}

TEST(Settle, ReadsAfterTheSettleTimeEveryHalfSecond) {
  TestClock clock;
  ListMeter meter(clock, {12.3, 12.0, 12.0, 12.0});
  std::vector<double> shown;
  Settle(meter, clock, kSettings, [&](double current) { shown.push_back(current); });
  EXPECT_EQ(meter.times, (std::vector<long>{2000, 2500, 3000, 3500}));
  EXPECT_EQ(shown, (std::vector<double>{12.3, 12.0, 12.0, 12.0}));
}

TEST(Settle, CallsAPointThatDoesNotSettleInTenSecondsUnstable) {
  TestClock clock;
  ListMeter meter(clock, {});
  const Settled settled = Settle(meter, clock, kSettings);
  EXPECT_EQ(settled.outcome, Outcome::kUnstable);
  EXPECT_EQ(settled.readings.size(), 21u);  // 0 s, 0.5 s ... 10 s after the first
  EXPECT_EQ(meter.times.back(), 12000);
}

TEST(Settle, KeepsItsBeatWhenTheMeterIsSlowToAnswer) {
  TestClock clock;
  ListMeter meter(clock, {}, 700ms);
  const Settled settled = Settle(meter, clock, kSettings);
  EXPECT_EQ(settled.outcome, Outcome::kUnstable);
  EXPECT_EQ(meter.times.front(), 2000);
  EXPECT_LE(meter.times.back(), 12000);
  EXPECT_EQ(meter.times.size(), 15u);  // every 700 ms from 2 s until past 12 s
}

TEST(Settle, StopsAtAMeterFailureWithTheInstrumentsWords) {
  const InstrumentFailure silent{
      InstrumentRole::kCurrentMeter, FailureKind::kSilent, "tcp:m:1", {}};
  TestClock clock;
  ListMeter meter(clock, {12.0, silent, 12.0, 12.0, 12.0});
  const Settled settled = Settle(meter, clock, kSettings);
  EXPECT_EQ(settled.outcome, Outcome::kMeterFailed);
  ASSERT_TRUE(settled.failure);
  EXPECT_EQ(*settled.failure, silent);
  EXPECT_EQ(settled.readings, std::vector<double>{12.0});
  EXPECT_EQ(meter.times.size(), 2u);
}

TEST(Settle, ReadsNothingMoreOnceCancelled) {
  for (const int cancelAt : {0, 2}) {
    TestClock clock;
    clock.cancelAt_ = cancelAt;
    ListMeter meter(clock, {12.0, 12.0, 12.0});
    const Settled settled = Settle(meter, clock, kSettings);
    EXPECT_EQ(settled.outcome, Outcome::kCancelled) << cancelAt;
    EXPECT_EQ(meter.times.size(), static_cast<std::size_t>(std::max(cancelAt - 1, 0))) << cancelAt;
  }
}

// A loop that holds its current where the test puts it.
class FixedLoop final : public sim::BenchLoop {
 public:
  bool Source(sim::SourceQuantity, double) override { return true; }
  double LoopCurrent() const override { return 0.012; }
};

// The real meter over TCP, against a simulated one that drifts or answers garbage.
TEST(Settle, MarksADriftingMeterUnstableAndStopsAtAGarbledOne) {
  FixedLoop loop;
  sim::BenchInstrument peer(sim::BenchRole::kCurrentMeter, sim::LineServer::Transport::kTcp, loop);
  const auto setting =
      std::get<instruments::InstrumentSetting>(instruments::ParseInstrumentSetting(peer.Address()));
  auto connected = instruments::ConnectMeter(setting, {}, {});
  ASSERT_TRUE(std::holds_alternative<std::unique_ptr<instruments::CurrentMeter>>(connected));
  auto& meter = *std::get<std::unique_ptr<instruments::CurrentMeter>>(connected);

  TestClock clock;
  const Settled steady = Settle(meter, clock, kSettings);
  EXPECT_EQ(steady.outcome, Outcome::kSettled);
  EXPECT_NEAR(steady.current, 12.0, 1e-9);

  peer.SetFault(sim::InstrumentFault::Drift(0.01));
  const Settled drifting = Settle(meter, clock, kSettings);
  EXPECT_EQ(drifting.outcome, Outcome::kUnstable);
  EXPECT_EQ(drifting.readings.size(), 21u);

  peer.SetFault(sim::InstrumentFault::Garbage());
  const Settled garbled = Settle(meter, clock, kSettings);
  EXPECT_EQ(garbled.outcome, Outcome::kMeterFailed);
  ASSERT_TRUE(garbled.failure);
  EXPECT_EQ(garbled.failure->kind, FailureKind::kNotANumber);
  EXPECT_TRUE(garbled.readings.empty());
}

}  // namespace
}  // namespace zelto::check
