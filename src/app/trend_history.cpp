#include "app/trend_history.h"

#include <algorithm>
#include <bit>

namespace zelto::app {
namespace {

using Point = TrendRuns::Point;

// Adds to the runs: a point that continues the current run, or one that starts a new run.
class RunBuilder {
 public:
  explicit RunBuilder(TrendRuns& runs) : runs_(runs) {}
  void Add(double x, double y) {
    if (broken_) {
      runs_.runStarts.push_back(runs_.points.size());
      broken_ = false;
    }
    runs_.points.push_back({x, y});
  }
  void Break() { broken_ = true; }

 private:
  TrendRuns& runs_;
  bool broken_ = true;
};

}  // namespace

std::size_t TrendRuns::RunSize(std::size_t run) const {
  const std::size_t end = run + 1 < runStarts.size() ? runStarts[run + 1] : points.size();
  return end - runStarts[run];
}

TrendHistory::TrendHistory(std::vector<std::uint16_t> addresses)
    : addresses_(std::move(addresses)), series_(addresses_.size()) {}

void TrendHistory::Append(WallTime start, std::chrono::steady_clock::time_point steadyStart,
                          const std::vector<MonitorReading>& readings) {
  using Milliseconds = std::chrono::duration<double, std::milli>;
  if (!steadyFirst_)
    steadyFirst_ = steadyStart;
  const double firstMs =
      times_.empty() ? Milliseconds(start.time_since_epoch()).count() : times_.front();
  // Never before the cycle ahead of it, whatever the steady clock's resolution.
  double time = firstMs + Milliseconds(steadyStart - *steadyFirst_).count();
  if (!times_.empty())
    time = std::max(time, times_.back());
  times_.push_back(time);
  wallTimes_.push_back(start);

  const std::size_t cycle = times_.size() - 1;
  for (std::size_t s = 0; s < series_.size(); ++s) {
    const auto reading =
        std::find_if(readings.begin(), readings.end(),
                     [&](const MonitorReading& r) { return r.address == addresses_[s]; });
    const bool answered = reading != readings.end() && reading->value.has_value();
    series_[s].values.push_back(answered ? *reading->value : 0);
    series_[s].answered.push_back(answered);
    AddToLevels(series_[s], cycle);
  }
}

void TrendHistory::AddToLevels(Series& series, std::size_t cycle) {
  const bool answered = series.answered[cycle];
  const std::int32_t value = series.values[cycle];
  if (series.levels.empty())
    series.levels.emplace_back();
  for (std::size_t level = 0; level < series.levels.size(); ++level) {
    auto& blocks = series.levels[level];
    const std::size_t block = cycle >> (level + 1);
    if (blocks.size() <= block)
      blocks.emplace_back();
    Block& summary = blocks[block];
    if (answered) {
      summary.least = summary.answered == 0 ? value : std::min(summary.least, value);
      summary.greatest = summary.answered == 0 ? value : std::max(summary.greatest, value);
      ++summary.answered;
    }
  }
  // Once the cycles fill the top level's first block, the next level starts from it.
  if (const std::size_t count = cycle + 1; count >= 2 && std::has_single_bit(count))
    series.levels.push_back({series.levels.back().front()});
}

std::optional<std::int32_t> TrendHistory::ValueAt(std::size_t series, std::size_t cycle) const {
  if (!series_[series].answered[cycle])
    return std::nullopt;
  return series_[series].values[cycle];
}

std::vector<MonitorReading> TrendHistory::ReadingsAt(std::size_t cycle) const {
  std::vector<MonitorReading> readings;
  for (std::size_t s = 0; s < series_.size(); ++s)
    readings.push_back({addresses_[s], ValueAt(s, cycle)});
  return readings;
}

TrendRuns TrendHistory::View(std::size_t series, double fromMs, double toMs, int columns) const {
  TrendRuns runs;
  if (times_.empty() || toMs < fromMs)
    return runs;
  // One cycle beyond each edge, where there is one.
  const auto from = std::lower_bound(times_.begin(), times_.end(), fromMs);
  const auto to = std::upper_bound(times_.begin(), times_.end(), toMs);
  const std::size_t first = from == times_.begin() ? 0 : (from - times_.begin()) - 1;
  const std::size_t last =
      to == times_.end() ? times_.size() - 1 : static_cast<std::size_t>(to - times_.begin());
  const std::size_t count = last - first + 1;
  const auto width = static_cast<std::size_t>(std::max(columns, 1));
  if (count <= width) {
    ViewRaw(series_[series], first, last, runs);
    return runs;
  }
  // The finest level whose blocks number no more than the columns.
  int level = 0;
  while ((count >> (level + 1)) > width)
    ++level;
  ViewBlocks(series_[series], first, last, level, runs);
  return runs;
}

void TrendHistory::ViewRaw(const Series& series, std::size_t first, std::size_t last,
                           TrendRuns& runs) const {
  RunBuilder builder(runs);
  for (std::size_t cycle = first; cycle <= last; ++cycle) {
    if (series.answered[cycle]) {
      builder.Add(times_[cycle], series.values[cycle]);
    } else {
      builder.Break();
    }
  }
}

void TrendHistory::ViewBlocks(const Series& series, std::size_t first, std::size_t last, int level,
                              TrendRuns& runs) const {
  const auto& blocks = series.levels[static_cast<std::size_t>(level)];
  const int shift = level + 1;
  RunBuilder builder(runs);
  for (std::size_t block = first >> shift; block <= (last >> shift); ++block) {
    const Block& summary = blocks[block];
    const std::size_t begin = block << shift;
    const std::size_t end = std::min(times_.size(), (block + 1) << shift);
    if (summary.answered == 0) {
      builder.Break();
      continue;
    }
    const double x = times_[begin + (end - begin) / 2];
    const bool whole = summary.answered == end - begin;
    if (!whole)
      builder.Break();
    builder.Add(x, summary.least);
    if (summary.greatest != summary.least)
      builder.Add(x, summary.greatest);
    if (!whole)
      builder.Break();
  }
}

}  // namespace zelto::app
