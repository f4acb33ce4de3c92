#pragma once
// Writing a file so that it replaces the old one whole or not at all: the
// bytes go to a temporary file in the same folder, which takes the old
// file's place by one rename only once it is complete and flushed.  The new
// file keeps the old one's attributes, and a read-only file is not replaced.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace byte_file {

class Target {
 public:
  virtual ~Target() = default;
  // Writes `count` bytes at `offset`; returns how many were written.
  virtual std::size_t WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) = 0;
  // Flushes and puts the new bytes in place of the old file; false leaves
  // the old file as it was.  A target destroyed without a successful
  // commit leaves no trace.
  virtual bool Commit() = 0;
};

// Why no target could be made.
enum class Refusal {
  kNone,
  kReadOnly,   // the file to replace is read-only
  kNoNewFile,  // its folder takes no new file (access denied, or a name too long)
  kFailed,     // anything else: a missing folder, a folder in the file's place
};

// A target that will replace `path` (which need not exist yet); null, with
// the reason in `refusal`, when the temporary file cannot be made.
std::unique_ptr<Target> CreateFileReplacement(std::u16string_view path, Refusal* refusal = nullptr);

// The way for a folder that takes no new file: the bytes go to a temporary
// file in the user's temporary folder, and Commit copies them over the file
// in place, cuts it to their length and flushes it.  Unlike the rename this
// is not whole or nothing: a kill during the copy leaves the file cut (the
// temporary file, whole, stays then).  The temporary file goes with the
// target.
std::unique_ptr<Target> CreateCopyingReplacement(std::u16string_view path, Refusal* refusal = nullptr);

// The temporary file's name for a file named `name`: "page.html.vorndel-save",
// then "page.html.vorndel-save-2" and so on up to kNameAttempts while a
// name is taken, so that a user who finds one after a crash knows what it
// holds.  IsTemporaryName is true for every name it gives.
constexpr int kNameAttempts = 100;
std::u16string TemporaryName(std::u16string_view name, int attempt);
bool IsTemporaryName(std::u16string_view name);

// The steps of a replacement.  The rename goes kCreate, kWrite (each
// write), kFlush, kReplace, kReplaced; the copy goes kCreateElsewhere,
// kWrite, then kReplace for each piece copied over the file, kFlush,
// kReplaced.
enum class Step { kCreate, kCreateElsewhere, kWrite, kFlush, kReplace, kReplaced };

// Tests stand in for the system at each step: a hook that returns false
// makes the step fail as the system would (a folder that takes no new file,
// a full disk, a target locked by another program), and a hook may end the
// process there to see what a kill leaves.  The answer at kReplaced is not
// asked.  The program sets none; null removes the hook.
using StepHook = bool (*)(Step step);
void SetStepHook(StepHook hook);
// What the implementations ask before each step.
bool StepAllowed(Step step);

}  // namespace byte_file
