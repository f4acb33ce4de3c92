#pragma once
// One editor control's document: the text store with its layout, the
// editing operations and undo history, the view (scroll position, caret,
// highlights) and the file state. The control window and the document are
// one object to the rest of the program: the frame calls the operations
// here; window messages reach them through the control's window procedure,
// which attaches its ControlWindow.
#include <cstdint>
#include <memory>
#include <string_view>

#include "docs/encoding.h"
#include "editor/colour_checkpoints.h"
#include "editor/control_window.h"
#include "editor/document_editor.h"
#include "editor/document_layout.h"
#include "editor/editor_settings.h"
#include "editor/layout_column_geometry.h"
#include "editor/marked_lines.h"
#include "editor/metrics_line_layout.h"
#include "editor/paint_highlights.h"
#include "editor/syntax_mode.h"
#include "platform/canvas.h"
#include "platform/wide_string.h"

class Document final : private EditorParent, private EditorView {
 public:
  // Starts with one empty line; check Valid() before use.
  Document(TextMetrics& metrics, EditorSettings& settings);
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
  ~Document() override;

  bool Valid() const { return store_.Valid(); }

  // The control window, owned by the document from now on; null detaches
  // (headless use). The window goes before the rest of the document.
  void AttachWindow(std::unique_ptr<ControlWindow> window) { window_ = std::move(window); }
  ControlWindow* Window() const { return window_.get(); }

  TextStore& Store() { return store_; }
  DocumentLayout& Layout() { return layout_; }
  DocumentEditor& Editor() { return editor_; }
  TextMetrics& Metrics() { return metrics_; }
  EditorSettings& Settings() { return settings_; }
  const SelectionState& Selection() const { return store_.Selection(); }

  // File state.
  WideString& Path() { return path_; }
  SyntaxMode Mode() const { return mode_; }
  void SetSyntaxModeFromPath();
  LineBreakStyle line_break_style = kCrLf;
  EncodingId encoding = kUtf8;
  std::uint64_t file_time = 0;

  // Replaces the whole text (line feeds split lines, carriage returns
  // dropped): caret at the start, empty history, unmodified, repainted.
  // False on memory failure, the document then holding what fitted.
  bool LoadText(std::u16string_view text);

  // Highlights.
  MarkedLines& Marked() { return marked_lines_; }
  const WideString& HighlightWordText() const { return highlight_word_; }
  // Toggles the highlighted word with text; repaints when it changed.
  void ToggleHighlightWord(std::u16string_view text);
  TagPairHighlight& TagPair() { return tag_pair_; }
  void SetTagPair(const TagPairHighlight& pair);
  void ClearTagPairHighlight() override;
  bool AddMarkedLine(std::int32_t line);
  bool RemoveMarkedLine(std::int32_t line);

  // Caret placement (the system caret follows the caret position).
  std::int32_t CaretY() const { return caret_y_; }
  bool CaretShown() const { return caret_shown_; }
  bool composing = false;
  std::int32_t hit_unit = 0;
  // The caret's display row, counting a caret shown at the end of an upper
  // row on that row.
  std::int32_t CaretRow();
  void PlaceCaret();
  // Recomputes caret, anchor and selection x from their columns after the
  // layout changed, and the caret y; then places the caret.
  void RecomputeCaret();
  // Focus gained (the window made the system caret) and lost.
  void CaretCreated();
  void CaretDestroyed();
  // Scrolls the caret into view keeping margin_columns of room sideways;
  // true when the view moved.
  bool MakeCaretVisible(std::int32_t margin_columns);

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
  // After the shared fonts were rebuilt.
  bool RelayoutForFont();

  // Painting the whole client area, and asking for repaints.
  void Paint(Canvas& canvas);
  void RepaintAll();
  void RepaintMargin();
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
  void SelectAll();
  void ClearSelection();
  // Inserts text (carriage returns dropped) replacing the selection; with a
  // target the caret then goes there.
  std::int32_t InsertText(std::u16string_view text, const TextPosition* target = nullptr);
  bool SelectionText(WideString& destination) { return store_.SelectionText(destination, false); }
  bool CurrentLineText(WideString& destination) { return store_.CurrentLineText(destination); }

 private:
  void Notify(EditorNotify message, std::int32_t line, std::int32_t count) override;
  void Refresh(std::int32_t from_line, std::int32_t margin_columns) override;
  void UpdateCaretY();
  void Invalidate(const CanvasRect& area);
  void UpdateBar(ScrollBarKind bar);
  // The client rectangle from the top of a display row (or line) down.
  CanvasRect BelowRow(std::int32_t row) const;
  void InvalidateRange(const LineRange& range);

  TextMetrics& metrics_;
  EditorSettings& settings_;
  MetricsLineLayout line_layout_;
  TextStore store_;
  DocumentLayout layout_;
  LayoutColumnGeometry geometry_;
  DocumentEditor editor_;
  ColourCheckpoints checkpoints_;
  MarkedLines marked_lines_;
  WideString highlight_word_;
  TagPairHighlight tag_pair_;
  WideString path_;
  SyntaxMode mode_ = kSyntaxUntitled;
  std::int32_t caret_y_ = kTopMargin;
  bool caret_shown_ = false;
  // Last, so that it is destroyed first.
  std::unique_ptr<ControlWindow> window_;
};
