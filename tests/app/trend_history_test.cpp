// The monitor history and what of it the chart is given: every value while the stretch is
// narrow, least and greatest per block of cycles beyond that.
#include "app/trend_history.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace zelto::app {
namespace {

using namespace std::chrono_literals;
using Point = TrendRuns::Point;

constexpr auto kCycle = 3000ms;
const TrendHistory::WallTime kStart{std::chrono::seconds(1'800'000'000)};
const double kStartMs = 1'800'000'000'000.0;

// A history of one address, one cycle every three seconds; nothing is a missing reply.
TrendHistory Build(const std::vector<std::optional<std::int32_t>>& values) {
  TrendHistory history({0x501});
  const std::chrono::steady_clock::time_point steady{};
  for (std::size_t cycle = 0; cycle < values.size(); ++cycle) {
    history.Append(kStart + cycle * kCycle, steady + cycle * kCycle, {{0x501, values[cycle]}});
  }
  return history;
}

std::vector<std::vector<Point>> Runs(const TrendRuns& runs) {
  std::vector<std::vector<Point>> split;
  for (std::size_t run = 0; run < runs.RunCount(); ++run) {
    const auto begin = runs.points.begin() + static_cast<std::ptrdiff_t>(runs.runStarts[run]);
    split.emplace_back(begin, begin + static_cast<std::ptrdiff_t>(runs.RunSize(run)));
  }
  return split;
}

double At(std::size_t cycle) {
  return kStartMs + 3000.0 * static_cast<double>(cycle);
}

TEST(TrendHistory, ANarrowStretchShowsEveryValueAndBreaksWhereNoReplyCame) {
  const TrendHistory history = Build({5, 6, std::nullopt, -1, 8, 9});
  EXPECT_EQ(history.TimeAt(3), At(3));
  EXPECT_EQ(history.ValueAt(0, 2), std::nullopt);
  EXPECT_EQ(history.ValueAt(0, 3), -1);
  const auto runs = Runs(history.View(0, At(0), At(5), 100));
  EXPECT_EQ(runs, (std::vector<std::vector<Point>>{{{At(0), 5}, {At(1), 6}},
                                                   {{At(3), -1}, {At(4), 8}, {At(5), 9}}}));
  // A part of it, with the cycle on either side so that the line reaches the edges.
  const auto part = Runs(history.View(0, At(3) + 1, At(4) - 1, 100));
  EXPECT_EQ(part, (std::vector<std::vector<Point>>{{{At(3), -1}, {At(4), 8}}}));
}

TEST(TrendHistory, ADayKeepsItsPeaksAndGapsInAFewPointsAColumn) {
  constexpr std::size_t kDay = 28'800;
  std::vector<std::optional<std::int32_t>> values(kDay);
  for (std::size_t cycle = 0; cycle < kDay; ++cycle)
    values[cycle] = static_cast<std::int32_t>(1000 + 100 * std::sin(cycle / 500.0));
  values[12'345] = 99'999;   // one cycle's spike
  values[20'001] = -50'000;  // and one cycle's dip
  for (std::size_t cycle = 25'000; cycle < 25'200; ++cycle)
    values[cycle] = std::nullopt;  // ten minutes without a reply
  const TrendHistory history = Build(values);

  constexpr int kColumns = 800;
  const TrendRuns view = history.View(0, At(0), At(kDay - 1), kColumns);
  EXPECT_LE(view.points.size(), 2u * kColumns + 4);
  const auto [least, greatest] =
      std::minmax_element(view.points.begin(), view.points.end(),
                          [](const Point& a, const Point& b) { return a.y < b.y; });
  EXPECT_EQ(greatest->y, 99'999);
  EXPECT_EQ(least->y, -50'000);
  // No line crosses the silence.
  for (const auto& run : Runs(view)) {
    EXPECT_FALSE(run.front().x < At(25'100) && run.back().x > At(25'100))
        << run.front().x << " .. " << run.back().x;
  }

  // The last hour at full resolution: every value.
  const TrendRuns hour = history.View(0, At(kDay - 1200), At(kDay - 1), kColumns * 2);
  EXPECT_EQ(hour.points.size(), 1200u + 1);
  EXPECT_EQ(hour.points.back().y, *values[kDay - 1]);
}

TEST(TrendHistory, ReadingsOfAddressesItDoesNotKnowAreLeftOut) {
  TrendHistory history({0x500, 0x501});
  const std::chrono::steady_clock::time_point steady{};
  history.Append(kStart, steady, {{0x501, 7}, {0x50D, 9}});
  EXPECT_EQ(history.ReadingsAt(0),
            (std::vector<MonitorReading>{{0x500, std::nullopt}, {0x501, 7}}));
  EXPECT_EQ(history.WallTimeAt(0), kStart);
  // A wall clock set back does not fold the chart's time.
  history.Append(kStart - 1h, steady + kCycle, {});
  EXPECT_EQ(history.TimeAt(1), kStartMs + 3000.0);
}

}  // namespace
}  // namespace zelto::app
