#pragma once
// The window system's caret of one window. The editor creates it when it
// gains the focus and destroys it when it loses it.
#include <cstdint>
#include <memory>

namespace platform {

class SystemCaret {
 public:
  virtual ~SystemCaret() = default;
  // A caret of the system's default width; created hidden.
  virtual bool Create(std::int32_t height) = 0;
  virtual void Destroy() = 0;
  virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
};

// The caret of a window (a native window handle). Windows only.
std::unique_ptr<SystemCaret> CreateSystemCaret(void* window);

}  // namespace platform
