#pragma once
// One editor control's document: the text store with its layout, the
// editing operations and undo history, the caret, the view (scroll
// position, highlights) and the file state. The control window and the
// document are one object to the rest of the program: the frame calls the
// operations here; window messages reach them through the control's window
// procedure, which attaches its ControlWindow.
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/encoding.h"
#include "editor/input/caret_navigator.h"
#include "editor/input/caret_presenter.h"
#include "editor/paint/colour_checkpoints.h"
#include "editor/paint/highlight_word.h"
#include "editor/control/control_window.h"
#include "editor/control/document_file.h"
#include "editor/editing/document_editor.h"
#include "editor/layout/document_layout.h"
#include "editor/control/editor_settings.h"
#include "editor/html/text_search.h"
#include "editor/regex/regex_pattern.h"
#include "editor/input/key_action.h"
#include "editor/paint/marked_lines.h"
#include "editor/layout/metrics_line_layout.h"
#include "editor/input/mouse_input.h"
#include "editor/paint/paint_highlights.h"
#include "editor/paint/syntax_mode.h"
#include "platform/canvas.h"
#include "platform/wide_string.h"

class Document final : private EditorParent, private EditorView, private CaretView {
 public:
  // Starts with one empty line; check Valid() before use.
  Document(TextMetrics& metrics, EditorSettings& settings);
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
  ~Document() override;

  bool Valid() const { return store_.Valid(); }

  // The control window, owned by the document from now on; null detaches
  // (headless use). The window goes before the rest of the document.
  void AttachWindow(std::unique_ptr<ControlWindow> window);
  ControlWindow* Window() const { return window_.get(); }

  // The text's own structure, for the editor's parts and for the readers
  // that walk its lines (saving, snapshots, the character-loss check).
  // Everything else outside the editor goes through the operations below.
  TextStore& Store() { return store_; }
  DocumentLayout& Layout() { return layout_; }
  DocumentEditor& Editor() { return editor_; }
  CaretNavigator& Navigator() { return navigator_; }
  TextMetrics& Metrics() { return metrics_; }
  EditorSettings& Settings() { return settings_; }
  const SelectionState& Selection() const { return store_.Selection(); }

  // File state.
  const DocumentFile& File() const { return file_; }
  // The syntax mode follows the new path. The copying form is false
  // (nothing changed) when memory ran out.
  void SetPath(WideString path);
  bool SetPath(std::u16string_view path);
  void SetFormat(EncodingId encoding, LineBreakStyle line_breaks);
  // The file's time and size as just loaded or saved.
  void SetDiskStamp(std::uint64_t time, std::uint64_t size);
  void SeeFileTime(std::uint64_t time) { file_.file_time = time; }
  SyntaxMode Mode() const { return mode_; }
  void SetSyntaxModeFromPath();
  // Goes up with every change of the text, so that a copy taken in steps
  // can tell that the text moved under it.
  std::uint64_t ChangeCount() const { return change_count_; }

  // The history's state as the file commands and the toolbars see it.
  bool Modified() const;
  // Any edit recorded, undone ones included.
  bool HasHistory() const;
  bool CanUndo() const;
  bool CanRedo() const;
  // After a save, which the history does not see: this is the saved state.
  void MarkSaved();
  // Recovered text: modified although nothing was typed.
  void MarkUnsaved();

  // Replaces the whole text (line feeds split lines, carriage returns
  // dropped): caret at the start, empty history, unmodified, repainted.
  // False on memory failure, the document then holding what fitted.
  bool LoadText(std::u16string_view text);
  // The store filled directly by fill (the file loader), then the same
  // reset of caret, history and view as LoadText, whatever fill answered.
  template <typename Fill>
  auto Refill(Fill&& fill) {
    auto result = fill(store_);
    TextReplaced();
    return result;
  }
  // Tells the parent window that the modified state may have changed (after
  // a save, which the history does not see).
  void NotifyModifiedChanged() { Notify(EDN_MODIFIEDCHANGED, 0, 0); }

