#include "editor/control/document.h"

#include <algorithm>
#include <utility>

#include "editor/paint/highlight_word.h"
#include "editor/editing/reconvert_string.h"
#include "editor/editing/typing.h"

Document::Document(TextMetrics& metrics, EditorSettings& settings)
    : metrics_(metrics),
      settings_(settings),
      line_layout_(metrics),
      store_(line_layout_, 0),
      layout_(store_, metrics, settings.wrap),
      editor_(store_, layout_, *this, this),
      navigator_(store_, layout_, metrics, editor_, *this) {}

Document::~Document() {
  // Closed by a mouse command while holding the mouse (its window took the
  // capture along): no other control may wait for a release that never
  // comes.
  if (holds_mouse_) settings_.mouse_state = MouseState::Idle;
}

void Document::AttachWindow(std::unique_ptr<ControlWindow> window) {
  presenter_.reset();
  window_ = std::move(window);
  if (window_) presenter_ = std::make_unique<CaretPresenter>(window_->Caret(), window_->InputMethod());
}

void Document::SetSyntaxModeFromPath() {
  mode_ = syntax_mode::ForPath(file_.path.View(), settings_.script_extensions);
  checkpoints_.InvalidateFrom(0);
}

void Document::SetPath(WideString path) {
  file_.path = std::move(path);
  SetSyntaxModeFromPath();
}

bool Document::SetPath(std::u16string_view path) {
  WideString copy;
  if (!copy.Assign(path)) return false;
  SetPath(std::move(copy));
  return true;
}

void Document::SetFormat(EncodingId encoding, LineBreakStyle line_breaks) {
  file_.encoding = encoding;
  file_.line_breaks = line_breaks;
}

void Document::SetDiskStamp(std::uint64_t time, std::uint64_t size) {
  file_.file_time = time;
  file_.disk_time = time;
  file_.disk_size = size;
}

bool Document::Modified() const { return editor_.Modified(); }
bool Document::HasHistory() const { return editor_.History().Current() != nullptr; }
bool Document::CanUndo() const { return editor_.History().CanUndo(); }
bool Document::CanRedo() const { return editor_.History().CanRedo(); }
void Document::MarkSaved() { editor_.SetSavedPosition(); }
void Document::MarkUnsaved() { editor_.SetUnsaved(); }

void Document::SelectAll() { navigator_.SelectAll(); }
bool Document::SelectLine() { return navigator_.SelectLine(); }
void Document::ClearSelection() { navigator_.ClearSelection(); }
void Document::DocumentStart() { navigator_.DocumentStart(); }
void Document::DocumentEnd() { navigator_.DocumentEnd(); }

void Document::SelectInLine(std::int32_t line, std::int32_t start, std::int32_t end) {
  const std::int32_t lines = store_.LineCount();
  line = std::clamp(line, 0, lines - 1);
  // The units of the line without its line feed.
  const std::int32_t units = store_.Line(line)->Length() - (line + 1 < lines ? 1 : 0);
  start = std::clamp(start, 0, units);
  end = std::clamp(end, start, units);
  navigator_.GoTo(editor_.At(line, start), SelectionMode::Collapse);
  navigator_.GoTo(editor_.At(line, end), SelectionMode::Extend);
}

void Document::GoToLine(std::int32_t line) {
  line = std::clamp(line, 0, store_.LineCount() - 1);
  navigator_.GoTo(editor_.At(line, 0), SelectionMode::Collapse);
}

bool Document::LoadText(std::u16string_view text) {
  store_.Clear();
  bool loaded = true;
  std::size_t run_start = 0;
  for (std::size_t i = 0; i <= text.size() && loaded; ++i) {
    const bool at_end = i == text.size();
    if (!at_end && text[i] != u'\n' && text[i] != u'\r') continue;
    const auto count = static_cast<std::int32_t>(i - run_start);
    loaded = store_.AppendToLastLine(text.data() + run_start, count);
    if (loaded && !at_end && text[i] == u'\n') loaded = store_.EndLastLine();
    run_start = i + 1;
  }
  store_.FinishLoading();
  TextReplaced();
  return loaded;
}

void Document::TextReplaced() {
  ++change_count_;
  checkpoints_.InvalidateFrom(0);
  layout_.NoteLineCount();
  editor_.CaretTo({});
  editor_.ClearHistory();
  layout_.ScrollTo(0, 0);
  navigator_.RecomputeCaret();
  UpdateScrollBars();
  RepaintAll();
}

void Document::ToggleHighlightWord(std::u16string_view text) {
  if (highlight_by_pattern_) {
    highlight_by_pattern_ = false;
    highlight_word_.Clear();
    RepaintAll();
  }
  if (highlight_word::Toggle(highlight_word_, text)) RepaintAll();
}

