#pragma once
// Word wrap: the division of one line's units into display rows.
#include <cstdint>

#include "editor/layout/text_metrics.h"
#include "editor/store/text_position.h"

namespace row_division {

// Whether lines are wrapped at this width at all: a positive width wider
// than one tab and than twice the average width.  Otherwise every line is
// one row.
bool WrapApplies(const TextMetrics& metrics, std::int32_t wrap_width);

// The pen position after all units, measured as one row.
std::int32_t UnwrappedWidth(TextMetrics& metrics, const char16_t* units, std::int32_t count);
// The same from the width cache alone, safe beside a thread that measures:
// false when some unit is not measured yet.
bool MeasuredWidth(const TextMetrics& metrics, const char16_t* units, std::int32_t count, std::int32_t& width);

// Divides the units into rows no wider than wrap_width, breaking after the
// last break candidate (a tab, or a unit other than an ASCII letter, digit,
// "<" or "/") or before the unit that does not fit.  Writes at most capacity
// rows and returns how many there are; call again with more room when the
// result exceeds capacity.  The wrap width must satisfy WrapApplies.
std::int32_t Divide(TextMetrics& metrics, const char16_t* units, std::int32_t count, std::int32_t wrap_width,
                    RowInfo* rows, std::int32_t capacity);

}  // namespace row_division
