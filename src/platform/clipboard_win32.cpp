#include <windows.h>

#include <cstring>

#include "platform/clipboard.h"
#include "platform/wide_string.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace platform {
namespace {

// Closes the clipboard when the holder goes.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool Open() const { return open_; }

 private:
  bool open_;
};

class GlobalLock16 {
 public:
  explicit GlobalLock16(HGLOBAL block) : block_(block), units_(static_cast<char16_t*>(GlobalLock(block))) {}
  ~GlobalLock16() {
    if (units_) GlobalUnlock(block_);
  }
  GlobalLock16(const GlobalLock16&) = delete;
  GlobalLock16& operator=(const GlobalLock16&) = delete;
  char16_t* Units() const { return units_; }

 private:
  HGLOBAL block_;
  char16_t* units_;
};

class SystemClipboard final : public Clipboard {
 public:
  explicit SystemClipboard(HWND owner) : owner_(owner) {}

  bool PutText(const char16_t* units, std::int32_t count) override {
    if (count < 0 || (count > 0 && !units)) return false;
    OpenedClipboard clipboard(owner_);
    if (!clipboard.Open() || !EmptyClipboard()) return false;
    const SIZE_T bytes = 2 * static_cast<SIZE_T>(count) + 2;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (!block) return false;
    {
      GlobalLock16 lock(block);
      if (!lock.Units()) {
        GlobalFree(block);
        return false;
      }
      if (count > 0) std::memcpy(lock.Units(), units, 2 * static_cast<SIZE_T>(count));
    }
    if (!SetClipboardData(CF_UNICODETEXT, block)) {
      GlobalFree(block);  // still ours when the clipboard refused it
      return false;
    }
    return true;
  }

  bool GetText(WideString& destination) override {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return false;
    OpenedClipboard clipboard(owner_);
    if (!clipboard.Open()) return false;
    HGLOBAL block = GetClipboardData(CF_UNICODETEXT);
    if (!block) return false;
    GlobalLock16 lock(block);
    if (!lock.Units()) return false;
    // Another program may have put text without a terminator: never read
    // past the block.
    const SIZE_T capacity = GlobalSize(block) / 2;
    SIZE_T length = 0;
    while (length < capacity && lock.Units()[length] != 0) ++length;
    if (length > 0x7fffffff) return false;
    return destination.Assign(lock.Units(), static_cast<std::uint32_t>(length));
  }

 private:
  HWND owner_;
};

}  // namespace

std::unique_ptr<Clipboard> CreateSystemClipboard(void* owner_window) {
  return std::make_unique<SystemClipboard>(static_cast<HWND>(owner_window));
}

}  // namespace platform
