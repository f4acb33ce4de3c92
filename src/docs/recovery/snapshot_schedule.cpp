#include "docs/recovery/snapshot_schedule.h"

namespace snapshot_schedule {

void Changed(Pending& pending, std::uint64_t now_ms) {
  if (!pending.any) pending.first_ms = now_ms;
  pending.any = true;
  pending.last_ms = now_ms;
}

void Spoiled(Pending& pending, std::uint64_t now_ms) {
  pending.any = true;
  pending.first_ms = now_ms;
  pending.last_ms = now_ms;
}

bool Due(const Pending& pending, std::uint64_t now_ms) {
  if (!pending.any) return false;
  return now_ms - pending.last_ms >= kPauseMs || now_ms - pending.first_ms >= kLongestWaitMs;
}

}  // namespace snapshot_schedule
