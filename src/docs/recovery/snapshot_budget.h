#pragma once
// How long one step of a snapshot's copy may hold the user-interface
// thread, and how soon the next step follows.
#include <chrono>

namespace snapshot_budget {

inline constexpr std::chrono::milliseconds kStep{20};
inline constexpr unsigned kStepIntervalMs = 10;

}  // namespace snapshot_budget
