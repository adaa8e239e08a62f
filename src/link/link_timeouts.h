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

  // All three multiplied, for slow adapters (or fast tests).
  LinkTimeouts Scaled(double factor) const {
    return {static_cast<int>(gapMs * factor), static_cast<int>(perByteMs * factor),
            static_cast<int>(constantMs * factor)};
  }
};

// A write of count bytes ends after this long at the latest.
inline int WriteTimeoutMs(int count) {
  return 20 * count + 20;
}

}  // namespace zelto
