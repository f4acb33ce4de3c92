#include "editor/editing/undo_record.h"

#include <new>

#include "platform/heap.h"

UndoRecord* UndoRecord::Create(UndoKind kind) {
  void* block = heap::Allocate(heap::Kind::Private, sizeof(UndoRecord));
  return block ? new (block) UndoRecord(kind) : nullptr;
}

void UndoRecord::Destroy(UndoRecord* record) {
  if (!record) return;
  record->~UndoRecord();
  heap::Free(heap::Kind::Private, record);
}

UndoRecord::~UndoRecord() { heap::Free(heap::Kind::Private, line_flags_); }

bool UndoRecord::AllocateLineFlags(std::int32_t count) {
  heap::Free(heap::Kind::Private, line_flags_);
  line_flags_ = static_cast<std::uint8_t*>(
      heap::Allocate(heap::Kind::Private, static_cast<std::size_t>(count > 0 ? count : 1)));
  return line_flags_ != nullptr;
}
