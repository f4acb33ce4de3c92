#include "editor/editing/undo_history.h"

void UndoHistory::FreeFrom(UndoRecord* record) {
  while (record) {
    UndoRecord* next = record->next;
    UndoRecord::Destroy(record);
    record = next;
  }
}

void UndoHistory::Append(UndoRecord* record) {
  if (position_ == 0) {
    // Everything has been undone: the whole list is the redo branch.
    FreeFrom(current_);
    current_ = nullptr;
  } else {
    FreeFrom(current_->next);
    current_->next = nullptr;
  }
  if (position_ < saved_position_) saved_position_ = -1;
  record->previous = current_;
  record->next = nullptr;
  if (current_) current_->next = record;
  current_ = record;
  ++position_;
}

UndoRecord* UndoHistory::StepBack() {
  if (position_ == 0 || !current_) return nullptr;
  UndoRecord* record = current_;
  --position_;
  // The oldest record stays current so that redo can find it again.
  if (position_ > 0) current_ = current_->previous;
  return record;
}

UndoRecord* UndoHistory::StepForward() {
  if (!current_) return nullptr;
  UndoRecord* record = position_ == 0 ? current_ : current_->next;
  if (!record) return nullptr;
  current_ = record;
  ++position_;
  return record;
}

void UndoHistory::Clear() {
  UndoRecord* oldest = current_;
  while (oldest && oldest->previous) oldest = oldest->previous;
  FreeFrom(oldest);
  current_ = nullptr;
  position_ = 0;
  saved_position_ = 0;
}
