#pragma once
// The program's two heaps: the private heap (line buffers, undo records,
// conversion buffers, settings tables) and the process heap (strings and
// window-side objects).  Every block comes back zero-filled.
#include <cstddef>

namespace heap {

enum class Kind { Private, Process };

// Creates the private heap; the native build needs no set-up.  Returns false
// when the system refuses it.
bool CreatePrivate();
void DestroyPrivate();

void* Allocate(Kind kind, std::size_t bytes);
// Grows or shrinks a block; bytes beyond old_bytes are zero-filled.  On
// failure returns nullptr and leaves the old block allocated.
void* Reallocate(Kind kind, void* block, std::size_t old_bytes, std::size_t bytes);
void Free(Kind kind, void* block);

}  // namespace heap
