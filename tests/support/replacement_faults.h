#pragma once
// Stands in for the system at the steps of every file replacement while it
// lives: a step can fail as the system would refuse it (a folder that takes
// no new file, a full disk, a locked target), or run an action first (a
// look at the folder, or the end of the process).  One at a time.
#include <functional>
#include <map>

#include "platform/file_replace.h"

namespace test_support {

class ReplacementFaults {
 public:
  ReplacementFaults();
  ReplacementFaults(const ReplacementFaults&) = delete;
  ReplacementFaults& operator=(const ReplacementFaults&) = delete;
  ~ReplacementFaults();

  // From the `from`th time `step` comes (counting from 1), it fails.
  ReplacementFaults& Fail(byte_file::Step step, int from = 1);
  // The `at`th time `step` comes, `action` runs before the step.
  ReplacementFaults& Before(byte_file::Step step, int at, std::function<void()> action);
  // How many times `step` came.
  int Count(byte_file::Step step) const;

 private:
  static bool Hook(byte_file::Step step);

  std::map<byte_file::Step, int> counts_;
  std::map<byte_file::Step, int> fail_from_;
  std::map<std::pair<byte_file::Step, int>, std::function<void()>> actions_;
};

}  // namespace test_support
