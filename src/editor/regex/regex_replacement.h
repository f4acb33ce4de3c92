#pragma once
// The text that replaces a regular-expression match: "$1".."$9" and "$&"
// are the groups' text (empty for a group that took no part), "$$" is a
// dollar sign, "\t" a tab, "\n" a line break and "\\" a backslash; anything
// else stands for itself.
#include <string>
#include <string_view>

#include "editor/regex/regex_pattern.h"

namespace regex_replacement {

// line holds the units the match's columns refer to.
std::u16string Expand(std::u16string_view replacement, const char16_t* line, const RegexMatch& match);

}  // namespace regex_replacement
