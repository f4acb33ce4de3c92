#pragma once
// When a modified document's snapshot is due: a few seconds after typing
// pauses, and no later than a bound after the first change not yet in a
// snapshot, so that steady typing is covered too.
#include <cstdint>

namespace snapshot_schedule {

inline constexpr std::uint64_t kPauseMs = 3000;
inline constexpr std::uint64_t kLongestWaitMs = 30000;

// The changes of one document not yet in a snapshot.
struct Pending {
  bool any = false;
  std::uint64_t first_ms = 0;
  std::uint64_t last_ms = 0;
};

// A change at now_ms.
void Changed(Pending& pending, std::uint64_t now_ms);
// A copy taken in steps was spoiled by a change at now_ms: the next try
// waits for a pause, or for the longest wait counted from now, instead of
// starting again at once while the typing goes on.
void Spoiled(Pending& pending, std::uint64_t now_ms);
bool Due(const Pending& pending, std::uint64_t now_ms);

}  // namespace snapshot_schedule
