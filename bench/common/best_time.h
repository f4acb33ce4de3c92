#pragma once
// Timing for the benchmarks: seconds since a moment, and the best of a few
// runs of the same work.
#include <algorithm>
#include <chrono>
#include <functional>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The shortest of `repeats` runs; -1 when a run fails.
inline double Best(int repeats, const std::function<bool()>& run) {
  double best = 1e9;
  for (int i = 0; i < repeats; ++i) {
    const Clock::time_point start = Clock::now();
    if (!run()) return -1;
    best = std::min(best, SecondsSince(start));
  }
  return best;
}

}  // namespace bench
