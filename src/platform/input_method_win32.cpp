#include "platform/input_method.h"

#include <windows.h>
#include <imm.h>

#include <algorithm>
#include <new>

namespace platform {
namespace {

static_assert(sizeof(wchar_t) == 2, "UTF-16 units are passed to the input method as wchar_t");

// The window's input context for as long as the scope lasts.
class InputContext {
 public:
  explicit InputContext(HWND window) : window_(window), context_(ImmGetContext(window)) {}
  ~InputContext() {
    if (context_) ImmReleaseContext(window_, context_);
  }
  InputContext(const InputContext&) = delete;
  InputContext& operator=(const InputContext&) = delete;
  HIMC Get() const { return context_; }

 private:
  HWND window_;
  HIMC context_;
};

class Imm32InputMethod final : public InputMethod {
 public:
  explicit Imm32InputMethod(HWND window) : window_(window) {}

  void PlaceComposition(CompositionStyle style, std::int32_t x, std::int32_t y) override {
    InputContext context(window_);
    if (!context.Get()) return;
    COMPOSITIONFORM form{};
    form.dwStyle = style == CompositionStyle::ForcePosition ? CFS_FORCE_POSITION : CFS_POINT;
    form.ptCurrentPos = {x, y};
    ImmSetCompositionWindow(context.Get(), &form);
  }

  void SetCompositionFont(const Font& font) override {
    InputContext context(window_);
    LOGFONTW description{};
    if (!context.Get() || !GetObjectW(static_cast<HFONT>(font.NativeHandle()), sizeof description, &description)) {
      return;
    }
    ImmSetCompositionFontW(context.Get(), &description);
  }

  void CancelComposition() override {
    InputContext context(window_);
    if (context.Get()) ImmNotifyIME(context.Get(), NI_COMPOSITIONSTR, CPS_CANCEL, 0);
  }

  bool ResultString(WideString& result) override {
    InputContext context(window_);
    if (!context.Get()) return false;
    const LONG bytes = ImmGetCompositionStringW(context.Get(), GCS_RESULTSTR, nullptr, 0);
    if (bytes <= 0) return false;
    // Room for the text and a NUL, zero-filled, in case the input method
    // writes less than it announced.
    const auto units = static_cast<std::uint32_t>(bytes) / 2;
    if (!result.Reserve(units + 1)) return false;
    std::fill_n(result.Data(), units + 1, u'\0');
    const LONG read = ImmGetCompositionStringW(context.Get(), GCS_RESULTSTR, result.Data(),
                                               static_cast<DWORD>(units * 2));
    if (read < 0) return false;
    result.SetLength(std::min(units, static_cast<std::uint32_t>(read) / 2));
    return true;
  }

 private:
  HWND window_;
};

}  // namespace

std::unique_ptr<InputMethod> CreateInputMethod(void* window) {
  return std::unique_ptr<InputMethod>(new (std::nothrow) Imm32InputMethod(static_cast<HWND>(window)));
}

}  // namespace platform
