#include "editor/layout/row_division.h"

#include <algorithm>
#include <bit>
#include <type_traits>

#include "editor/store/unit_scan.h"

// GCC's straight-line vectoriser packs the open row's counters into vector
// registers, spilled through the stack on every unit, which makes the
// division loop about three times slower.
#if defined(__GNUC__) && !defined(__clang__)
#define SCALAR_LOOP __attribute__((optimize("no-tree-slp-vectorize")))
#else
#define SCALAR_LOOP
#endif

namespace row_division {
namespace {

// ASCII letters, digits, "<" and "/" keep a word together; every other
// ordinary unit may end a row.
constexpr bool StaysInWord(char16_t unit) {
  return (unit >= u'A' && unit <= u'Z') || (unit >= u'a' && unit <= u'z') || (unit >= u'0' && unit <= u'9') ||
         unit == u'<' || unit == u'/';
}

struct WordTable {
  bool stays[128] = {};
  constexpr WordTable() {
    for (char16_t unit = 0; unit < 128; ++unit) stays[unit] = StaysInWord(unit);
  }
};
constexpr WordTable kWords;

// Without branches: candidates come and go with the text.
bool EndsBreakCandidate(char16_t unit) { return (unit >= 128) | !kWords.stays[unit & 127]; }

}  // namespace

bool WrapApplies(const TextMetrics& metrics, std::int32_t wrap_width) {
  return metrics.TabPixels() < wrap_width && 2 * metrics.AverageWidth() < wrap_width;
}

namespace {

// The width of a line's units, its line feed left out, summed as if each
// were an ordinary unit; false when some unit is not one (or not yet
// measured), and the full advance rules must decide.  cached reads the
// width cache.
template <typename Cached>
bool OrdinaryWidth(const TextMetrics& metrics, const char16_t* units, std::int32_t count, Cached cached,
                   std::int32_t& width) {
  // Most lines hold only measured ordinary units: sum them without branches
  // first, and take the full advance rules only for lines that need them.
  // The line feed that ends a line adds nothing.  With a fixed-pitch font
  // printable ASCII, the bulk of most files, is counted by the block rather
  // than looked up.
  const std::int32_t text_count = count > 0 && units[count - 1] == u'\n' ? count - 1 : count;
  const std::int32_t ascii_width = metrics.PrintableAsciiWidth();
  std::int32_t sum = 0;
  bool all_ordinary = true;
  auto look_up = [&](char16_t unit) {
    const UnitInfo entry = cached(unit);
    sum += entry.width;
    all_ordinary &= entry.char_class == CharClass::Ordinary;
  };
  // Blocks of width units; the last ends flush with the text, its units
  // summed before left out.
  std::int32_t i = 0;
  auto sum_blocks = [&](auto width, auto mask_of) {
    // Counted down rather than by population count, which the baseline
    // instruction set lacks.
    auto add = [&](std::int32_t start, unsigned fresh, std::int32_t fresh_count) {
      std::int32_t printable = fresh_count;
      for (unsigned others = fresh & ~mask_of(units + start); others != 0; others &= others - 1) {
        look_up(units[start + std::countr_zero(others)]);
        --printable;
      }
      sum += printable * ascii_width;
    };
    const unsigned all = (1u << width) - 1;
    for (; text_count - i >= width; i += width) add(i, all, width);
    if (i > 0 && i < text_count) {
      add(text_count - width, (all << (width - (text_count - i))) & all, text_count - i);
      i = text_count;
    }
  };
  if (ascii_width > 0) {
    if (text_count >= 2 * unit_scan::kBlockUnits) {
      sum_blocks(std::integral_constant<int, 2 * unit_scan::kBlockUnits>{},
                 [](const char16_t* block) { return unit_scan::PrintableAsciiMask16(block); });
    } else if (text_count >= unit_scan::kBlockUnits) {
      sum_blocks(std::integral_constant<int, unit_scan::kBlockUnits>{},
                 [](const char16_t* block) { return unit_scan::PrintableAsciiMask(block); });
    }
  }
  for (; i < text_count; ++i) look_up(units[i]);
  width = sum;
  return all_ordinary;
}

}  // namespace

std::int32_t UnwrappedWidth(TextMetrics& metrics, const char16_t* units, std::int32_t count) {
  std::int32_t width = 0;
  if (OrdinaryWidth(metrics, units, count, [&](char16_t unit) { return metrics.Cached(unit); }, width)) return width;
  std::int32_t pen = 0;
  for (std::int32_t i = 0; i < count; ++i) pen = metrics.Advance(units, count, i, pen);
  return pen;
}

bool MeasuredWidth(const TextMetrics& metrics, const char16_t* units, std::int32_t count, std::int32_t& width) {
  auto cached = [&](char16_t unit) { return metrics.CachedShared(unit); };
  if (OrdinaryWidth(metrics, units, count, cached, width)) return true;
  // The advance rules of UnwrappedWidth, short of a unit it would measure.
  std::int32_t pen = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    const UnitInfo entry = cached(units[i]);
    if (entry.char_class == CharClass::Unmeasured || (entry.char_class == CharClass::HighSurrogate && entry.width == 0))
      return false;
    pen = text_advance::After(entry, pen, metrics.TabPixels());
  }
  width = pen;
  return true;
}

