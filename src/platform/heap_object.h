#pragma once
// One object in a zero-filled heap block, for records that live on a
// chosen heap and may be handed from owner to owner as plain pointers.
#include <new>

#include "platform/heap.h"

namespace heap {

// Null when memory is short.
template <class T>
T* New(Kind kind) {
  void* block = Allocate(kind, sizeof(T));
  return block ? new (block) T() : nullptr;
}

// Null is allowed.
template <class T>
void Delete(Kind kind, T* object) {
  if (!object) return;
  object->~T();
  Free(kind, object);
}

}  // namespace heap
