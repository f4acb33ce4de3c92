#pragma once
// The row division as first written, one unit at a time through the full
// advance rules, kept for tests to check the production division's fast
// paths against: both must give the same rows for every text.
#include <cstdint>

#include "editor/layout/text_metrics.h"
#include "editor/store/text_position.h"

namespace reference_row_division {

std::int32_t Divide(TextMetrics& metrics, const char16_t* units, std::int32_t count, std::int32_t wrap_width,
                    RowInfo* rows, std::int32_t capacity);

}  // namespace reference_row_division
