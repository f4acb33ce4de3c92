#pragma once
// The undo history of one document: a doubly linked list of records, the
// current one (last applied), the number of applied records and the saved
// position that decides whether the document is modified.
#include <cstdint>

#include "editor/editing/undo_record.h"

class UndoHistory {
 public:
  UndoHistory() = default;
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;
  ~UndoHistory() { Clear(); }

  // The last applied record; after everything was undone, still the oldest.
  UndoRecord* Current() const { return current_; }
  std::int32_t Position() const { return position_; }
  // -1 once the saved state can no longer be reached.
  std::int32_t SavedPosition() const { return saved_position_; }
  bool Modified() const { return position_ != saved_position_; }
  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return current_ && (position_ == 0 || current_->next); }

  // Drops the redo branch and appends the record (taking it over) as the
  // current one.
  void Append(UndoRecord* record);
  // The record to take back, moving the position down; nullptr when none.
  UndoRecord* StepBack();
  // The record to apply again, moving the position up; nullptr when none.
  UndoRecord* StepForward();

  // Frees every record; position and saved position 0.
  void Clear();
  void MarkSaved() { saved_position_ = position_; }
  // No state in the history is the saved one (recovered text).
  void MarkUnsaved() { saved_position_ = -1; }

 private:
  // Frees record and every newer one.
  static void FreeFrom(UndoRecord* record);

  UndoRecord* current_ = nullptr;
  std::int32_t position_ = 0;
  std::int32_t saved_position_ = 0;
};
