#include "platform/file_replace.h"

namespace byte_file {
namespace {

constexpr std::u16string_view kSuffix = u".vorndel-save";

StepHook step_hook = nullptr;

}  // namespace

std::u16string TemporaryName(std::u16string_view name, int attempt) {
  std::u16string temporary(name);
  temporary += kSuffix;
  if (attempt > 1) {
    temporary += u'-';
    const std::string digits = std::to_string(attempt);
    temporary.append(digits.begin(), digits.end());
  }
  return temporary;
}

bool IsTemporaryName(std::u16string_view name) {
  const std::size_t suffix = name.rfind(kSuffix);
  if (suffix == std::u16string_view::npos || suffix == 0) return false;
  std::u16string_view rest = name.substr(suffix + kSuffix.size());
  if (rest.empty()) return true;
  if (rest.size() < 2 || rest[0] != u'-' || rest[1] == u'0') return false;
  for (char16_t unit : rest.substr(1))
    if (unit < u'0' || unit > u'9') return false;
  return true;
}

void SetStepHook(StepHook hook) { step_hook = hook; }

bool StepAllowed(Step step) { return !step_hook || step_hook(step); }

}  // namespace byte_file
