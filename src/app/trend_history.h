#pragma once

#include "link/monitor.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace zelto::app {

// A stretch of one address's trend as the chart draws it: points in time order, split into
// runs that are drawn as lines; no line joins two runs, which is how a missing reply shows.
struct TrendRuns {
  struct Point {
    double x;  // ms since the epoch
    double y;
    bool operator==(const Point&) const = default;
  };
  std::vector<Point> points;
  std::vector<std::size_t> runStarts;  // index of each run's first point, ascending

  std::size_t RunCount() const { return runStarts.size(); }
  std::size_t RunSize(std::size_t run) const;
};

// Every monitor cycle since the poll began, kept whole for as long as the window runs: the time
// of each cycle and, per address, its value or the lack of a reply. Beside the values it keeps
// per address the least and greatest value over blocks of 2, 4, 8, … cycles, so that showing
// any stretch costs about the same whatever the history's length. Memory grows with the
// history (about 200 bytes a cycle for the eleven addresses), never with the showing.
class TrendHistory {
 public:
  using WallTime = std::chrono::system_clock::time_point;

  explicit TrendHistory(std::vector<std::uint16_t> addresses);

  const std::vector<std::uint16_t>& Addresses() const { return addresses_; }
  std::size_t Cycles() const { return times_.size(); }

  // A cycle that started at `start` and `steadyStart`: its readings by address (an address the
  // history does not know is left out; one the readings lack is a gap). The chart's time is the
  // wall-clock time of the first cycle moved on by the steady clock, so that a clock set back
  // does not fold the history over itself.
  void Append(WallTime start, std::chrono::steady_clock::time_point steadyStart,
              const std::vector<MonitorReading>& readings);

  // The chart's time of a cycle, ms since the epoch; ascending.
  double TimeAt(std::size_t cycle) const { return times_[cycle]; }
  WallTime WallTimeAt(std::size_t cycle) const { return wallTimes_[cycle]; }
  std::optional<std::int32_t> ValueAt(std::size_t series, std::size_t cycle) const;
  // The cycle's readings in address order, as the poll gave them.
  std::vector<MonitorReading> ReadingsAt(std::size_t cycle) const;

  // The series between the two times (with the cycle on either side, so that its line runs to
  // the edges), for a chart `columns` pixels wide. While the stretch holds no more cycles than
  // columns, every value is a point. Beyond that each block of cycles narrower than a column
  // gives its least and greatest value, so that no peak is lost; a block in which a reply is
  // missing stands alone, unjoined to its neighbours.
  TrendRuns View(std::size_t series, double fromMs, double toMs, int columns) const;

 private:
  // The least and greatest value of one block of cycles, and how many of them had one.
  struct Block {
    std::int32_t least = 0;
    std::int32_t greatest = 0;
    std::uint32_t answered = 0;
  };
  struct Series {
    std::vector<std::int32_t> values;
    std::vector<bool> answered;
    // levels[k] holds the blocks of 2^(k+1) cycles.
    std::vector<std::vector<Block>> levels;
  };

  void AddToLevels(Series& series, std::size_t cycle);
  void ViewRaw(const Series& series, std::size_t first, std::size_t last, TrendRuns& runs) const;
  void ViewBlocks(const Series& series, std::size_t first, std::size_t last, int level,
                  TrendRuns& runs) const;

  std::vector<std::uint16_t> addresses_;
  std::vector<double> times_;
  std::vector<WallTime> wallTimes_;
  std::optional<std::chrono::steady_clock::time_point> steadyFirst_;
  std::vector<Series> series_;
};

}  // namespace zelto::app