  // Highlights.
  MarkedLines& Marked() { return marked_lines_; }
  const WideString& HighlightWordText() const { return highlight_word_; }
  // The HTML construct around the unit last hit on the caret line becomes
  // the selection; false when there is none.
  bool SelectToken();
  void ToggleHighlightWord(std::u16string_view text);
  // The same with the matches of a pattern, text being its text.
  void ToggleHighlightPattern(std::u16string_view text, RegexPattern&& pattern);
  TagPairHighlight& TagPair() { return tag_pair_; }
  void SetTagPair(const TagPairHighlight& pair);
  void ClearTagPairHighlight() override;
  bool AddMarkedLine(std::int32_t line);
  bool RemoveMarkedLine(std::int32_t line);

  // Keyboard, focus and input method, as the window procedure forwards
  // them.
  void FocusGained();
  void FocusLost();
  bool CaretShown() const { return presenter_ && presenter_->CaretShown(); }
  bool Composing() const { return presenter_ && presenter_->Composing(); }
  void KeyDown(std::uint32_t key, KeyModifiers modifiers, bool auto_repeat);
  // Ignored while Ctrl is held (without Alt).
  void Character(char16_t unit, KeyModifiers modifiers);
  void StartComposition();
  void EndComposition();
  // True when a result was inserted and the message is consumed.
  bool Composition(bool has_result);
  // The reconversion answer's size, filling buffer when given.
  std::uint32_t Reconversion(std::uint8_t* buffer, std::uint32_t capacity);

  // Pointer input as the window procedure forwards it: client pixels and
  // the mouse_flag bits of the message. The parent's answer to a mouse
  // command may close this document, so the handlers send it last.
  void LeftButtonDown(const PointerPoint& point, std::uint32_t flags);
  void LeftButtonUp(const PointerPoint& point, std::uint32_t flags);
  void LeftDoubleClick(std::uint32_t flags);
  void RightButtonDown(const PointerPoint& point, std::uint32_t flags);
  // True for a plain right click: the default handling then asks the
  // parent for the context menu.
  bool RightButtonUp();
  void MiddleButtonDown(std::uint32_t flags);
  // button is 1 or 2.
  void ExtraButtonDown(std::int32_t button, std::uint32_t flags);
  void PointerMoved(const PointerPoint& point, std::uint32_t flags);
  void PointerLeft() { hover_zone_ = HoverZone::Unclassified; }
  // The mouse was taken away before its button came up: whatever the press
  // started ends, a dragged selection staying where it was.
  void PointerCaptureLost();
  // A posted auto-scroll step: the drag step again where the pointer is.
  void AutoScrollStep();
  // The cursor the hover zone calls for; false when the class cursor
  // applies.
  bool HoverCursor(EditorCursor& cursor) const;
  HoverZone Zone() const { return hover_zone_; }
  // Other panes dropping into the editor: a point inside the client area
  // takes the focus and the caret (answer 2); outside, the answer is 1.
  std::int32_t DropPoint(const PointerPoint& point);
  void KeyUp(std::uint32_t key);

  // Scrolling. Amounts count rows (columns) towards the start; both report
  // whether the view moved.
  bool Scroll(ScrollBarKind bar, ScrollRequest request, std::int32_t track);
  bool ScrollBy(ScrollBarKind bar, std::int32_t amount);
  ScrollBarState BarState(ScrollBarKind bar) const;
  void UpdateScrollBars();
  // After an edit from line on: keeps the view within its ranges, updates
  // the bars and repaints from that line's row down at once.
  void ClampAndRepaint(std::int32_t line);

  // Window size and layout changes.
  bool Resize(std::int32_t client_width, std::int32_t client_height);
  bool SetWrapped(bool wrapped);
  // After the shared fonts were rebuilt; the caret takes the new height.
  bool RelayoutForFont();

  // Painting the whole client area, and asking for repaints.
  void Paint(Canvas& canvas);
  void RepaintAll();
  void RepaintMargin() override;
  // Invalidates the rows of lines first..last (inclusive) that are visible.
  void InvalidateLines(std::int32_t first, std::int32_t last);

