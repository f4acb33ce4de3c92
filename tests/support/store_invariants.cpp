#include "support/store_invariants.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editor/store/text_store.h"

bool StoreIsConsistent(TextStore& store) {
  bool ok = true;
  const auto check = [&ok](bool holds, const char* rule, std::int32_t line) {
    if (!holds) {
      ADD_FAILURE() << rule << " (line " << line << ")";
      ok = false;
    }
  };
  std::int32_t lines = 0;
  std::int32_t rows = 0;
  std::int32_t longest = 0;
  LineRecord* first = store.Line(0);
  LineRecord* line = first;
  do {
    const bool last = line->Next() == first;
    std::int32_t units_in_rows = 0;
    for (std::int32_t r = 0; r < line->RowCount(); ++r) units_in_rows += line->Row(r).units;
    check(units_in_rows == line->Length(), "rows cover the line", lines);
    for (std::int32_t i = 0; i < line->Length(); ++i) {
      const char16_t unit = line->UnitAt(i);
      check(unit != u'\r', "no carriage return", lines);
      check(unit != u'\n' || (!last && i == line->Length() - 1), "line feed only at the end", lines);
    }
    check(last || line->EndsWithLineFeed(), "every line but the last ends with a line feed", lines);
    rows += line->RowCount();
    longest = std::max(longest, line->Width());
    ++lines;
    line = line->Next();
  } while (line != first && lines <= store.LineCount());
  check(lines == store.LineCount(), "line count", lines);
  check(rows == store.TotalRows(), "total rows", lines);
  check(longest == store.LongestWidth(), "longest width", lines);
  return ok;
}
