#pragma once
// The system clipboard as the editor uses it: Unicode text only. Windows
// goes through the real clipboard; tests use MemoryClipboard.
#include <cstdint>
#include <memory>

class WideString;

namespace platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces the clipboard's contents by count units (a NUL is appended).
  // True only when the clipboard took the text over.
  virtual bool PutText(const char16_t* units, std::int32_t count) = 0;
  // The clipboard's text up to its first NUL, never beyond the stored
  // block. False, destination untouched, when there is no text or the
  // clipboard cannot be opened.
  virtual bool GetText(WideString& destination) = 0;
};

// The system clipboard, opened on behalf of a window (its native handle).
// Windows only.
std::unique_ptr<Clipboard> CreateSystemClipboard(void* owner_window);

}  // namespace platform
