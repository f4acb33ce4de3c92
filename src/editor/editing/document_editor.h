#pragma once
// The editing operations of one document over its text store: deleting and
// inserting units and texts, indenting, automatic indentation and the case
// and width conversions, each keeping caret and selection in step and
// recorded in the undo history; undo, redo and the modified state; and the
// parent notifications about changes and lines that appeared or vanished.
//
// Operations return the line at which the change began, or -1 when nothing
// could be done; a failed operation leaves text, selection and history as
// they were.
#include <cstdint>

#include "editor/layout/document_layout.h"
#include "editor/editing/editor_notify.h"
#include "editor/editing/editor_view.h"
#include "editor/store/text_store.h"
#include "editor/editing/undo_history.h"

enum class RecordMode : std::int32_t {
  None = 0,    // not recorded (applying undo and redo)
  Record = 1,  // one record
  Joined = 2,  // the record is half of a pair taken back as one
};

class DocumentEditor {
 public:
  // The layout gives positions their x and widens the line-number margin
  // as lines are inserted; view may be null (headless use).
  DocumentEditor(TextStore& store, DocumentLayout& layout, EditorParent& parent, EditorView* view);
  DocumentEditor(const DocumentEditor&) = delete;
  DocumentEditor& operator=(const DocumentEditor&) = delete;

  TextStore& Store() { return store_; }
  const SelectionState& Selection() const { return store_.Selection(); }
  // The x that vertical movement aims at; every edit sets it.
  std::int32_t RememberedX() const { return remembered_x_; }
  // Caret movement sets it; vertical moves leave it.
  void SetRememberedX(std::int32_t x) { remembered_x_ = x; }

  // The position of a column with its x (at a row boundary, the end of the
  // upper row).
  TextPosition At(std::int32_t line, std::int32_t column);
  // Moves the caret to the position (clamped into the text) and drops the
  // selection. An x of 0 on a row boundary keeps the caret at the start of
  // the lower row; any other x is taken from the layout.
  void CaretTo(const TextPosition& position);
  // Selects from anchor to caret (x as for CaretTo).
  void Select(const TextPosition& anchor, const TextPosition& caret);

  // Backspace (the unit before the caret) or Delete (the unit at it); with
  // a selection, both delete the selection.
  std::int32_t DeleteUnit(bool backspace, bool record);
  std::int32_t DeleteSelection(RecordMode mode, bool redraw);
  // A unit of 10 is a line break; a carriage return is refused.
  std::int32_t InsertUnit(char16_t unit, RecordMode mode);
  // Inserts length units (NULs included; carriage returns dropped) at the
  // caret, replacing the selection. With a target the caret then goes to
  // that line and column, moved across line ends when outside its line.
  std::int32_t InsertText(const char16_t* text, std::int32_t length, RecordMode mode, bool redraw,
                          bool select_after_redo = false, const TextPosition* target = nullptr);
  // A tab at the start of every line from the selection start's line to the
  // end's (without the end's line when the selection ends at column 0); with
  // line_flags only where the line's byte is non-zero.
  std::int32_t IndentLines(const std::uint8_t* line_flags, bool record);
  // Takes one leading tab from each of the same lines (spaces stay).
  std::int32_t UnindentLines(bool record);
  // Enter after leading tabs: a line break and as many tabs. False when the
  // caret is at column 0 or its line starts with no tab.
  bool AutoIndent();
  // Replaces the selection by its mapped text (text_mapping::Mapping); a
  // failed mapping leaves the selection as it was.
  std::int32_t ConvertSelection(std::uint32_t mapping);

  // False when there was nothing to apply.
  bool Undo();
  bool Redo();
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  void ClearHistory() { history_.Clear(); }
  bool Modified() const { return history_.Modified(); }
  // The current state is the saved one (after loading or saving).
  void SetSavedPosition() { history_.MarkSaved(); }
  // The text differs from the file whatever is undone (recovered text).
  void SetUnsaved() { history_.MarkUnsaved(); }
  const UndoHistory& History() const { return history_; }
  // The first half of a joined pair whose second half could not be made
  // stands alone from now on.
  void EndJoinedPair();

 private:
  struct LineSpan {
    std::int32_t first;
    std::int32_t last;  // below first when no line is affected
  };

  // Recalculates a position's x after the text changed, keeping a caret
  // shown at the start of a lower row there.
  TextPosition Refreshed(const TextPosition& position);
  void Collapse(const TextPosition& position);
  // After lines were inserted: the margin may have widened, moving wrapped
  // rows, and the whole view is then redrawn. Positions are computed after
  // this call.
  void NoteInsertedLines();
  void Record(UndoRecord* record);
  void Refresh(std::int32_t from_line, std::int32_t margin_columns);
  void ClearTagPairHighlight();

  // Removes the text from start to end; false, nothing changed, on memory
  // failure.
  bool RemoveRange(const TextPosition& start, const TextPosition& end);
  TextPosition NormalisedTarget(const TextPosition& target);
  // Deletes the selection an insertion replaces; when recording, mode
  // becomes Joined so that undo takes back both as one. False, nothing
  // changed, on failure.
  bool DeleteReplacedSelection(RecordMode& mode);

  static LineSpan AffectedLines(const TextPosition& start, const TextPosition& end);
  // Inserts a leading tab on every line of the span (only on flagged lines
  // when flags are given); false, nothing changed, on memory failure or
  // when no line was flagged.
  bool AddLeadingTabs(LineSpan span, const std::uint8_t* flags);
  // Removes one leading tab from each line of the span that has one (only
  // from flagged lines when flags are given), marking those lines in
  // removed when given; false when no line had one.
  bool RemoveLeadingTabs(LineSpan span, const std::uint8_t* flags, std::uint8_t* removed);
  bool StartsWithTab(std::int32_t line);
  // Moves anchor and caret by delta columns when their line changed (never
  // from column 0) and renormalises the selection.
  void ShiftSelection(bool anchor_line_changed, bool caret_line_changed, std::int32_t delta);
  // Records a line shift (when undo is given) with the selection it started
  // from, which undoing it restores.
  void RecordWithSelection(UndoRecord* undo, const SelectionState& before);

  // One undo or redo step: 0 when nothing was applied, else joined + 1.
  std::int32_t Step(bool redo, std::int32_t& lowest_changed_line);
  std::int32_t Apply(UndoRecord& record, bool redo);
  bool UndoOrRedo(bool redo);

  TextStore& store_;
  DocumentLayout& layout_;
  EditorParent& parent_;
  EditorView* view_;
  UndoHistory history_;
  std::int32_t remembered_x_ = 0;
};
