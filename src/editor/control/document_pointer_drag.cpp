// Where the pointer lands in the text, and what dragging with the left
// button does there: clicks and drags that select, whole-line selection in
// the margin, the caret following a dragged selection, automatic scrolling
// while the pointer is held outside the text area, and the drop point that
// other panes ask for.
#include <algorithm>

#include "editor/control/document.h"
#include "editor/store/line_record.h"

std::int32_t Document::LineAtY(std::int32_t y) { return layout_.LocateDisplayRow(layout_.RowAtY(y)).line; }

TextPosition Document::PositionAt(const PointerPoint& point) {
  const RowLocation location = layout_.LocateDisplayRow(layout_.RowAtY(point.y));
  const std::int32_t x = point.x + layout_.HorizontalScrollPixels() - layout_.MarginWidth();
  const line_geometry::Hit hit = layout_.HitTest(location.line, location.row, x);
  navigator_.SetHitUnit(hit.unit_index);
  // The hit's x counts from its row, which tells a row boundary's two
  // places apart.
  return {location.line, hit.column, hit.x};
}

void Document::ClickAt(const PointerPoint& point, SelectionMode mode) {
  const TextPosition target = PositionAt(point);
  if (token_mode_) {
    TokenDragStep(target, point);
    return;
  }
  if (target == store_.Selection().caret && mode != SelectionMode::Collapse) return;
  navigator_.ShowMove(target, mode, true);
  if (navigator_.MakeCaretVisible(0)) ContinueAutoScroll(point);
}

void Document::MarginPress(const PointerPoint& point, std::uint32_t flags) {
  const SelectionState& selection = store_.Selection();
  // Taken before anything scrolls: the line the pointer is over now.
  const std::int32_t pointer_line = LineAtY(point.y);
  const bool shift = (flags & mouse_flag::kShift) != 0;
  std::int32_t origin = pointer_line;
  if (shift && selection.exists) {
    // An upward line drag leaves the anchor below its origin line.
    origin = selection.anchor.line >= selection.caret.line ? selection.anchor.line - 1 : selection.anchor.line;
  } else if (shift) {
    origin = selection.caret.line;
  }
  const std::int32_t last = store_.LineCount() - 1;
  origin = std::clamp(origin, 0, last);
  line_drag_origin_ = origin;
  const TextPosition start =
      origin == last ? editor_.At(origin, store_.Line(origin)->TextLength()) : TextPosition{origin, 0, 0};
  navigator_.ShowMove(start, SelectionMode::Collapse, false);
  LineDragTo(origin, point);
  if (shift) LineDragTo(pointer_line, point);
}

void Document::LineDragTo(std::int32_t line, const PointerPoint& point) {
  const std::int32_t last = store_.LineCount() - 1;
  const std::int32_t target = std::clamp(line, 0, last);
  const std::int32_t origin = std::min(line_drag_origin_, last);
  TextPosition anchor = store_.Selection().anchor;
  TextPosition caret{target, 0, 0};
  if (origin == last) {
    // The anchor stays at the end of the text.
  } else if (target < origin) {
    anchor = {origin + 1, 0, 0};
  } else {
    anchor = {origin, 0, 0};
    caret = target == last ? editor_.At(target, store_.Line(target)->TextLength()) : TextPosition{target + 1, 0, 0};
  }
  if (caret == store_.Selection().caret) return;
  store_.Selection().anchor = anchor;
  navigator_.ShowMove(caret, SelectionMode::Extend, true);
  if (navigator_.MakeCaretVisible(0)) ContinueAutoScroll(point);
}

void Document::CaretFollow(const PointerPoint& point, bool scroll_follow) {
  const TextPosition target = PositionAt(point);
  if (!(target == store_.Selection().caret)) {
    // Without a selection the anchor goes along, as it always does then.
    const SelectionMode mode = store_.Selection().exists ? SelectionMode::CaretOnly : SelectionMode::Collapse;
    navigator_.SetCaret(target, mode);
    navigator_.PlaceCaret();
    RepaintMargin();
  }
  if (scroll_follow && navigator_.MakeCaretVisible(0)) ContinueAutoScroll(point);
}

void Document::DragStep(const PointerPoint& point) {
  switch (hover_zone_) {
    case HoverZone::Margin: LineDragTo(LineAtY(point.y), point); break;
    case HoverZone::Selection: CaretFollow(point, true); break;
    default: ClickAt(point, SelectionMode::Extend); break;
  }
}

void Document::ContinueAutoScroll(const PointerPoint& point) {
  if (!window_) return;
  window_->RemoveAutoScroll();
  const bool outside = point.y >= layout_.ClientHeight() || point.y <= 1 || point.x >= layout_.ClientWidth() ||
                       point.x < layout_.MarginWidth();
  // One step pending at a time, however many moves scrolled.
  if (outside && window_->LeftButtonHeld()) window_->PostAutoScroll();
}

void Document::AutoScrollStep() {
  if (!window_ || !holds_mouse_ || settings_.mouse_state != MouseState::LeftDragging) return;
  DragStep(window_->PointerPosition());
}

std::int32_t Document::DropPoint(const PointerPoint& point) {
  const bool inside =
      point.x >= 0 && point.y >= 0 && point.x < layout_.ClientWidth() && point.y < layout_.ClientHeight();
  if (!inside) return 1;
  if (window_) window_->TakeFocus();
  CaretFollow(point, false);
  return 2;
}
