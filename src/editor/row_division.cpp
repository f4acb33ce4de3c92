#include "editor/row_division.h"

namespace row_division {
namespace {

bool StaysInWord(char16_t unit) {
  return (unit >= u'A' && unit <= u'Z') || (unit >= u'a' && unit <= u'z') || (unit >= u'0' && unit <= u'9') ||
         unit == u'<' || unit == u'/';
}

// The row being filled and the rows closed so far.
class RowCutter {
 public:
  RowCutter(RowInfo* rows, std::int32_t capacity, std::int32_t wrap_width, std::int32_t tab_pixels)
      : rows_(rows), capacity_(capacity), wrap_width_(wrap_width), tab_pixels_(tab_pixels) {}

  std::int32_t pen() const { return pen_; }
  bool Empty() const { return units_ == 0; }

  void Take(std::int32_t new_pen) {
    ++units_;
    pen_ = new_pen;
  }
  void MarkCandidate() {
    candidate_units_ = units_;
    candidate_pen_ = pen_;
  }
  // Closes the row before a unit that does not fit, at the last break
  // candidate when there is one, and starts the next row with the units
  // after the candidate and that unit.  A tab is advanced from the carried
  // pen, so that the row's width is where the walk from its start ends.
  // When the carried units and the unit together still do not fit, the
  // carried units get a row of their own: no row runs past the wrap width
  // unless one unit alone is wider.
  void Break(UnitInfo unit) {
    std::int32_t carried = 0;
    if (candidate_units_ > 0) {
      Emit(candidate_units_, candidate_pen_);
      units_ -= candidate_units_;
      carried = pen_ - candidate_pen_;
      if (units_ > 0 && text_advance::After(unit, carried, tab_pixels_) >= wrap_width_) {
        Emit(units_, carried);
        units_ = 0;
        carried = 0;
      }
    } else {
      Emit(units_, pen_);
      units_ = 0;
    }
    candidate_units_ = 0;
    Take(text_advance::After(unit, carried, tab_pixels_));
  }
  std::int32_t Finish() {
    Emit(units_, pen_);
    return count_;
  }

 private:
  void Emit(std::int32_t units, std::int32_t width) {
    if (count_ < capacity_) rows_[count_] = {units, width};
    ++count_;
  }

  RowInfo* rows_;
  std::int32_t capacity_;
  std::int32_t wrap_width_;
  std::int32_t tab_pixels_;
  std::int32_t count_ = 0;
  std::int32_t units_ = 0;
  std::int32_t pen_ = 0;
  std::int32_t candidate_units_ = 0;
  std::int32_t candidate_pen_ = 0;
};

}  // namespace

bool WrapApplies(const TextMetrics& metrics, std::int32_t wrap_width) {
  return metrics.TabPixels() < wrap_width && 2 * metrics.AverageWidth() < wrap_width;
}

std::int32_t UnwrappedWidth(TextMetrics& metrics, const char16_t* units, std::int32_t count) {
  std::int32_t pen = 0;
  for (std::int32_t i = 0; i < count; ++i) pen = metrics.Advance(units, count, i, pen);
  return pen;
}

std::int32_t Divide(TextMetrics& metrics, const char16_t* units, std::int32_t count, std::int32_t wrap_width,
                    RowInfo* rows, std::int32_t capacity) {
  const std::int32_t tab = metrics.TabPixels();
  RowCutter row(rows, capacity, wrap_width, tab);
  for (std::int32_t i = 0; i < count; ++i) {
    const char16_t unit = units[i];
    const UnitInfo info = metrics.Measure(unit, i + 1 < count ? units[i + 1] : 0);
    switch (info.char_class) {
      case CharClass::Tab: {
        std::int32_t stop = text_advance::After(info, row.pen(), tab);
        if (stop < wrap_width) {
          row.Take(stop);
          row.MarkCandidate();
        } else {
          row.Break(info);
        }
        break;
      }
      case CharClass::FullWidthSpace:
      case CharClass::HighSurrogate:
      case CharClass::Ordinary:
        // A unit wider than the whole row still takes a row of its own
        // rather than leaving an empty one before it.
        if (row.pen() + info.width < wrap_width || row.Empty()) {
          row.Take(row.pen() + info.width);
          if (info.char_class == CharClass::Ordinary && !StaysInWord(unit)) row.MarkCandidate();
        } else {
          row.Break(info);
        }
        break;
      default:
        row.Take(row.pen());
        break;
    }
  }
  return row.Finish();
}

}  // namespace row_division
