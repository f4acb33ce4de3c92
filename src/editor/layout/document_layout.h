#pragma once
// The layout state of one document's view: client size, line-number
// margin, page sizes and the first visible row; the conversions between
// text positions, display rows and pixels; and the relayouts on resize, on
// the wrap switch and after a font change.  Window work (caret, scroll
// bars, painting) stays with the control, which reads the results here.
#include <cstdint>

#include "editor/layout/line_geometry.h"
#include "editor/layout/line_number_margin.h"
#include "editor/layout/text_metrics.h"
#include "editor/store/text_store.h"

// Display rows are drawn below a fixed top margin of this many pixels.
inline constexpr std::int32_t kTopMargin = 2;

class DocumentLayout {
 public:
  DocumentLayout(TextStore& store, TextMetrics& metrics, bool wrapped);
  DocumentLayout(const DocumentLayout&) = delete;
  DocumentLayout& operator=(const DocumentLayout&) = delete;

  bool Wrapped() const { return wrapped_; }
  std::int32_t MarginWidth() const { return margin_width_; }
  const LineNumberMargin& Margin() const { return margin_; }
  std::int32_t ClientWidth() const { return client_width_; }
  std::int32_t ClientHeight() const { return client_height_; }
  std::int32_t VisibleRows() const { return visible_rows_; }
  std::int32_t VisibleColumns() const { return visible_columns_; }
  // A line index when unwrapped, a display row when wrapped.
  std::int32_t FirstVisibleRow() const { return first_visible_row_; }
  std::int32_t HorizontalScrollColumn() const { return horizontal_column_; }
  std::int32_t HorizontalScrollPixels() const { return horizontal_column_ * metrics_.AverageWidth(); }
  // Lines are wrapped to this: the client width less the margin, or 0
  // (no wrapping) when unwrapped.
  std::int32_t WrapWidth() const;
  // Unwrapped, whether the longest line calls for horizontal scrolling.
  bool HorizontalScrollWanted() const;
  // The last display row (wrapped) or line (unwrapped).
  std::int32_t LastRow() const;

  // Sets the scroll position, clamped to the text; wrapped views never
  // scroll sideways.
  void ScrollTo(std::int32_t first_visible_row, std::int32_t horizontal_column);

  // After lines were inserted: widens the margin when the line count
  // reached its threshold (wrapped lines then follow the narrower text
  // area).  True when it widened.
  bool NoteLineCount();
  // A new client size: page sizes; wrapped, every line re-wrapped with the
  // first visible line kept at the top.  False when some line's rows could
  // not be stored.
  bool Resize(std::int32_t client_width, std::int32_t client_height);
  // The wrap switch.  To wrapped the top row shows the unit that was at the
  // left edge; to unwrapped the top line is the one that was at the top.
  bool SetWrapped(bool wrapped);
  // After the shared fonts changed: margin, page sizes and every line.
  bool RelayoutForFont();

  // The x of a column within its row (wrapped) or line, and the row-end
  // flag of a column on a row boundary.
  line_geometry::ColumnPlace ColumnToX(std::int32_t line, std::int32_t column);
  // The display row showing a column; a column on a row boundary belongs to
  // the lower row.  Unwrapped, the line itself.
  std::int32_t DisplayRowOf(std::int32_t line, std::int32_t column);
  // Line and row within it of a display row; line 0, row 0 beyond the text.
  RowLocation LocateDisplayRow(std::int32_t row);
  // The display row (wrapped) or line at a client y.
  std::int32_t RowAtY(std::int32_t y) const;
  // The client y where a display row (or line) is drawn.
  std::int32_t RowTop(std::int32_t row) const;
  // The column nearest to x in a row of a line (x from the row start; the
  // row is ignored when unwrapped, x then from the line start).
  line_geometry::Hit HitTest(std::int32_t line, std::int32_t row, std::int32_t x);

 private:
  void UpdatePageSizes();
  // Re-lays out every line for the current wrap width, keeping the line at
  // the top of the view.
  bool RelayoutKeepingTop();

  TextStore& store_;
  TextMetrics& metrics_;
  LineNumberMargin margin_;
  bool wrapped_;
  std::int32_t margin_width_ = 0;
  std::int32_t client_width_ = 0;
  std::int32_t client_height_ = 0;
  std::int32_t visible_rows_ = 0;
  std::int32_t visible_columns_ = 0;
  std::int32_t first_visible_row_ = 0;
  std::int32_t horizontal_column_ = 0;
};

// A font change for every document: rebuilds the shared fonts and, when
// that succeeded, relays out each document.  False when the fonts could
// not be made (nothing changes then) or some line could not be laid out.
bool ChangeFontForAll(TextMetrics& metrics, DocumentLayout* const* documents, std::int32_t count);
