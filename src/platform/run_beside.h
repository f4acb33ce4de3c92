#pragma once
// Two parts of one piece of work on both cores: the second on a thread of its
// own, the first on the caller's; both have ended on return.  Without a
// thread to be had, the second runs first, then the first.
#include <system_error>
#include <thread>

template <typename First, typename Second>
void RunBeside(First first, Second second) {
  std::thread worker;
  try {
    worker = std::thread(second);
  } catch (const std::system_error&) {
    second();
  }
  first();
  if (worker.joinable()) worker.join();
}
