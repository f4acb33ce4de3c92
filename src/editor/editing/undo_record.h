#pragma once
// One recorded edit: enough to apply it again (redo) or take it back (undo).
#include <cstdint>

#include "editor/store/text_position.h"
#include "platform/wide_string.h"

enum class UndoKind : std::int32_t {
  UnitDeleted = 0,
  UnitInserted = 1,
  LinesIndented = 2,
  LinesUnindented = 4,
  SelectionDeleted = 8,
  TextInserted = 9,
};

class UndoRecord {
 public:
  // A zero-filled record from the private heap; nullptr when memory is short.
  static UndoRecord* Create(UndoKind kind);
  // Frees the record and its data; null is allowed.
  static void Destroy(UndoRecord* record);

  UndoRecord(const UndoRecord&) = delete;
  UndoRecord& operator=(const UndoRecord&) = delete;

  // One byte per affected line: kind 4, 1 where a tab was removed; kind 2
  // when only flagged lines were indented, those flags. False when memory
  // is short.
  bool AllocateLineFlags(std::int32_t count);
  std::uint8_t* LineFlags() const { return line_flags_; }

  UndoRecord* previous = nullptr;
  UndoRecord* next = nullptr;
  UndoKind kind;
  // Before and after the edit; kinds 2, 4 and 8 keep the anchor in from and
  // the caret in to.
  TextPosition from;
  TextPosition to;
  // This record and its neighbour form one user action.
  bool joined = false;
  // Kind 9: after redoing, select from from to to.
  bool select_after_redo = false;
  // Kind 9: after redoing, the caret goes to the target (line, column).
  bool has_target = false;
  TextPosition target;
  // Kinds 0 and 1.
  char16_t unit = 0;
  // Kinds 8 and 9: the deleted or inserted text, without carriage returns.
  WideString text;

 private:
  explicit UndoRecord(UndoKind record_kind) : kind(record_kind) {}
  ~UndoRecord();

  std::uint8_t* line_flags_ = nullptr;
};
