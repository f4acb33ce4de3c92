#pragma once
// A find bar box's history: at most 20 texts, newest first, each once.
#include <string_view>
#include <vector>

#include "platform/wide_string.h"

namespace find_history {

inline constexpr std::size_t kCapacity = 20;

// The text (compared exactly) moves or enters at the top; the oldest goes
// when there are more than 20.  Empty texts are not kept.  False, nothing
// changed, when memory ran out.
bool Add(std::vector<WideString>& history, std::u16string_view text);

// The find command's text from a selection: only a selection within one
// line fills the box.
bool SelectionFillsFindBox(std::u16string_view selection);

}  // namespace find_history
