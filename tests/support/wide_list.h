#pragma once
// Lists of wide strings, as the settings hold them, from literals.
#include <initializer_list>
#include <string_view>
#include <vector>

#include "platform/wide_string.h"

std::vector<WideString> WideList(std::initializer_list<std::u16string_view> items);
