#pragma once
// Find next, find previous, replace, replace all and highlight as the find
// bar runs them: the texts come from its two fields, each search goes into
// their histories, and the outcome becomes the status bar's message.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "editor/control/document.h"
#include "platform/wide_string.h"

class FindFields {
 public:
  enum Field { kFind, kReplacement };
  virtual ~FindFields() = default;
  virtual bool Text(Field field, WideString& text) = 0;
  virtual void Remember(Field field, std::u16string_view text) = 0;
};

namespace find_commands {

inline constexpr unsigned kReplacedString = 20300;
inline constexpr unsigned kNotFoundString = 20301;
inline constexpr unsigned kInvalidPatternString = 20303;
inline constexpr unsigned kTooComplexString = 20304;

// How the find field's text is taken: literally, or as a regular
// expression (case as for the literal search).
struct SearchMode {
  bool regex = false;
  bool case_sensitive = false;
};

// What the status bar says afterwards: nothing (an empty find field), not
// found, for replace all the count, or why a pattern searched nothing.
struct Outcome {
  bool searched = false;
  bool found = false;
  std::int32_t replaced = -1;  // replace all only
  std::u16string pattern_error;  // the engine's reason
  bool too_complex = false;
};

// document may be null (no active document: not found).
Outcome Find(Document* document, FindFields& fields, bool forward, const SearchMode& mode = {});
Outcome Replace(Document* document, FindFields& fields, bool all, const SearchMode& mode = {});
// Highlight all: the find field's occurrences, or in the regex mode the
// pattern's matches, highlighted in the document; a second time, no more.
Outcome Highlight(Document* document, FindFields& fields, const SearchMode& mode = {});


// The message of an outcome; false when there is none to show.
bool StatusText(const Outcome& outcome, const std::function<std::u16string_view(unsigned)>& string,
                WideString& text);

}  // namespace find_commands