  // The frame's operations. -1 (or false) when nothing was done.
  bool Copy(bool cut);
  bool Paste();
  std::int32_t DeleteCommand();
  bool Undo();
  bool Redo();
  std::int32_t ConvertSelection(std::uint32_t mapping);
  std::int32_t Indent();
  std::int32_t Unindent();
  // Inserts text (carriage returns dropped) replacing the selection; with a
  // target the caret then goes there.
  std::int32_t InsertText(std::u16string_view text, const TextPosition* target = nullptr);
  bool SelectionText(WideString& destination) { return store_.SelectionText(destination, false); }
  bool CurrentLineText(WideString& destination) { return store_.CurrentLineText(destination); }
  // Caret moves and selections as the frame's commands make them.
  void SelectAll();
  bool SelectLine();
  void ClearSelection();
  void DocumentStart();
  void DocumentEnd();
  // The caret to the start of line, clamped to the text.
  void GoToLine(std::int32_t line);
  // Columns start..end of line selected, each clamped to the line's text.
  void SelectInLine(std::int32_t line, std::int32_t start, std::int32_t end);

  // Search and replace of a literal pattern (length units, NULs included);
  // the case-sensitive flag of the metrics decides about ASCII letters.
  // Find selects the match: scrolled into view, or with direct_select only
  // set as the selection.
  bool Find(const char16_t* pattern, std::int32_t length, bool forward, bool direct_select);
  // Replaces the selected match and finds the next (non-zero when something
  // was replaced or found), or with all every occurrence (the count).
  std::int32_t Replace(const char16_t* pattern, std::int32_t length, const char16_t* replacement,
                       std::int32_t replacement_length, bool all);
  // Whether a selection exists whose text equals the NUL-terminated
  // pattern.
  bool SelectionEqualsPattern(const char16_t* pattern);

  // The same with a regular expression, matched within one line; the
  // replacement's "$1".."$9", "$&", "\t" and "\n" are expanded, a line
  // break going in as typed text does, each replacement one undo step.
  // kTooComplex when a line's search ran past the engine's budget
  // (nothing more is replaced then).
  RegexStatus FindRegex(const RegexPattern& pattern, bool forward, bool direct_select);
  RegexStatus ReplaceRegex(const RegexPattern& pattern, std::u16string_view replacement, bool all,
                           std::int32_t& count);

 private:
  void TextReplaced();

  // EditorParent and EditorView: the editing operations' side.
  void Notify(EditorNotify message, std::int32_t line, std::int32_t count) override;
  void Refresh(std::int32_t from_line, std::int32_t margin_columns) override;
  // CaretView: the caret navigator's side.
  void InvalidateRows(std::int32_t first, std::int32_t last) override;
  void PlaceCaret(const CaretPlacement& placement) override;
  bool ScrollTo(std::int32_t first_visible_row, std::int32_t horizontal_column) override;
  void RedrawFrom(std::int32_t first_visible_row) override;

  void Invalidate(const CanvasRect& area);
  void UpdateBar(ScrollBarKind bar);

  // Pointer work.
  bool TextDragging() const;
  void NotifyMouse(EditorNotify message, std::int32_t code);
  // A press from idle: the state, the mouse captured, the focus taken.
  void HoldMouse(MouseState state, const PointerPoint& point);
  void LetGoOfMouse();
  void ClassifyZone(const PointerPoint& point);
  // The line (wrapped: of the display row) under a client y, clamped.
  std::int32_t LineAtY(std::int32_t y);
  // The text position under a point, clamped to the text.
  TextPosition PositionAt(const PointerPoint& point);
  void ClickAt(const PointerPoint& point, SelectionMode mode);
  void MarginPress(const PointerPoint& point, std::uint32_t flags);
  // Whole lines from the drag's origin line to this one, line feeds
  // included.
  void LineDragTo(std::int32_t line, const PointerPoint& point);
  void CaretFollow(const PointerPoint& point, bool scroll_follow);
  // One step of a left drag by the zone it started in.
  void DragStep(const PointerPoint& point);
  // After a drag step scrolled: more steps follow while the button is held
  // outside the text area.
  void ContinueAutoScroll(const PointerPoint& point);
  void DropSelection(bool copy);
  // The caret back where it was before a press on the selection.
  void RestoreSavedCaret();
  void InvalidateRange(const LineRange& range);

