#pragma once
// A compiled regular expression (Perl syntax) matched against one line of
// UTF-16 units at a time: "^" and "$" are the ends of the given units. A
// search that backtracks past a fixed budget stops and says so instead of
// running for ever; no search recurses per unit, so long lines are safe.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Where a match and its groups $1..$9 lie; -1 for a group that took part
// in no match.
struct RegexMatch {
  static constexpr int kGroups = 10;  // $& and $1..$9
  std::int32_t start[kGroups];
  std::int32_t end[kGroups];
  std::int32_t Start() const { return start[0]; }
  std::int32_t End() const { return end[0]; }
  bool Empty() const { return start[0] == end[0]; }
};

enum class RegexStatus { kFound, kNotFound, kTooComplex };

// Which empty matches a search may return.
enum class EmptyMatches {
  kNone,       // never (a selection must show something)
  kNotAtFrom,  // none at the start column (one was just taken there)
  kAny,
};

class RegexPattern {
 public:
  RegexPattern();
  ~RegexPattern();
  RegexPattern(RegexPattern&&) noexcept;
  RegexPattern& operator=(RegexPattern&&) noexcept;

  // False, with the engine's reason in error and the previous pattern
  // kept, when text is no valid pattern. Case: ASCII letters only.
  bool Compile(std::u16string_view text, bool case_sensitive, std::u16string& error);
  bool Compiled() const;

  // The first match in line[0..length) that starts at from or later; the
  // units before from are context (for "^", "\b" and look-behind).
  RegexStatus Search(const char16_t* line, std::int32_t length, std::int32_t from, EmptyMatches empties,
                     RegexMatch& match) const;
  // Whether line[start..end) as a whole is a match, in the line's context.
  RegexStatus MatchesExactly(const char16_t* line, std::int32_t length, std::int32_t start, std::int32_t end,
                             RegexMatch& match) const;

 private:
  struct Engine;
  std::unique_ptr<Engine> engine_;
};
