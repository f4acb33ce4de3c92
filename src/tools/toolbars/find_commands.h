#pragma once
// Find next, find previous, replace, replace all and highlight as the find
// bar runs them: the texts come from its two fields, each search goes into
// their histories, and the outcome becomes the status bar's message.
#include <cstdint>
#include <functional>
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

// What the status bar says afterwards: nothing (an empty find field), not
// found, or for replace all the count.
struct Outcome {
  bool searched = false;
  bool found = false;
  std::int32_t replaced = -1;  // replace all only
};

// document may be null (no active document: not found).
Outcome Find(Document* document, FindFields& fields, bool forward);
Outcome Replace(Document* document, FindFields& fields, bool all);

// Highlights every occurrence of the find field's text in the document, or
// takes the highlight away when it is already that text's.  Nothing without
// a document.
void Highlight(Document* document, FindFields& fields);

// The message of an outcome; false when there is none to show.
bool StatusText(const Outcome& outcome, const std::function<std::u16string_view(unsigned)>& string,
                WideString& text);

}  // namespace find_commands
