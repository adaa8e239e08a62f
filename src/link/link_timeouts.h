#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

namespace zelto {

// When a read of the port ends short of the count it asked for. A read always ends at once when
// the count has arrived; otherwise when more than gapMs pass between two bytes, or after
// perByteMs for every requested byte plus constantMs, whichever comes first.
struct LinkTimeouts {
  // No scaled time-out goes below a millisecond (0 would mean "do not wait at all", and a
  // device is never that fast) nor above an hour (beyond that a wait is a hang).
  static constexpr int kShortestMs = 1;
  static constexpr int kLongestMs = 60 * 60 * 1000;

  int gapMs = 200;
  int perByteMs = 200;
  int constantMs = 5000;

  // Saturates instead of overflowing, whatever the figures.
  int TotalMs(int count) const {
    const std::int64_t total =
        static_cast<std::int64_t>(perByteMs) * std::max(count, 0) + constantMs;
    return static_cast<int>(std::clamp<std::int64_t>(total, 0, INT_MAX));
  }

  // All three multiplied, for slow adapters (or fast tests), each kept within
  // kShortestMs..kLongestMs; a factor that is no number gives the shortest.
  LinkTimeouts Scaled(double factor) const {
    return {ScaledMs(gapMs, factor), ScaledMs(perByteMs, factor), ScaledMs(constantMs, factor)};
  }

 private:
  static int ScaledMs(int ms, double factor) {
    const double scaled = static_cast<double>(ms) * factor;
    if (!(scaled >= kShortestMs))  // NaN included
      return kShortestMs;
    if (scaled >= kLongestMs)
      return kLongestMs;
    return static_cast<int>(scaled);
  }
};

// A write of count bytes ends after this long at the latest.
inline int WriteTimeoutMs(int count) {
  return 20 * count + 20;
}

}  // namespace zelto
