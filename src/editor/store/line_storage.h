#pragma once
// What a line needs beyond its record once it owns a buffer or wraps into
// several rows. Loaded lines that are neither do without it.
#include <cstdint>

#include "editor/store/text_position.h"

struct LineStorage {
  // Buffer start; when owned, text lies in units .. units + gap_start and in
  // units + gap_start + (capacity - length) .. units + capacity.
  char16_t* units = nullptr;
  // Null while the line has a single row, which then covers the whole line.
  RowInfo* rows = nullptr;
  std::int32_t capacity = 0;
  std::int32_t gap_start = 0;
  std::int32_t row_count = 1;
  std::int32_t row_capacity = 0;
  // The line's length and width when they do not fit in its record.
  std::int32_t length = 0;
  std::int32_t width = 0;
  // False when units point into a load arena: no gap, capacity == length.
  bool owns_units = true;
};
