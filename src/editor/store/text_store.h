#pragma once
// The text of one document: a ring of lines with a cached walk, the totals
// that scrolling needs (line count, display rows, longest width), and the
// caret and selection positions the store's operations refer to.
#include <cstdint>

#include "editor/store/line_layout.h"
#include "editor/store/line_pool.h"
#include "editor/store/line_record.h"
#include "editor/store/load_arena.h"
#include "editor/store/row_checkpoints.h"
#include "editor/store/text_position.h"
#include "editor/store/width_histogram.h"

class WideString;

// Caret C, anchor A and the selection bounds S (earlier of A and C) and E.
struct SelectionState {
  TextPosition caret;
  TextPosition anchor;
  TextPosition start;
  TextPosition end;
  bool exists = false;
};

class TextStore {
 public:
  // Appends at the end of a line when passed as a column.
  static constexpr std::int32_t kEndColumn = 2147483647;

  // Creates the first, empty line; check Valid() before using the store.
  TextStore(LineLayout& layout, std::int32_t wrap_width);
  TextStore(const TextStore&) = delete;
  TextStore& operator=(const TextStore&) = delete;
  ~TextStore();

  // False when the first line could not be created.
  bool Valid() const { return line_count_ > 0; }

  std::int32_t LineCount() const { return line_count_; }
  std::int32_t TotalRows() const { return total_rows_; }
  std::int32_t LongestWidth() const { return longest_width_; }
  std::int32_t WrapWidth() const { return wrap_width_; }
  LineLayout& Layout() const { return layout_; }
  // Takes effect for lines laid out from now on; RelayoutAll redoes all.
  void SetWrapWidth(std::int32_t wrap_width) { wrap_width_ = wrap_width; }

  SelectionState& Selection() { return selection_; }
  const SelectionState& Selection() const { return selection_; }

  // Line access: walks from the line last reached (or from the nearer end of
  // the ring) and caches the result. nullptr outside 0 .. LineCount() - 1.
  LineRecord* Line(std::int32_t index);
  std::int32_t CachedIndex() const { return cached_index_; }

  // Display rows before a line (0 .. LineCount()), and the line showing a
  // display row with the row within it (false beyond the text).  Both walk
  // from a checkpoint, not from line 0, and leave the line they reach as
  // the cached one.
  std::int32_t RowsBefore(std::int32_t line);
  bool LocateRow(std::int32_t row, RowLocation* location);

  // Links a new line in so that it takes index min(index, LineCount());
  // empty, or a single line feed. Buffer of 32 + capacity units. nullptr
  // (store unchanged) when memory is exhausted.
  LineRecord* InsertLine(std::int32_t index, std::int32_t capacity, bool with_line_feed);
  // Refused (false) for the only line or an index outside the store.
  bool RemoveLine(std::int32_t index);

  // Line edits that keep the totals right. InsertUnits puts count units at
  // min(column, length) (negative counts as 0); false, line unchanged, when
  // the text is absent or the buffer cannot grow.
  bool InsertUnits(LineRecord& line, const char16_t* text, std::int32_t count, std::int32_t column);
  // Removes count units from column on and returns the first removed unit;
  // -1, nothing removed, when the range does not lie inside the line.
  std::int32_t DeleteUnits(LineRecord& line, std::int32_t column, std::int32_t count);

  // Prepares a line break at the caret and returns the line that receives
  // the text typed before the break (the tail of the caret line ends up at
  // the start of line caret.line + 1). nullptr when memory is exhausted.
  LineRecord* SplitAtCaret(const TextPosition& caret);
  // Inserts text that may hold line breaks at a position: split at line
  // feeds, carriage returns dropped. On success end receives the position
  // after the text (x left 0 for the layout to fill). On failure the store
  // is unchanged.
  bool InsertText(const TextPosition& at, const char16_t* text, std::int32_t count, TextPosition* end);

  // Leaves one empty line, caret, anchor and selection at the start.
  void Clear();

  // The selected text (or any range) into destination, line feeds written as
  // CR LF when asked; NUL-terminated. False on memory or copy failure.
  bool SelectionText(WideString& destination, bool crlf);
  bool RangeText(const TextPosition& start, const TextPosition& end, WideString& destination, bool crlf);
  // The caret line without its line feed.
  bool CurrentLineText(WideString& destination);

  // Lays every line out again (wrap width, wrap mode or font changed);
  // false when some line's rows could not be stored.
  bool RelayoutAll();

  // Bulk filling by the loader, cheap per line: runs go to the end of the
  // last line, whose text sits exactly sized in a shared arena (long lines in
  // a buffer of their own), and a line is laid out once, when it ends.
  // AppendToLastLine refuses runs holding CR or LF (false, nothing changed)
  // and fails on memory; EndLastLine appends the line feed and starts a new
  // empty last line; FinishLoading lays out the last line after the last run.
  bool AppendToLastLine(const char16_t* units, std::int32_t count);
  bool EndLastLine();
  // AppendToLastLine then EndLastLine in one step; fails, the store then
  // unchanged, where AppendToLastLine would.
  bool AppendLineAndEnd(const char16_t* units, std::int32_t count);
  void FinishLoading();
  // Moves every line of tail, a store filled apart from this one (on another
  // thread), to the end of this store in place of its last line, which must
  // be empty, as tail laid them out (its totals join this store's).  tail is
  // left without lines and must then only be destroyed. False, both
  // unchanged, when this last line is not empty or either store is invalid.
  bool TakeLinesOf(TextStore& tail);
  // Lays a line of this store out again with its layout, as after an edit;
  // false when its rows could not be stored.
  bool LayOutAgain(LineRecord& line);

 private:
  LineRecord* CreateLine();
  // Links a line into the ring before successor and counts its width.
  void LinkBefore(LineRecord* line, LineRecord* successor);
  // Lays the line (at index, or -1 when unknown) out after a change and
  // adjusts the totals.
  bool LayOut(LineRecord& line, std::int32_t index);
  // The index of a line handed in by reference when it is the cached one;
  // otherwise -1 (unknown: a changed row count then drops every row
  // checkpoint, which costs only their rebuild).
  std::int32_t IndexHint(const LineRecord& line) const { return &line == cached_line_ ? cached_index_ : -1; }
  // After the longest line shrank or went.
  void RecomputeLongestWidth();
  bool InsertLines(LineRecord& line, std::int32_t index, std::int32_t column, const char16_t* text,
                   std::int32_t count, TextPosition* end);
  void FreeChain(LineRecord* first);
  bool AppendRun(const char16_t* units, std::int32_t count);
  // Lays out the last line, which has its line feed, and links next after it.
  void CloseLastLine(LineRecord* next);

  LineLayout& layout_;
  std::int32_t wrap_width_;
  LinePool pool_;
  LoadArena arena_;
  LineRecord* first_ = nullptr;
  LineRecord* cached_line_ = nullptr;
  std::int32_t cached_index_ = 0;
  std::int32_t line_count_ = 0;
  std::int32_t total_rows_ = 0;
  std::int32_t longest_width_ = 0;
  WidthHistogram widths_;
  RowCheckpoints row_checkpoints_;
  SelectionState selection_;
};