  // HTML-aware selection. A token range: line, columns and their x.
  struct TokenRange {
    std::int32_t line = 0;
    std::int32_t start = 0;
    std::int32_t start_x = 0;
    std::int32_t end = 0;
    std::int32_t end_x = 0;
    bool operator==(const TokenRange&) const = default;
    bool Holds(const TextPosition& position) const {
      return position.line == line && start <= position.column && position.column <= end;
    }
  };
  // The token at the hit unit of line; false when there is none.
  bool TokenAt(std::int32_t line, TokenRange& range);
  // Records the token at the hit unit of line as the current one and, the
  // mode being off, selects it and turns the mode on.
  bool TokenSelection(std::int32_t line);
  // A Ctrl+click: the token at the caret, kept as where the drag began.
  bool StartTokenSelection();
  // While Ctrl-dragging: the selection grows by whole tokens.
  void TokenDragStep(const TextPosition& hit, const PointerPoint& point);
  // Selects anchor..caret, the caret made visible; true when that scrolled.
  bool SelectTokenSpan(const TextPosition& anchor, const TextPosition& caret);
  // After a click or drag leaves no selection: the tag pair at the caret.
  void FindTagPair();

  // Search work.
  bool SelectionEquals(const char16_t* pattern, std::int32_t length);
  // The selection replaced by the replacement (deleted when it is empty),
  // recorded as one undo step; false when the edit failed.
  bool ReplaceSelection(const char16_t* replacement, std::int32_t length, bool redraw);
  std::int32_t ReplaceAll(const char16_t* pattern, std::int32_t length, const char16_t* replacement,
                          std::int32_t replacement_length);
  void SelectMatch(const text_search::Match& match, bool direct_select);
  // The caret back on its remembered line (clamped) after a replace all,
  // and the view repainted when count replacements were made.
  void FinishReplaceAll(const TextPosition& remembered, std::int32_t count);
  // The selection as a whole a match of the pattern (within one line).
  bool SelectionMatches(const RegexPattern& pattern, RegexMatch& groups);
  RegexStatus ReplaceAllRegex(const RegexPattern& pattern, std::u16string_view replacement, std::int32_t& count);

  TextMetrics& metrics_;
  EditorSettings& settings_;
  MetricsLineLayout line_layout_;
  TextStore store_;
  DocumentLayout layout_;
  DocumentEditor editor_;
  CaretNavigator navigator_;
  ColourCheckpoints checkpoints_;
  MarkedLines marked_lines_;
  std::uint64_t change_count_ = 0;
  WideString highlight_word_;
  RegexPattern highlight_pattern_;
  bool highlight_by_pattern_ = false;  // highlight_word_ is the pattern's text
  TagPairHighlight tag_pair_;
  DocumentFile file_;
  SyntaxMode mode_ = kSyntaxUntitled;
  // Mouse: the zone under the pointer, the last press point (moved along
  // during gestures), whether a dragged selection left its place, the caret
  // before that drag, and the line a margin drag started from.
  HoverZone hover_zone_ = HoverZone::Unclassified;
  PointerPoint press_point_;
  bool dragged_ = false;
  bool holds_mouse_ = false;
  TextPosition saved_caret_;
  std::int32_t line_drag_origin_ = 0;
  // On from a token selection until the left button comes up.
  bool token_mode_ = false;
  TokenRange token_current_;
  TokenRange token_saved_;
  // Last, so that they go first: the presenter uses the window's caret.
  std::unique_ptr<ControlWindow> window_;
  std::unique_ptr<CaretPresenter> presenter_;
};
