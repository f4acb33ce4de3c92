#pragma once
// Names in the order people expect: runs of digits compare by their value,
// so that "file2" comes before "file10", and letters without case.  The
// system decides the order on Windows; the program's own estimate of it
// is cheaper to ask, and on Linux it is the order.
#include <vector>

#include "platform/wide_string.h"

namespace natural_order {

// Negative, zero or positive as a sorts before, with or after b; both
// NUL-terminated.
int Compare(const char16_t* a, const char16_t* b);
// Digits by value, ASCII letters without case, anything else by unit.
int Estimate(const char16_t* a, const char16_t* b);

// Sorts into Compare's order with few of its comparisons: by the estimate
// first, then the runs Compare finds in order merged until one is left.
void Sort(std::vector<WideString>& names);

}  // namespace natural_order
