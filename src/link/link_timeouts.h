#pragma once

namespace zelto {

// When a read of the port ends short of the count it asked for. A read always ends at once when
// the count has arrived; otherwise when more than gapMs pass between two bytes, or after
// perByteMs for every requested byte plus constantMs, whichever comes first.
struct LinkTimeouts {
  int gapMs = 200;
  int perByteMs = 200;
  int constantMs = 5000;

  int TotalMs(int count) const { return perByteMs * count + constantMs; }

  // All three multiplied, for slow adapters (or fast tests). The factor comes from the command
  // line and may be anything: each result stays within 0 .. kLongestWaitMs, so that neither the
  // conversion nor TotalMs of a frame can overflow.
  LinkTimeouts Scaled(double factor) const {
    return {ScaledMs(gapMs, factor), ScaledMs(perByteMs, factor), ScaledMs(constantMs, factor)};
  }

  static constexpr int kLongestWaitMs = 60 * 60 * 1000;  // beyond an hour, a wait is endless

  static int ScaledMs(int ms, double factor) {
    const double scaled = ms * factor;
    if (!(scaled > 0))  // NaN as well
      return 0;
    return scaled < kLongestWaitMs ? static_cast<int>(scaled) : kLongestWaitMs;
  }
};

// A write of count bytes ends after this long at the latest.
inline int WriteTimeoutMs(int count) {
  return 20 * count + 20;
}

}  // namespace zelto
