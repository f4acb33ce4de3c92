#pragma once
// Where the caret and the selection of a document are and how they move:
// the navigation keys, the frame's positioning commands, selecting all or a
// line, the caret's place on screen and scrolling it into view. Vertical
// moves aim at the remembered x, so that the caret returns to its column
// after passing short lines or rows.
#include <cstdint>

#include "editor/input/caret_view.h"
#include "editor/input/caret_visibility.h"
#include "editor/editing/document_editor.h"
#include "editor/layout/document_layout.h"
#include "editor/layout/line_geometry.h"
#include "editor/layout/text_metrics.h"
#include "editor/store/text_store.h"

// How a positioning treats the anchor.
enum class SelectionMode : std::int32_t {
  CaretOnly = 0,  // only the caret moves
  Extend = 1,     // the anchor stays; the selection runs from it to the caret
  Collapse = 2,   // anchor and bounds follow the caret, nothing selected
};

enum class VerticalKey { PageUp, PageDown, Up, Down };
enum class HorizontalKey { Home, End, Left, Right };

class CaretNavigator {
 public:
  // The editor keeps the remembered x, which its edits set as well.
  CaretNavigator(TextStore& store, DocumentLayout& layout, TextMetrics& metrics, DocumentEditor& editor,
                 CaretView& view);
  CaretNavigator(const CaretNavigator&) = delete;
  CaretNavigator& operator=(const CaretNavigator&) = delete;

  const SelectionState& Selection() const { return store_.Selection(); }

  // The display row (line when unwrapped) a position is shown on: a column
  // on a row boundary is on the upper row when its x is not 0.
  std::int32_t ShownRow(const TextPosition& position);
  std::int32_t CaretRow() { return ShownRow(Selection().caret); }
  // Client y of the caret's row top.
  std::int32_t CaretY();
  CaretPlacement Placement();

  void PlaceCaret();
  // After a relayout or scroll: the caret's x from its column (a caret at
  // the start of a lower row stays there), then placed.
  void RecomputeCaret();
  // Scrolls the caret (or a short one-line selection) into view with
  // margin_columns (0 or 2) of room beside it. True when it scrolled.
  bool MakeCaretVisible(std::int32_t margin_columns);

  // Page Up/Down scroll a page first; all four aim at the remembered x.
  void VerticalMove(VerticalKey key, SelectionMode mode);
  void HorizontalMove(HorizontalKey key, SelectionMode mode);
  // Ctrl+Home and Ctrl+End.
  void DocumentStart() { MoveToDocumentBoundary(false); }
  void DocumentEnd() { MoveToDocumentBoundary(true); }
  // Go to line, find results, bookmarks: a position outside the view is
  // brought to its middle. The position is clamped to the text.
  void GoTo(const TextPosition& position, SelectionMode mode);
  void SelectAll();
  // Selects the caret line without its line feed; false on an empty line.
  // The caller repaints.
  bool SelectLine();
  void ClearSelection();

  // Sets the caret by the mode; nothing else.
  void SetCaret(const TextPosition& position, SelectionMode mode);
  // Sets the caret by the mode and shows the result without scrolling:
  // selection rows repainted, caret placed, margin repainted.
  void ShowMove(const TextPosition& target, SelectionMode mode, bool remember_x);

  // The unit under the pointer at the last hit test (a click, a drag or a
  // vertical move): where the HTML token and the tag pair are looked for.
  std::int32_t HitUnit() const { return hit_unit_; }
  void SetHitUnit(std::int32_t unit) { hit_unit_ = unit; }

 private:
  // The row of the line holding a position, as ShownRow decides.
  line_geometry::RowSpan RowAround(LineRecord& line, const TextPosition& position);
  // The pen position of a column from the start of its row.
  std::int32_t PenInRow(LineRecord& line, const line_geometry::RowSpan& row, std::int32_t column);
  // A position inside the text with the x its column is shown at (an x of
  // 0 on a row boundary keeps the start of the lower row).
  TextPosition Clamped(const TextPosition& position);
  TextPosition EndOfText();
  TextPosition EndOfLine(std::int32_t line);

  // The targets of the horizontal keys; false when the caret stays.
  bool HomeTarget(const TextPosition& from, bool collapsing, TextPosition& target);
  bool EndTarget(const TextPosition& from, bool collapsing, TextPosition& target);
  bool LeftTarget(TextPosition& target);
  bool RightTarget(TextPosition& target);
  bool VerticalTarget(std::int32_t delta, TextPosition& target);

  // ShowMove, then the caret made visible.
  void MoveAndShow(const TextPosition& target, SelectionMode mode, bool remember_x, std::int32_t margin_columns);
  void InvalidateSelection(const SelectionState& state);
  void MoveToDocumentBoundary(bool end);

  TextStore& store_;
  DocumentLayout& layout_;
  TextMetrics& metrics_;
  DocumentEditor& editor_;
  CaretView& view_;
  std::int32_t hit_unit_ = 0;
};