void Document::ToggleHighlightPattern(std::u16string_view text, RegexPattern&& pattern) {
  const bool same = highlight_by_pattern_ && highlight_word_.View() == text;
  if (same || text.empty()) {
    highlight_by_pattern_ = false;
    highlight_word_.Clear();
  } else {
    if (!highlight_word_.Assign(text)) return;
    highlight_pattern_ = std::move(pattern);
    highlight_by_pattern_ = true;
  }
  RepaintAll();
}

void Document::SetTagPair(const TagPairHighlight& pair) {
  ClearTagPairHighlight();
  tag_pair_ = pair;
  if (!pair.active) return;
  InvalidateRange(pair.start_tag);
  InvalidateRange(pair.end_tag);
}

void Document::ClearTagPairHighlight() {
  if (!tag_pair_.active) return;
  tag_pair_.active = false;
  InvalidateRange(tag_pair_.start_tag);
  InvalidateRange(tag_pair_.end_tag);
}

void Document::InvalidateRange(const LineRange& range) { InvalidateLines(range.line, range.line); }

bool Document::AddMarkedLine(std::int32_t line) {
  if (!marked_lines_.Add(line)) return false;
  RepaintMargin();
  return true;
}

bool Document::RemoveMarkedLine(std::int32_t line) {
  if (!marked_lines_.Remove(line)) return false;
  RepaintMargin();
  return true;
}

void Document::Notify(EditorNotify message, std::int32_t line, std::int32_t count) {
  if (message == EDN_CHANGED) ++change_count_;
  if (message == EDN_LINESINSERTED || message == EDN_LINESREMOVED) checkpoints_.InvalidateFrom(line);
  if (!window_) return;
  std::uintptr_t wparam = 0;
  std::intptr_t lparam = 0;
  if (message == EDN_MODIFIEDCHANGED) {
    wparam = reinterpret_cast<std::uintptr_t>(this);
  } else if (message == EDN_LINESINSERTED || message == EDN_LINESREMOVED) {
    wparam = static_cast<std::uintptr_t>(line);
    lparam = count;
  }
  window_->NotifyParent(message, wparam, lparam);
}

void Document::Refresh(std::int32_t from_line, std::int32_t margin_columns) {
  checkpoints_.InvalidateFrom(from_line);
  navigator_.PlaceCaret();
  ClampAndRepaint(from_line);
  navigator_.MakeCaretVisible(margin_columns);
}

void Document::FocusGained() {
  if (presenter_) presenter_->Create(metrics_.TextHeight(), navigator_.Placement());
}

void Document::FocusLost() {
  if (presenter_) presenter_->Destroy();
}

void Document::PlaceCaret(const CaretPlacement& placement) {
  if (presenter_) presenter_->Place(placement);
}

void Document::KeyDown(std::uint32_t key, KeyModifiers modifiers, bool auto_repeat) {
  const KeyAction action = keyboard::ActionForKeyDown(key, modifiers, auto_repeat, TextDragging());
  if (action.kind == KeyActionKind::ShowCopyCursor) {
    if (window_) window_->ShowCursor(kCursorCopy);
    return;
  }
  keyboard::Perform(navigator_, action);
}

void Document::Character(char16_t unit, KeyModifiers modifiers) {
  const CharacterAction action = keyboard::ActionForCharacter(unit, modifiers, store_.Selection());
  typing::Perform(editor_, action, unit, settings_.auto_indent);
}

void Document::StartComposition() {
  if (presenter_) presenter_->StartComposition(navigator_.Placement(), metrics_.NormalFont());
}

void Document::EndComposition() {
  if (presenter_) presenter_->EndComposition();
}

bool Document::Composition(bool has_result) { return presenter_ && presenter_->Composition(has_result, editor_); }

std::uint32_t Document::Reconversion(std::uint8_t* buffer, std::uint32_t capacity) {
  return reconvert::Answer(store_, buffer, capacity);
}

std::int32_t Document::DeleteCommand() {
  if (store_.Selection().exists) return editor_.DeleteSelection(RecordMode::Record, true);
  return editor_.DeleteUnit(false, true);
}

bool Document::Undo() { return editor_.Undo(); }
bool Document::Redo() { return editor_.Redo(); }

std::int32_t Document::ConvertSelection(std::uint32_t mapping) {
  if (!store_.Selection().exists) return -1;
  return editor_.ConvertSelection(mapping);
}

std::int32_t Document::Indent() {
  const SelectionState& selection = store_.Selection();
  if (!selection.exists || selection.start.line == selection.end.line) return -1;
  return editor_.IndentLines(nullptr, true);
}

std::int32_t Document::Unindent() {
  const SelectionState& selection = store_.Selection();
  if (!selection.exists || selection.start.line == selection.end.line) return -1;
  return editor_.UnindentLines(true);
}

std::int32_t Document::InsertText(std::u16string_view text, const TextPosition* target) {
  return editor_.InsertText(text.data(), static_cast<std::int32_t>(text.size()), RecordMode::Record, true, false,
                            target);
}
