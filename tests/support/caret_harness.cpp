#include "support/caret_harness.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editor/input/key_action.h"
#include "support/fixed_metrics.h"
#include "support/store_text.h"

void RecordingCaretView::InvalidateRows(std::int32_t first, std::int32_t last) {
  invalidated.emplace_back(first, last);
}

void RecordingCaretView::PlaceCaret(const CaretPlacement& placement) { placements.push_back(placement); }

std::int32_t RecordingCaretView::LastFirstRow() const {
  const std::int32_t rows = layout_.Wrapped() ? store_.TotalRows() : store_.LineCount();
  const std::int32_t page = layout_.VisibleRows();
  return std::max(0, rows + page / 2 - page + 1);
}

std::int32_t RecordingCaretView::LastColumn() const {
  const std::int32_t page = layout_.VisibleColumns();
  return std::max(0, page / 2 + store_.LongestWidth() / metrics_.AverageWidth() - page + 1);
}

bool RecordingCaretView::ScrollTo(std::int32_t first_visible_row, std::int32_t horizontal_column) {
  const std::int32_t row = std::clamp(first_visible_row, 0, LastFirstRow());
  const std::int32_t column = std::clamp(horizontal_column, 0, LastColumn());
  if (row == layout_.FirstVisibleRow() && column == layout_.HorizontalScrollColumn()) return false;
  layout_.ScrollTo(row, column);
  ++scrolls;
  if (navigator_) navigator_->RecomputeCaret();
  return true;
}

void RecordingCaretView::RedrawFrom(std::int32_t first_visible_row) {
  layout_.ScrollTo(std::clamp(first_visible_row, 0, LastFirstRow()), layout_.HorizontalScrollColumn());
  ++redraws;
}

void RecordingCaretView::Refresh(std::int32_t, std::int32_t margin_columns) {
  if (!navigator_) return;
  navigator_->PlaceCaret();
  navigator_->MakeCaretVisible(margin_columns);
}

void RecordingCaretView::Forget() {
  invalidated.clear();
  placements.clear();
  margin_repaints = scrolls = redraws = 0;
}

CaretHarness::CaretHarness(std::int32_t text_width, std::int32_t rows, bool wrap)
    : metrics(MakeFixedMetrics()),
      line_layout(*metrics),
      store(line_layout, 0),
      layout(store, *metrics, wrap),
      view(store, layout, *metrics),
      editor(store, layout, log, &view),
      navigator(store, layout, *metrics, editor, view) {
  view.Attach(navigator);
  layout.Resize(text_width + kMargin, rows * kPitch + 2);
}

void CaretHarness::Load(std::string_view written) {
  bool ok = true;
  const MarkedText marked = ParseMarked(written, ok);
  ASSERT_TRUE(ok) << written;
  PlaceMarked(store, editor, marked);
  layout.ScrollTo(0, 0);
  log.Take();
  view.Forget();
}

bool CaretHarness::Press(std::string_view keys) {
  struct Name {
    std::string_view word;
    std::uint32_t key;
  };
  static constexpr Name kNames[] = {
      {"Up", virtual_key::kUp},     {"Down", virtual_key::kDown},   {"Left", virtual_key::kLeft},
      {"Right", virtual_key::kRight}, {"Home", virtual_key::kHome}, {"End", virtual_key::kEnd},
      {"PgUp", virtual_key::kPageUp}, {"PgDn", virtual_key::kPageDown},
  };
  while (!keys.empty()) {
    const std::size_t space = keys.find(' ');
    std::string_view word = keys.substr(0, space);
    keys = space == std::string_view::npos ? std::string_view{} : keys.substr(space + 1);
    if (word.empty()) continue;
    if (word == "C-Home" || word == "C-End") {
      word == "C-Home" ? navigator.DocumentStart() : navigator.DocumentEnd();
      continue;
    }
    KeyModifiers modifiers;
    if (word.starts_with("S-")) {
      modifiers.shift = true;
      word.remove_prefix(2);
    }
    const auto name = std::find_if(std::begin(kNames), std::end(kNames), [&](const Name& n) { return n.word == word; });
    if (name == std::end(kNames)) return false;
    if (!keyboard::Perform(navigator, keyboard::ActionForKeyDown(name->key, modifiers, false, false))) return false;
  }
  return true;
}

std::string CaretHarness::Marked() {
  MarkedText marked;
  for (const std::u16string& line : StoreLines(store)) marked.text += line;
  const SelectionState& s = store.Selection();
  marked.caret_line = s.caret.line;
  marked.caret_column = s.caret.column;
  marked.has_anchor = s.exists;
  marked.anchor_line = s.anchor.line;
  marked.anchor_column = s.anchor.column;
  return WriteMarked(marked);
}
