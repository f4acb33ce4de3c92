#include "support/replacement_faults.h"

#include <utility>

namespace test_support {
namespace {

ReplacementFaults* active = nullptr;

}  // namespace

ReplacementFaults::ReplacementFaults() {
  active = this;
  byte_file::SetStepHook(&ReplacementFaults::Hook);
}

ReplacementFaults::~ReplacementFaults() {
  byte_file::SetStepHook(nullptr);
  active = nullptr;
}

ReplacementFaults& ReplacementFaults::Fail(byte_file::Step step, int from) {
  fail_from_[step] = from;
  return *this;
}

ReplacementFaults& ReplacementFaults::Before(byte_file::Step step, int at, std::function<void()> action) {
  actions_[{step, at}] = std::move(action);
  return *this;
}

int ReplacementFaults::Count(byte_file::Step step) const {
  const auto found = counts_.find(step);
  return found == counts_.end() ? 0 : found->second;
}

bool ReplacementFaults::Hook(byte_file::Step step) {
  const int count = ++active->counts_[step];
  const auto action = active->actions_.find({step, count});
  if (action != active->actions_.end()) action->second();
  const auto fail = active->fail_from_.find(step);
  return fail == active->fail_from_.end() || count < fail->second;
}

}  // namespace test_support
