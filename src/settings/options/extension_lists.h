#pragma once
// The extension lists as the settings dialog shows and reads them: one
// line of items separated by spaces.
#include <string_view>
#include <vector>

#include "platform/wide_string.h"

namespace extension_lists {

// Runs of spaces separate items, each kept as typed; no text, no items.
// False (out untouched) when memory runs out.
bool Split(std::u16string_view text, std::vector<WideString>& out);
// The items joined by single spaces.
bool Join(const std::vector<WideString>& items, WideString& out);

}  // namespace extension_lists