namespace {

// The row being filled: its units, the pen within it, and the last break
// candidate (units up to and including it, pen after it; 0 units: none).
struct OpenRow {
  std::int32_t units;
  std::int32_t pen;
  std::int32_t candidate_units;
  std::int32_t candidate_pen;
};

struct RowSink {
  RowInfo* rows;
  std::int32_t capacity;
  std::int32_t count;
  void Emit(std::int32_t units, std::int32_t width) {
    if (count < capacity) rows[count] = {units, width};
    ++count;
  }
};

// Closes the row before a unit that does not fit, at the last break
// candidate when there is one, and starts the next row with the units after
// the candidate and that unit.  A tab is advanced from the carried pen, so
// that a row's width is where the walk from its start ends.  When the
// carried units and the unit together still do not fit, the carried units
// get a row of their own: no row runs past the wrap width unless one unit
// alone is wider.  Kept out of line: it runs once a row, the loop once a unit.
[[gnu::noinline]] OpenRow WrapBefore(OpenRow row, UnitInfo unit, std::int32_t tab, std::int32_t wrap_width,
                                     RowSink& sink) {
  std::int32_t carried = 0;
  if (row.candidate_units > 0) {
    sink.Emit(row.candidate_units, row.candidate_pen);
    row.units -= row.candidate_units;
    carried = row.pen - row.candidate_pen;
    if (row.units > 0 && text_advance::After(unit, carried, tab) >= wrap_width) {
      sink.Emit(row.units, carried);
      row.units = 0;
      carried = 0;
    }
  } else {
    sink.Emit(row.units, row.pen);
    row.units = 0;
  }
  return {row.units + 1, text_advance::After(unit, carried, tab), 0, 0};
}

}  // namespace

SCALAR_LOOP std::int32_t Divide(TextMetrics& metrics, const char16_t* units, std::int32_t count,
                                std::int32_t wrap_width, RowInfo* rows, std::int32_t capacity) {
  const std::int32_t tab = metrics.TabPixels();
  RowSink sink{rows, capacity, 0};
  OpenRow row{0, 0, 0, 0};
  for (std::int32_t i = 0; i < count; ++i) {
    // Most units are measured ordinary units that fit the open row: take
    // them in a tight loop, and leave everything else (other classes,
    // unmeasured units, a unit that does not fit) to the full rules below.
    for (; i < count; ++i) {
      const char16_t unit = units[i];
      const UnitInfo info = metrics.Cached(unit);
      const std::int32_t pen = row.pen + info.width;
      if ((info.char_class != CharClass::Ordinary) | (pen >= wrap_width)) break;
      ++row.units;
      row.pen = pen;
      const bool candidate = EndsBreakCandidate(unit);
      row.candidate_units = candidate ? row.units : row.candidate_units;
      row.candidate_pen = candidate ? pen : row.candidate_pen;
    }
    if (i == count) break;
    const char16_t unit = units[i];
    const UnitInfo info = metrics.Measure(unit, i + 1 < count ? units[i + 1] : 0);
    switch (info.char_class) {
      case CharClass::Ordinary:
      case CharClass::FullWidthSpace:
      case CharClass::HighSurrogate:
        // A unit wider than the whole row still takes a row of its own
        // rather than leaving an empty one before it.
        if (row.pen + info.width < wrap_width || row.units == 0) {
          ++row.units;
          row.pen += info.width;
          // Written to select rather than branch: candidates come and go
          // with the text and would defeat branch prediction.
          const bool candidate = info.char_class == CharClass::Ordinary && EndsBreakCandidate(unit);
          row.candidate_units = candidate ? row.units : row.candidate_units;
          row.candidate_pen = candidate ? row.pen : row.candidate_pen;
        } else {
          row = WrapBefore(row, info, tab, wrap_width, sink);
        }
        break;
      case CharClass::Tab: {
        const std::int32_t stop = text_advance::After(info, row.pen, tab);
        if (stop < wrap_width) {
          ++row.units;
          row.pen = stop;
          row.candidate_units = row.units;
          row.candidate_pen = stop;
        } else {
          row = WrapBefore(row, info, tab, wrap_width, sink);
        }
        break;
      }
      default:  // line feed, low surrogate: no advance, no candidate
        ++row.units;
        break;
    }
  }
  sink.Emit(row.units, row.pen);
  return sink.count;
}

}  // namespace row_division
