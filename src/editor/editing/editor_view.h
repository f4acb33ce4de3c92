#pragma once
// The screen side of an edit: the control repaints and moves its caret when
// the editing operations ask it to. Headless use passes no view.
#include <cstdint>

class EditorView {
 public:
  virtual ~EditorView() = default;
  // Every edit starts by dropping a highlighted tag pair.
  virtual void ClearTagPairHighlight() = 0;
  // Places the caret, repaints from from_line down and scrolls the caret into
  // view keeping margin_columns of horizontal margin.
  virtual void Refresh(std::int32_t from_line, std::int32_t margin_columns) = 0;
};
