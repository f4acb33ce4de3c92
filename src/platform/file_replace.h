#pragma once
// Writing a file so that it is never left partial without a whole copy of
// its old bytes.  Two ways:
// - the rename: the bytes go to a temporary file in the same folder, which
//   takes the old file's place by one rename once it is complete and
//   flushed;
// - in place, for a file that must keep its identity (more than one hard
//   link) and for a folder that takes no new file: a complete copy of the
//   old file is made and flushed first (beside it, or in the user's
//   temporary folder), then the new bytes go over the old ones; on any
//   failure the old bytes are put back from the copy, and when even that
//   fails the copy stays and its name is told.
// A symbolic link is followed: its final target is written, the link stays.
// A read-only file is not replaced.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace byte_file {

class Target {
 public:
  // A target destroyed without a successful commit leaves the old file as
  // it was and no temporary file behind.
  virtual ~Target() = default;
  // Writes `count` bytes at `offset`; returns how many were written.
  virtual std::size_t WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) = 0;
  // Flushes and puts the new bytes in place of the old file; false leaves
  // the old file as it was (or its copy, see LastFailure).
  virtual bool Commit() = 0;
};

// Why no target could be made.
enum class Refusal {
  kNone,
  kReadOnly,   // the file to replace is read-only
  kNoNewFile,  // its folder takes no new file (access denied, or a name too long)
  kFailed,     // anything else: a missing folder, a folder in the file's place
};

// Which ways a replacement may take.  A file that is only ever read whole
// by the program itself (a recovery snapshot) takes the rename or nothing:
// written in place and cut short it could end half new, half old, and its
// old bytes would be in a copy no reader looks at.
enum class Ways { kRenameOrInPlace, kRenameOnly };

// A target that will replace `path` (which need not exist yet) by the
// rename, or in place where the rename cannot be used; null, with the
// reason in `refusal`, when neither can begin.
std::unique_ptr<Target> CreateFileReplacement(std::u16string_view path, Refusal* refusal = nullptr,
                                              Ways ways = Ways::kRenameOrInPlace);

// The last failure of a replacement (making, writing, committing or
// abandoning it) on this thread: the system's error code, and when the old
// bytes could not be put back, the file that holds a whole copy of them.
// Cleared when a replacement is made.
struct Failure {
  std::uint32_t error = 0;
  std::u16string kept_copy;
};
const Failure& LastFailure();
void ClearFailure();
void NoteFailure(std::uint32_t error);
void NoteKeptCopy(std::u16string_view path);

// What a temporary file holds: the new text (until it is renamed over the
// file) or a copy of the old file (while the file is written in place).
enum class Holds { kNewText, kOldFile };

// The temporary file's name for a file named `name`: "page.html.vorndel-save"
// (or ".vorndel-old"), then "page.html.vorndel-save-2" and so on up to
// kNameAttempts while a name is taken, so that a user who finds one after
// a crash knows what it holds.  When that name would be longer than `room`
// units, a short one, "~2.vorndel-save"; empty when even that does not fit.
// IsTemporaryName is true for every name it gives.
constexpr int kNameAttempts = 100;
std::u16string TemporaryName(std::u16string_view name, int attempt, Holds holds = Holds::kNewText,
                             std::size_t room = std::u16string_view::npos);
bool IsTemporaryName(std::u16string_view name);
// Room for a file name in `folder_length` units of folder (separator
// included) under a limit of `path_limit` units for the whole path and
// `name_limit` for one name.
std::size_t NameRoom(std::size_t folder_length, std::size_t path_limit, std::size_t name_limit);

// The steps of a replacement.  The rename goes kCreate, kWrite (each
// write), kFlush, kReplace, kReplaced.  In place goes kCreate for the copy
// of the old file (kCreateElsewhere when its folder refuses it), kCopyOld
// for each piece copied and for the copy's flush, kWrite for each write
// over the file, kFlush, kReplaced; a failure after the first write puts
// the old bytes back with kRestore for each piece.
enum class Step { kCreate, kCreateElsewhere, kWrite, kFlush, kReplace, kReplaced, kCopyOld, kRestore };

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
