// Scrolling with the bars, keeping the view in range after edits, and the
// relayouts that change what the bars show.
#include <algorithm>

#include "editor/control/document.h"

namespace {

std::int32_t ScrolledRows(const DocumentLayout& layout, const TextStore& store) {
  return layout.Wrapped() ? store.TotalRows() : store.LineCount();
}

// The client area from the top of a display row (or line) down; from the
// very top, margin strip included, when the row is not below the first.
CanvasRect BelowRow(const DocumentLayout& layout, std::int32_t row) {
  const std::int32_t top = row <= layout.FirstVisibleRow() ? 0 : layout.RowTop(row);
  return {0, top, layout.ClientWidth(), layout.ClientHeight()};
}

}  // namespace

ScrollBarState Document::BarState(ScrollBarKind bar) const {
  if (bar == ScrollBarKind::kVertical)
    return scroll_arithmetic::VerticalBar(ScrolledRows(layout_, store_), layout_.VisibleRows(),
                                          layout_.FirstVisibleRow());
  if (layout_.Wrapped()) return {};
  return scroll_arithmetic::HorizontalBar(store_.LongestWidth(), metrics_.AverageWidth(), layout_.VisibleColumns(),
                                          layout_.HorizontalScrollColumn());
}

void Document::UpdateBar(ScrollBarKind bar) {
  // A wrapped view keeps its horizontal bar disabled.
  if (!window_ || (bar == ScrollBarKind::kHorizontal && layout_.Wrapped())) return;
  window_->SetScrollBar(bar, BarState(bar));
}

void Document::UpdateScrollBars() {
  UpdateBar(ScrollBarKind::kVertical);
  UpdateBar(ScrollBarKind::kHorizontal);
}

bool Document::Scroll(ScrollBarKind bar, ScrollRequest request, std::int32_t track) {
  const ScrollBarState state = BarState(bar);
  return ScrollBy(bar, scroll_arithmetic::RequestAmount(state, request, track));
}

bool Document::ScrollBy(ScrollBarKind bar, std::int32_t amount) {
  if (bar == ScrollBarKind::kHorizontal && layout_.Wrapped()) return false;
  const ScrollBarState state = BarState(bar);
  amount = scroll_arithmetic::ClampAmount(state, amount);
  if (amount == 0) return false;
  const std::int32_t position = state.position - amount;
  const bool vertical = bar == ScrollBarKind::kVertical;
  if (vertical) {
    layout_.ScrollTo(position, layout_.HorizontalScrollColumn());
  } else {
    layout_.ScrollTo(layout_.FirstVisibleRow(), position);
  }
  navigator_.RecomputeCaret();
  UpdateBar(bar);
  if (window_) {
    const std::int32_t width = layout_.ClientWidth();
    const std::int32_t height = layout_.ClientHeight();
    if (vertical) {
      window_->ScrollPixels(0, amount * metrics_.LinePitch(), {0, kTopMargin, width, height});
    } else {
      // The line-number margin stays where it is.
      window_->ScrollPixels(amount * metrics_.AverageWidth(), 0, {layout_.MarginWidth(), 0, width, height});
    }
    window_->PaintNow();
  }
  return true;
}

void Document::ClampAndRepaint(std::int32_t line) {
  const std::int32_t visible_rows = layout_.VisibleRows();
  std::int32_t first = layout_.FirstVisibleRow();
  std::int32_t repaint_row;
  if (layout_.Wrapped()) {
    const std::int32_t largest = scroll_arithmetic::LargestFirstRow(store_.TotalRows(), visible_rows);
    if (first > largest) {
      layout_.ScrollTo(largest, 0);
      first = layout_.FirstVisibleRow();
      navigator_.RecomputeCaret();
      repaint_row = first;
    } else {
      line = std::clamp(line, 0, store_.LineCount() - 1);
      repaint_row = layout_.DisplayRowOf(line, 0);
    }
  } else {
    const std::int32_t largest_column = scroll_arithmetic::LargestColumn(
        store_.LongestWidth(), metrics_.AverageWidth(), layout_.VisibleColumns());
    const std::int32_t largest_first = scroll_arithmetic::LargestFirstRow(store_.LineCount(), visible_rows);
    const std::int32_t column = layout_.HorizontalScrollColumn();
    if (first > largest_first || column > largest_column) {
      layout_.ScrollTo(std::min(first, largest_first), std::min(column, largest_column));
      navigator_.RecomputeCaret();
      // Every visible row moved.
      line = layout_.FirstVisibleRow();
    }
    UpdateBar(ScrollBarKind::kHorizontal);
    repaint_row = line;
  }
  UpdateBar(ScrollBarKind::kVertical);
  if (!window_) return;
  window_->Invalidate(BelowRow(layout_, repaint_row));
  window_->PaintNow();
}

bool Document::ScrollTo(std::int32_t first_visible_row, std::int32_t horizontal_column) {
  bool moved = ScrollBy(ScrollBarKind::kVertical, layout_.FirstVisibleRow() - first_visible_row);
  if (!layout_.Wrapped())
    moved = ScrollBy(ScrollBarKind::kHorizontal, layout_.HorizontalScrollColumn() - horizontal_column) || moved;
  return moved;
}

void Document::RedrawFrom(std::int32_t first_visible_row) {
  const std::int32_t last = scroll_arithmetic::LastPosition(BarState(ScrollBarKind::kVertical));
  layout_.ScrollTo(std::clamp(first_visible_row, 0, last), layout_.HorizontalScrollColumn());
  navigator_.RecomputeCaret();
  UpdateScrollBars();
  RepaintAll();
  if (window_) window_->PaintNow();
}

bool Document::Resize(std::int32_t client_width, std::int32_t client_height) {
  const bool laid_out = layout_.Resize(client_width, client_height);
  if (layout_.Wrapped()) {
    navigator_.RecomputeCaret();
    ClampAndRepaint(layout_.LocateDisplayRow(layout_.FirstVisibleRow()).line);
  } else {
    UpdateScrollBars();
  }
  return laid_out;
}

bool Document::SetWrapped(bool wrapped) {
  if (wrapped == layout_.Wrapped()) return true;
  const bool laid_out = layout_.SetWrapped(wrapped);
  if (window_) {
    if (wrapped) window_->SetScrollBar(ScrollBarKind::kHorizontal, {});
    window_->EnableScrollBar(ScrollBarKind::kHorizontal, !wrapped && layout_.HorizontalScrollWanted());
  }
  checkpoints_.InvalidateFrom(0);
  navigator_.RecomputeCaret();
  // Line 0 is never below the first visible row: the whole view repaints.
  ClampAndRepaint(0);
  return laid_out;
}

bool Document::RelayoutForFont() {
  const bool laid_out = layout_.RelayoutForFont();
  // A caret of the old height would stay until the focus moved.
  if (window_ && window_->HasFocus()) {
    FocusLost();
    FocusGained();
  }
  navigator_.RecomputeCaret();
  ClampAndRepaint(0);
  return laid_out;
}
