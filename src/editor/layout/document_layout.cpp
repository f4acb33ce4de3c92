#include "editor/layout/document_layout.h"

#include <algorithm>

#include "editor/layout/scroll_arithmetic.h"
#include "editor/store/line_record.h"

DocumentLayout::DocumentLayout(TextStore& store, TextMetrics& metrics, bool wrapped)
    : store_(store), metrics_(metrics), wrapped_(wrapped) {
  margin_.NoteLineCount(store_.LineCount());
  margin_width_ = margin_.Width(metrics_.AverageWidth());
  store_.SetWrapWidth(WrapWidth());
}

std::int32_t DocumentLayout::WrapWidth() const { return wrapped_ ? client_width_ - margin_width_ : 0; }

bool DocumentLayout::HorizontalScrollWanted() const {
  return !wrapped_ && store_.LongestWidth() / metrics_.AverageWidth() + visible_columns_ / 2 >= visible_columns_;
}

std::int32_t DocumentLayout::LastRow() const {
  return std::max(0, (wrapped_ ? store_.TotalRows() : store_.LineCount()) - 1);
}

void DocumentLayout::ScrollTo(std::int32_t first_visible_row, std::int32_t horizontal_column) {
  first_visible_row_ = std::clamp(first_visible_row, 0, LastRow());
  horizontal_column_ = wrapped_ ? 0 : std::max(horizontal_column, 0);
}

bool DocumentLayout::NoteLineCount() {
  if (!margin_.NoteLineCount(store_.LineCount())) return true;
  margin_width_ = margin_.Width(metrics_.AverageWidth());
  UpdatePageSizes();
  return !wrapped_ || RelayoutKeepingTop();
}

void DocumentLayout::UpdatePageSizes() {
  // A window too small for a single row or column shows none, not fewer.
  visible_rows_ = std::max(0, (client_height_ - kTopMargin) / metrics_.LinePitch());
  visible_columns_ = std::max(0, (client_width_ - margin_width_ - 1) / metrics_.AverageWidth());
}

bool DocumentLayout::Resize(std::int32_t client_width, std::int32_t client_height) {
  const std::int32_t old_wrap_width = WrapWidth();
  client_width_ = client_width;
  client_height_ = client_height;
  UpdatePageSizes();
  if (!wrapped_ || WrapWidth() == old_wrap_width) return true;
  return RelayoutKeepingTop();
}

bool DocumentLayout::RelayoutKeepingTop() {
  const std::int32_t top_line = wrapped_ ? LocateDisplayRow(first_visible_row_).line : first_visible_row_;
  store_.SetWrapWidth(WrapWidth());
  const bool laid_out = store_.RelayoutAll();
  first_visible_row_ = std::min(wrapped_ ? store_.RowsBefore(top_line) : top_line, LastRow());
  return laid_out;
}

bool DocumentLayout::SetWrapped(bool wrapped) {
  if (wrapped == wrapped_) return true;
  bool laid_out;
  if (wrapped) {
    const std::int32_t top_line = std::min(first_visible_row_, store_.LineCount() - 1);
    const std::int32_t left_column = horizontal_column_;
    wrapped_ = true;
    horizontal_column_ = 0;
    store_.SetWrapWidth(WrapWidth());
    laid_out = store_.RelayoutAll();
    const std::int32_t length = store_.Line(top_line)->Length();
    first_visible_row_ = DisplayRowOf(top_line, std::min(left_column, length));
  } else {
    const std::int32_t top_line = LocateDisplayRow(first_visible_row_).line;
    wrapped_ = false;
    store_.SetWrapWidth(WrapWidth());
    laid_out = store_.RelayoutAll();
    first_visible_row_ = top_line;
  }
  return laid_out;
}

bool DocumentLayout::RelayoutForFont() {
  margin_width_ = margin_.Width(metrics_.AverageWidth());
  UpdatePageSizes();
  return RelayoutKeepingTop();
}

line_geometry::ColumnPlace DocumentLayout::ColumnToX(std::int32_t line, std::int32_t column) {
  line_geometry::ColumnPlace place;
  LineRecord* record = store_.Line(line);
  if (!record) return place;
  const char16_t* units = record->MakeContiguous();
  if (!wrapped_) {
    place.x = line_geometry::PenAt(metrics_, units, record->Length(), 0, column);
    return place;
  }
  return line_geometry::ColumnToX(metrics_, *record, units, column);
}

std::int32_t DocumentLayout::DisplayRowOf(std::int32_t line, std::int32_t column) {
  if (!wrapped_) return line;
  if (line < 0 || line >= store_.LineCount()) return 0;
  // Reaching the line through the checkpoints leaves it cached for Line().
  const std::int32_t rows_before = store_.RowsBefore(line);
  return rows_before + line_geometry::RowOf(*store_.Line(line), column, false).index;
}

RowLocation DocumentLayout::LocateDisplayRow(std::int32_t row) {
  if (row < 0) return {};
  if (!wrapped_) return row < store_.LineCount() ? RowLocation{row, 0} : RowLocation{};
  RowLocation location;
  return store_.LocateRow(row, &location) ? location : RowLocation{};
}

std::int32_t DocumentLayout::RowAtY(std::int32_t y) const {
  // The top margin shows the first row; above the window the rows before
  // it begin at once, so that a drag scrolls as soon as it leaves the edge.
  const std::int32_t offset = y < 0 ? y : std::max(0, y - kTopMargin);
  const std::int32_t row = scroll_arithmetic::RowsBelowTop(offset, metrics_.LinePitch()) + first_visible_row_;
  return std::clamp(row, 0, LastRow());
}

std::int32_t DocumentLayout::RowTop(std::int32_t row) const {
  return (row - first_visible_row_) * metrics_.LinePitch() + kTopMargin;
}

line_geometry::Hit DocumentLayout::HitTest(std::int32_t line, std::int32_t row, std::int32_t x) {
  LineRecord* record = store_.Line(line);
  if (!record) return {};
  const char16_t* units = record->MakeContiguous();
  const std::int32_t count = record->Length();
  if (!wrapped_) return line_geometry::HitTest(metrics_, units, count, 0, count, record->Width(), x);
  row = std::clamp(row, 0, record->RowCount() - 1);
  std::int32_t start = 0;
  for (std::int32_t i = 0; i < row; ++i) start += record->Row(i).units;
  const RowInfo info = record->Row(row);
  return line_geometry::HitTest(metrics_, units, count, start, start + info.units, info.width, x);
}

bool ChangeFontForAll(TextMetrics& metrics, DocumentLayout* const* documents, std::int32_t count) {
  if (!metrics.RebuildFonts()) return false;
  bool laid_out = true;
  for (std::int32_t i = 0; i < count; ++i) laid_out = documents[i]->RelayoutForFont() && laid_out;
  return laid_out;
}
