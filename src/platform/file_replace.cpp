#include "platform/file_replace.h"

#include <algorithm>

namespace byte_file {
namespace {

constexpr std::u16string_view kNewTextSuffix = u".vorndel-save";
constexpr std::u16string_view kOldFileSuffix = u".vorndel-old";

StepHook step_hook = nullptr;
// Per thread: the recovery writer's failures must not pass for a save's.
thread_local Failure last_failure;

std::u16string_view SuffixFor(Holds holds) { return holds == Holds::kNewText ? kNewTextSuffix : kOldFileSuffix; }

void AppendNumber(std::u16string& text, int number) {
  const std::string digits = std::to_string(number);
  text.append(digits.begin(), digits.end());
}

// A suffix, then nothing or "-" and a number without a leading zero.
bool EndsWithSuffix(std::u16string_view name, std::u16string_view suffix) {
  const std::size_t at = name.rfind(suffix);
  if (at == std::u16string_view::npos || at == 0) return false;
  std::u16string_view rest = name.substr(at + suffix.size());
  if (rest.empty()) return true;
  if (rest.size() < 2 || rest[0] != u'-' || rest[1] == u'0') return false;
  return std::all_of(rest.begin() + 1, rest.end(), [](char16_t unit) { return unit >= u'0' && unit <= u'9'; });
}

}  // namespace

std::u16string TemporaryName(std::u16string_view name, int attempt, Holds holds, std::size_t room) {
  std::u16string temporary(name);
  temporary += SuffixFor(holds);
  if (attempt > 1) {
    temporary += u'-';
    AppendNumber(temporary, attempt);
  }
  if (temporary.size() <= room) return temporary;
  // A name long enough to pass the limit with the suffix: a short one that
  // still says what it holds.
  std::u16string short_name = u"~";
  AppendNumber(short_name, attempt);
  short_name += SuffixFor(holds);
  return short_name.size() <= room ? short_name : std::u16string();
}

bool IsTemporaryName(std::u16string_view name) {
  return EndsWithSuffix(name, kNewTextSuffix) || EndsWithSuffix(name, kOldFileSuffix);
}

std::size_t NameRoom(std::size_t folder_length, std::size_t path_limit, std::size_t name_limit) {
  if (folder_length >= path_limit) return 0;
  return std::min(path_limit - folder_length - 1, name_limit);
}

const Failure& LastFailure() { return last_failure; }
void ClearFailure() { last_failure = Failure(); }
void NoteFailure(std::uint32_t error) {
  if (error != 0) last_failure.error = error;
}
void NoteKeptCopy(std::u16string_view path) { last_failure.kept_copy.assign(path); }

void SetStepHook(StepHook hook) { step_hook = hook; }

bool StepAllowed(Step step) { return !step_hook || step_hook(step); }

}  // namespace byte_file
