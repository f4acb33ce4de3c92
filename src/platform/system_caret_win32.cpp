#include "platform/system_caret.h"

#include <windows.h>

#include <new>

namespace platform {
namespace {

class Win32Caret final : public SystemCaret {
 public:
  explicit Win32Caret(HWND window) : window_(window) {}
  ~Win32Caret() override { Destroy(); }
  Win32Caret(const Win32Caret&) = delete;
  Win32Caret& operator=(const Win32Caret&) = delete;

  bool Create(std::int32_t height) override {
    // No bitmap, width 0: the system's caret width.
    created_ = CreateCaret(window_, nullptr, 0, height) != FALSE;
    return created_;
  }
  void Destroy() override {
    if (created_) DestroyCaret();
    created_ = false;
  }
  void MoveTo(std::int32_t x, std::int32_t y) override { SetCaretPos(x, y); }
  void Show() override { ShowCaret(window_); }
  void Hide() override { HideCaret(window_); }

 private:
  HWND window_;
  bool created_ = false;
};

}  // namespace

std::unique_ptr<SystemCaret> CreateSystemCaret(void* window) {
  return std::unique_ptr<SystemCaret>(new (std::nothrow) Win32Caret(static_cast<HWND>(window)));
}

}  // namespace platform
