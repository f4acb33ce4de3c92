#pragma once
// A document for editing tests: the layout over the fixed-width measuring
// stand-in (narrow units 7 pixels, wide 14, tabs every 28), a store, an
// editor whose parent notifications are logged, and texts written with
// escapes and caret (|) and anchor (^) markers.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/editing/document_editor.h"
#include "editor/layout/metrics_line_layout.h"

struct Notification {
  EditorNotify message;
  std::int32_t line;
  std::int32_t count;
  bool operator==(const Notification&) const = default;
};

class NotificationLog : public EditorParent {
 public:
  void Notify(EditorNotify message, std::int32_t line, std::int32_t count) override {
    entries_.push_back({message, line, count});
  }
  // The notifications since the last call.
  std::vector<Notification> Take() { return std::exchange(entries_, {}); }

 private:
  std::vector<Notification> entries_;
};

std::string Describe(const std::vector<Notification>& notifications);

// A text with its caret and, when something is selected, its anchor.
struct MarkedText {
  std::u16string text;
  std::int32_t caret_line = 0;
  std::int32_t caret_column = 0;
  bool has_anchor = false;
  std::int32_t anchor_line = 0;
  std::int32_t anchor_column = 0;
};

// Escapes \n \t \r \0 \\ \| \^ \s (space) and \u{hex} (a code point;
// above U+FFFF a surrogate pair, D800..DFFF a lone unit); other text is
// UTF-8. | marks the caret, ^ the anchor. Sets ok to false on bad input.
MarkedText ParseMarked(std::string_view written, bool& ok);
// The inverse, escaping everything outside printable ASCII.
std::string WriteMarked(const MarkedText& marked);
// Replaces the store's text by the marked one, with an empty history, and
// puts caret and selection where they are marked.
void PlaceMarked(TextStore& store, DocumentEditor& editor, const MarkedText& marked);

// Text, caret, anchor and selection bounds with their x.
struct EditorSnapshot {
  std::u16string text;
  SelectionState selection;
  bool operator==(const EditorSnapshot& other) const;
};
std::string Describe(const EditorSnapshot& snapshot);

class EditorHarness {
 public:
  // Lines wrapped to wrap_width pixels of text area; 0 leaves them unwrapped.
  explicit EditorHarness(std::int32_t wrap_width = 0);
  void SetWrapWidth(std::int32_t wrap_width);

  // Replaces the text and selection; history and notifications start empty.
  void Load(const MarkedText& marked);
  EditorSnapshot Snapshot();
  MarkedText Marked();

  // One for the process, as in the program.
  static TextMetrics& Metrics();

  MetricsLineLayout line_layout;
  TextStore store;
  DocumentLayout layout;
  NotificationLog log;
  DocumentEditor editor;
};
